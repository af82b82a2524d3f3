#include "callgrindprobe.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace bench {

namespace {

// Each dump names what it counted ("desc: Trigger: Client Request: flight")
// and its total ("totals: 123").
void readDump(const QString &path, QHash<QString, qint64> &totals)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QString kind;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("desc: Trigger: Client Request: "))
            kind = QString::fromLatin1(line.mid(31));
        else if (line.startsWith("totals: ") || line.startsWith("summary: "))
            totals[kind] = line.split(' ').value(1).toLongLong();
    }
}

} // namespace

CallgrindProbe::CallgrindProbe(QString benchProgram, QProcessEnvironment environment)
    : program_(std::move(benchProgram)), environment_(std::move(environment))
{
}

QJsonObject CallgrindProbe::run(int flights, QString *error) const
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        *error = QStringLiteral("valgrind is not installed (scripts/setup valgrind)");
        return {};
    }
    QTemporaryDir dumps;
    QProcess process;
    process.setProcessEnvironment(environment_);
    process.start(valgrind,
                  {QStringLiteral("--tool=callgrind"), QStringLiteral("--collect-atstart=no"),
                   QStringLiteral("--callgrind-out-file=") + dumps.filePath("out"), program_,
                   QStringLiteral("--worker"), QStringLiteral("--count-instructions"),
                   QString::number(flights)});
    if (!process.waitForFinished(30 * 60 * 1000) || process.exitCode() != 0) {
        *error = QStringLiteral("callgrind run failed: ") +
                 QString::fromLocal8Bit(process.readAllStandardError()).right(2000);
        return {};
    }
    QHash<QString, qint64> totals;
    for (const QString &name : QDir(dumps.path()).entryList(QDir::Files))
        readDump(dumps.filePath(name), totals);

    QJsonObject result{{"scenario", "instructions"}, {"tool", "callgrind"}};
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        const QJsonObject counted = QJsonDocument::fromJson(line).object();
        const QString kind = counted["kind"].toString();
        const double segments = counted["segments"].toDouble();
        if (!kind.isEmpty() && segments > 0 && totals.contains(kind))
            result[kind + QStringLiteral("_per_segment")] = double(totals[kind]) / segments;
    }
    return result;
}

} // namespace bench
