#pragma once

#include <QJsonObject>
#include <QProcessEnvironment>
#include <QString>

namespace bench {

// Runs the window's flights and the bare loop under callgrind and reports
// the instructions each segment takes: a figure that, unlike a time, does
// not depend on what else the machine is doing.
class CallgrindProbe
{
public:
    CallgrindProbe(QString benchProgram, QProcessEnvironment environment);

    // The "instructions" scenario, or an empty object with the reason in error.
    QJsonObject run(int flights, QString *error) const;

private:
    QString program_;
    QProcessEnvironment environment_;
};

} // namespace bench
