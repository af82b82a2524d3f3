#pragma once

#include <QProcess>
#include <QString>

namespace bench {

// A virtual X server of our own for the length of the run, on a display
// number it picks itself.
class XvfbServer
{
public:
    XvfbServer() = default;
    ~XvfbServer();
    XvfbServer(const XvfbServer &) = delete;
    XvfbServer &operator=(const XvfbServer &) = delete;

    // False, with the reason in error, when no server could be started.
    bool start(QString *error);
    QString display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

} // namespace bench
