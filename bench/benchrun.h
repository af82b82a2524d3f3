#pragma once

#include "report.h"
#include "xvfbserver.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace bench {

struct BenchOptions
{
    bool quick = false;    // a few repetitions, offscreen only: checks that it all runs
    bool callgrind = true; // also count instructions per segment
    QStringList platforms{QStringLiteral("xvfb"), QStringLiteral("xvfb-noshm"),
                          QStringLiteral("offscreen")};
    QString jsonPath; // where to write every object as one JSON array
    QString only;     // one scenario alone, when profiling it
};

// One run of every scenario on every platform, each in processes of its
// own: the window's scenarios in a worker, startup and idling in the host.
// Prints each scenario's JSON object as it comes, then the table.
class BenchRun
{
public:
    explicit BenchRun(BenchOptions options);

    int exec();

private:
    bool runPlatform(const QString &platform);
    bool runWorker(const QString &platform, const QProcessEnvironment &environment,
                   const QString &only);
    void runStartup(const QString &platform, const QProcessEnvironment &environment);
    void runIdle(const QString &platform, const QProcessEnvironment &environment);
    bool wanted(const QString &scenario) const;
    void runCallgrind();
    QProcessEnvironment environmentFor(const QString &platform) const;
    QJsonObject machine() const;
    void add(QJsonObject object, const QString &platform);
    QString sibling(const QString &name) const;

    BenchOptions options_;
    Report report_;
    XvfbServer xvfb_;
    QTemporaryDir runtimeDirectory_; // for a toolkit that wants one and finds none
};

} // namespace bench
