#include "benchrun.h"

#include "callgrindprobe.h"
#include "hostprobe.h"
#include "statistics.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QThread>
#include <cstdio>

namespace bench {

namespace {

const QStringList everyScenario{"flight",         "long_flight", "grid", "needle",
                                "responsiveness", "startup",     "idle"};
const QStringList workerScenarios{"flight", "long_flight", "grid", "needle", "responsiveness"};

// The same X server with images sent through the socket instead of shared
// memory: only to compare the bare loop's cost under either transport.
const QString withoutSharedMemory = QStringLiteral("xvfb-noshm");

void print(const QString &text)
{
    std::fputs(qPrintable(text), stdout);
    std::fflush(stdout);
}

void warn(const QString &text)
{
    std::fprintf(stderr, "trevane_bench: %s\n", qPrintable(text));
}

} // namespace

BenchRun::BenchRun(BenchOptions options) : options_(std::move(options))
{
    if (options_.quick) {
        options_.platforms = {QStringLiteral("offscreen")};
        options_.callgrind = false;
    }
}

int BenchRun::exec()
{
    add(machine(), {});
    bool ok = true;
    for (const QString &platform : options_.platforms)
        ok = runPlatform(platform) && ok;
    if (options_.callgrind && wanted(QStringLiteral("instructions")))
        runCallgrind();
    print(QStringLiteral("\n") + report_.table());
    if (!options_.jsonPath.isEmpty() && !report_.save(options_.jsonPath)) {
        warn(QStringLiteral("could not write ") + options_.jsonPath);
        ok = false;
    }
    const QStringList missing =
        report_.missing(options_.only.isEmpty() ? everyScenario : QStringList{options_.only});
    if (!missing.isEmpty()) {
        warn(QStringLiteral("no result for: ") + missing.join(QStringLiteral(", ")));
        ok = false;
    }
    return ok ? 0 : 1;
}

// What the figures were measured on.
QJsonObject BenchRun::machine() const
{
    QString cpu;
    QFile cpuInfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuInfo.open(QIODevice::ReadOnly))
        for (const QByteArray &line : cpuInfo.readAll().split('\n'))
            if (line.startsWith("model name") && cpu.isEmpty())
                cpu = QString::fromLatin1(line.mid(line.indexOf(':') + 1).trimmed());
    return {{"scenario", "machine"},
            {"qt", QString::fromLatin1(qVersion())},
            {"build_type", QStringLiteral(TREVANE_BUILD_TYPE)},
            {"cpu", cpu},
            {"cores", QThread::idealThreadCount()}};
}

bool BenchRun::wanted(const QString &scenario) const
{
    return options_.only.isEmpty() || options_.only == scenario;
}

QString BenchRun::sibling(const QString &name) const
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

QProcessEnvironment BenchRun::environmentFor(const QString &platform) const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!environment.contains(QStringLiteral("XDG_RUNTIME_DIR")))
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDirectory_.path());
    if (platform.startsWith(QLatin1String("xvfb"))) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        if (platform == withoutSharedMemory)
            environment.insert(QStringLiteral("QT_XCB_NO_MITSHM"), QStringLiteral("1"));
        environment.insert(QStringLiteral("DISPLAY"), xvfb_.display());
        environment.remove(QStringLiteral("XAUTHORITY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    }
    return environment;
}

void BenchRun::add(QJsonObject object, const QString &platform)
{
    if (!platform.isEmpty())
        object["platform"] = platform;
    report_.add(object);
    print(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) +
          QLatin1Char('\n'));
}

bool BenchRun::runPlatform(const QString &platform)
{
    if (platform.startsWith(QLatin1String("xvfb")) && xvfb_.display().isEmpty()) {
        QString error;
        if (!xvfb_.start(&error)) {
            warn(error);
            return false;
        }
    }
    const QProcessEnvironment environment = environmentFor(platform);
    if (platform == withoutSharedMemory)
        return !wanted(QStringLiteral("flight")) ||
               runWorker(platform, environment, QStringLiteral("flight"));
    bool ok = true;
    if (options_.only.isEmpty() || workerScenarios.contains(options_.only))
        ok = runWorker(platform, environment, options_.only);
    if (wanted(QStringLiteral("startup")))
        runStartup(platform, environment);
    if (wanted(QStringLiteral("idle")))
        runIdle(platform, environment);
    return ok;
}

bool BenchRun::runWorker(const QString &platform, const QProcessEnvironment &environment,
                         const QString &only)
{
    QProcess worker;
    worker.setProcessEnvironment(environment);
    worker.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList arguments{QStringLiteral("--worker")};
    if (options_.quick)
        arguments << QStringLiteral("--quick");
    if (!only.isEmpty())
        arguments << QStringLiteral("--only") << only;
    worker.start(QCoreApplication::applicationFilePath(), arguments);
    if (!worker.waitForFinished(30 * 60 * 1000) || worker.exitCode() != 0) {
        warn(QStringLiteral("the %1 worker failed").arg(platform));
        return false;
    }
    for (const QByteArray &line : worker.readAllStandardOutput().split('\n'))
        if (line.startsWith('{'))
            add(QJsonDocument::fromJson(line).object(), platform);
    return true;
}

void BenchRun::runStartup(const QString &platform, const QProcessEnvironment &environment)
{
    const HostProbe host(sibling(QStringLiteral("trevane_benchhost")), environment);
    const int starts = options_.quick ? 1 : 10;
    std::vector<double> windowTimes, emptyTimes, windowMemory, emptyMemory, windowCpu, emptyCpu;
    for (int i = 0; i < starts; ++i) {
        const HostProbe::Start window = host.start(false);
        const HostProbe::Start empty = host.start(true);
        if (window.milliseconds < 0 || empty.milliseconds < 0) {
            warn(QStringLiteral("the %1 host did not report its first paint").arg(platform));
            return;
        }
        windowTimes.push_back(window.milliseconds);
        emptyTimes.push_back(empty.milliseconds);
        windowMemory.push_back(double(window.residentKiB));
        emptyMemory.push_back(double(empty.residentKiB));
        windowCpu.push_back(window.cpuMilliseconds);
        emptyCpu.push_back(empty.cpuMilliseconds);
    }
    add(QJsonObject{{"scenario", "startup"},
                    {"starts", starts},
                    {"window_ms", median(windowTimes)},
                    {"empty_ms", median(emptyTimes)},
                    {"window_rss_kib", median(windowMemory)},
                    {"empty_rss_kib", median(emptyMemory)},
                    {"window_cpu_ms", median(windowCpu)},
                    {"empty_cpu_ms", median(emptyCpu)}},
        platform);
}

void BenchRun::runIdle(const QString &platform, const QProcessEnvironment &environment)
{
    const HostProbe host(sibling(QStringLiteral("trevane_benchhost")), environment);
    const double seconds = options_.quick ? 0.5 : 3;
    const HostProbe::Start window = host.start(false, seconds);
    const HostProbe::Start empty = host.start(true, seconds);
    add(QJsonObject{{"scenario", "idle"},
                    {"seconds", seconds},
                    {"cpu_ms", window.idleCpuMilliseconds},
                    {"empty_cpu_ms", empty.idleCpuMilliseconds}},
        platform);
}

void BenchRun::runCallgrind()
{
    const CallgrindProbe probe(QCoreApplication::applicationFilePath(),
                               environmentFor(QStringLiteral("offscreen")));
    QString error;
    const QJsonObject counts = probe.run(20, &error);
    if (counts.isEmpty()) {
        warn(error);
        return;
    }
    add(counts, QStringLiteral("offscreen"));
}

} // namespace bench
