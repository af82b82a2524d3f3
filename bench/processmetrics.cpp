#include "processmetrics.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <chrono>

namespace bench {

namespace {

QString procPath(qint64 pid, const QString &entry)
{
    const QString process = pid == 0 ? QStringLiteral("self") : QString::number(pid);
    return QStringLiteral("/proc/%1/%2").arg(process, entry);
}

} // namespace

qint64 monotonicNanoseconds()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
}

qint64 residentKiB(qint64 pid)
{
    QFile status(procPath(pid, QStringLiteral("status")));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // Files under /proc report no size, so read to the end rather than ask atEnd().
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

qint64 cpuNanoseconds(qint64 pid)
{
    qint64 total = 0;
    const QDir tasks(procPath(pid, QStringLiteral("task")));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile schedstat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (schedstat.open(QIODevice::ReadOnly))
            total += schedstat.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

} // namespace bench
