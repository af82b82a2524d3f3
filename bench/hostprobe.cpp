#include "hostprobe.h"

#include "processmetrics.h"

#include <QProcess>
#include <QThread>

namespace bench {

HostProbe::HostProbe(QString program, QProcessEnvironment environment)
    : program_(std::move(program)), environment_(std::move(environment))
{
}

HostProbe::Start HostProbe::start(bool emptyWindow, double idleSeconds) const
{
    Start result;
    QProcess host;
    host.setProcessEnvironment(environment_);
    host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QStringList arguments{emptyWindow ? QStringLiteral("--empty")
                                            : QStringLiteral("--window")};
    const qint64 launched = monotonicNanoseconds();
    host.start(program_, arguments);
    while (!host.canReadLine() && host.waitForReadyRead(30000)) {
    }
    const QList<QByteArray> report = host.readLine().trimmed().split(' ');
    if (report.size() == 6 && report[0] == "first_paint_ns") {
        result.milliseconds = double(report[1].toLongLong() - launched) / 1e6;
        result.residentKiB = report[3].toLongLong();
        result.cpuMilliseconds = double(report[5].toLongLong()) / 1e6;
        if (idleSeconds > 0) {
            const qint64 before = cpuNanoseconds(host.processId());
            QThread::usleep(static_cast<unsigned long>(idleSeconds * 1e6));
            result.idleCpuMilliseconds = double(cpuNanoseconds(host.processId()) - before) / 1e6;
        }
    }
    host.terminate();
    if (!host.waitForFinished(5000)) {
        host.kill();
        host.waitForFinished(5000);
    }
    return result;
}

} // namespace bench
