#include "xvfbserver.h"

#include <QStandardPaths>

namespace bench {

XvfbServer::~XvfbServer()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000))
        process_.kill();
    process_.waitForFinished(5000);
}

bool XvfbServer::start(QString *error)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (program.isEmpty()) {
        *error = QStringLiteral("Xvfb is not installed (scripts/setup xvfb xauth)");
        return false;
    }
    // -displayfd 1: the server writes the display number it chose to its
    // standard output once it accepts clients.
    process_.start(program,
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                    QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    while (process_.waitForReadyRead(10000)) {
        if (process_.canReadLine()) {
            display_ = QLatin1Char(':') + QString::fromLatin1(process_.readLine().trimmed());
            return true;
        }
    }
    *error = QStringLiteral("Xvfb did not start: ") +
             QString::fromLocal8Bit(process_.readAllStandardError()).trimmed();
    return false;
}

} // namespace bench
