#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace bench {

// Starts the small host program in its own process, with either the real
// window or an empty one, and watches it from outside.
class HostProbe
{
public:
    struct Start
    {
        double milliseconds = -1;    // from starting the process to the first paint
        qint64 residentKiB = -1;     // after the first paint
        double cpuMilliseconds = -1; // used up to the first paint
        double idleCpuMilliseconds = -1;
    };

    HostProbe(QString program, QProcessEnvironment environment);

    // One start; with idleSeconds > 0, also the CPU time used in that long
    // an idle stretch right after the first paint.
    Start start(bool emptyWindow, double idleSeconds = 0) const;

private:
    QString program_;
    QProcessEnvironment environment_;
};

} // namespace bench
