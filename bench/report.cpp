#include "report.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <array>

namespace bench {

namespace {

QString number(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

QString grouped(double value)
{
    return QLocale(QLocale::English).toString(qint64(value + 0.5));
}

// "≤ 3: met" or "≤ 3: MISSED"
QString verdict(const QString &limit, bool met)
{
    return limit + (met ? QStringLiteral(": met") : QStringLiteral(": MISSED"));
}

bool isWindy(const QJsonObject &object)
{
    return object["wind"].toBool();
}
bool isStill(const QJsonObject &object)
{
    return !object["wind"].toBool();
}

} // namespace

void Report::add(const QJsonObject &object)
{
    objects_.push_back(object);
}

QJsonObject Report::find(const QString &scenario, const QString &platform,
                         const std::function<bool(const QJsonObject &)> &test) const
{
    for (const QJsonObject &object : objects_)
        if (object["scenario"].toString() == scenario &&
            (platform.isEmpty() || object["platform"].toString() == platform) &&
            (!test || test(object)))
            return object;
    return {};
}

QStringList Report::missing(const QStringList &scenarios) const
{
    QStringList absent;
    for (const QString &scenario : scenarios)
        if (find(scenario, {}).isEmpty())
            absent << scenario;
    return absent;
}

QStringList Report::platforms() const
{
    QStringList found;
    for (const QJsonObject &object : objects_) {
        const QString platform = object["platform"].toString();
        if (!platform.isEmpty() && !found.contains(platform))
            found << platform;
    }
    return found;
}

void Report::flightRows(const QString &platform, std::vector<Row> &rows) const
{
    const QJsonObject bare = find("baseline", platform);
    const QJsonObject offscreenBare = find("baseline", "offscreen");
    if (bare.isEmpty())
        return;
    const double bareTime = bare["us_per_segment"].toDouble();
    const double floor = offscreenBare["us_per_segment"].toDouble();
    using Kind = std::pair<const char *, bool (*)(const QJsonObject &)>;
    for (const auto &[label, test] :
         std::array{Kind{"flight", isStill}, Kind{"flight, wind", isWindy}}) {
        const QJsonObject flight = find("flight", platform, test);
        if (flight.isEmpty())
            continue;
        const double time = flight["us_per_segment"].toDouble();
        const QString value = number(time, 2);
        const QString figure = QStringLiteral("µs per segment (%1 segments, median of %2)")
                                   .arg(flight["segments"].toInt())
                                   .arg(flight["flights"].toInt());
        if (platform == "offscreen") {
            rows.push_back({label, platform, figure, value,
                            QStringLiteral("bare loop, offscreen: %1").arg(number(bareTime, 2)),
                            number(time / bareTime, 2),
                            verdict(QStringLiteral("≤ 1.25"), time <= 1.25 * bareTime)});
            continue;
        }
        rows.push_back({label,
                        platform,
                        figure,
                        value,
                        QStringLiteral("bare loop, %1: %2").arg(platform, number(bareTime, 2)),
                        number(time / bareTime, 3),
                        {}});
        if (floor > 0)
            rows.push_back({label, platform, figure, value,
                            QStringLiteral("bare loop, offscreen: %1").arg(number(floor, 2)),
                            number(time / floor, 2),
                            verdict(QStringLiteral("≤ 3"), time <= 3 * floor)});
    }
    rows.push_back(
        {"baseline", platform, "µs per segment, bare Qt loop", number(bareTime, 2), {}, {}, {}});
}

void Report::windowRows(const QString &platform, std::vector<Row> &rows) const
{
    const QJsonObject flight = find("long_flight", platform);
    if (!flight.isEmpty()) {
        const double ratio = flight["ratio"].toDouble();
        rows.push_back(
            {"long_flight", platform,
             QStringLiteral("µs per segment in the last tenth (%1 segments)")
                 .arg(flight["segments"].toInt()),
             number(flight["last_tenth_us"].toDouble(), 2),
             QStringLiteral("first tenth: %1").arg(number(flight["first_tenth_us"].toDouble(), 2)),
             number(ratio, 2), verdict(QStringLiteral("≤ 1.15"), ratio <= 1.15)});
        const qint64 growth = flight["rss_growth_kib"].toInteger();
        rows.push_back({"long_flight",
                        platform,
                        "resident memory growth, KiB",
                        QString::number(growth),
                        QStringLiteral("before: %1").arg(flight["rss_before_kib"].toInteger()),
                        {},
                        verdict(QStringLiteral("< 1024"), growth < 1024)});
    }
    const QJsonObject grid = find("grid", platform);
    if (!grid.isEmpty())
        rows.push_back({"grid",
                        platform,
                        "ms per \"Draw Plot Lines\"",
                        number(grid["ms"].toDouble(), 3),
                        {},
                        {},
                        {}});
    const QJsonObject response = find("responsiveness", platform);
    if (!response.isEmpty()) {
        const double lag = response["screen_lag_ms_max"].toDouble();
        rows.push_back(
            {"responsiveness",
             platform,
             "ms from a flight's last segment to its paint (worst)",
             number(lag, 2),
             QStringLiteral("median: %1").arg(number(response["screen_lag_ms"].toDouble(), 2)),
             {},
             verdict(QStringLiteral("≤ 16.7, one frame"), lag <= 16.7)});
        rows.push_back({"responsiveness",
                        platform,
                        "µs from a queued stop click to the flight's end",
                        number(response["stop_us"].toDouble(), 1),
                        {},
                        {},
                        {}});
    }
    const QJsonObject needle = find("needle", platform);
    if (!needle.isEmpty())
        rows.push_back({"needle",
                        platform,
                        "µs per key release in an angle field",
                        number(needle["us_per_key_release"].toDouble(), 2),
                        {},
                        {},
                        {}});
}

void Report::processRows(const QString &platform, std::vector<Row> &rows) const
{
    const QJsonObject startup = find("startup", platform);
    if (!startup.isEmpty()) {
        const double time = startup["window_ms"].toDouble();
        const double empty = startup["empty_ms"].toDouble();
        rows.push_back({"startup", platform,
                        QStringLiteral("ms from exec to first paint (median of %1)")
                            .arg(startup["starts"].toInt()),
                        number(time), QStringLiteral("empty window: %1").arg(number(empty)),
                        number(time / empty, 2),
                        verdict(QStringLiteral("≤ 1.3"), time <= 1.3 * empty)});
        const double cpu = startup["window_cpu_ms"].toDouble();
        const double emptyCpu = startup["empty_cpu_ms"].toDouble();
        rows.push_back({"startup",
                        platform,
                        "CPU ms used up to the first paint",
                        number(cpu),
                        QStringLiteral("empty window: %1").arg(number(emptyCpu)),
                        number(cpu / emptyCpu, 2),
                        {}});
        const double memory = startup["window_rss_kib"].toDouble();
        const double emptyMemory = startup["empty_rss_kib"].toDouble();
        rows.push_back({"startup", platform, "resident memory after first paint, MiB",
                        number(memory / 1024),
                        QStringLiteral("empty window: %1").arg(number(emptyMemory / 1024)),
                        number(memory / emptyMemory, 2),
                        verdict(QStringLiteral("≤ 1.3"), memory <= 1.3 * emptyMemory)});
    }
    const QJsonObject idle = find("idle", platform);
    if (!idle.isEmpty()) {
        const double cpu = idle["cpu_ms"].toDouble();
        rows.push_back(
            {"idle",
             platform,
             QStringLiteral("CPU ms in %1 s of idling after the first paint")
                 .arg(idle["seconds"].toDouble()),
             number(cpu, 2),
             QStringLiteral("empty window: %1").arg(number(idle["empty_cpu_ms"].toDouble(), 2)),
             {},
             verdict(QStringLiteral("< 5"), cpu < 5)});
    }
}

void Report::instructionRows(std::vector<Row> &rows) const
{
    const QJsonObject counts = find("instructions", {});
    if (counts.isEmpty())
        return;
    const double bare = counts["baseline_per_segment"].toDouble();
    using Kind = std::pair<const char *, const char *>;
    for (const auto &[label, key] : std::array{Kind{"flight", "flight_per_segment"},
                                               Kind{"flight, wind", "flight_wind_per_segment"}}) {
        const double count = counts[key].toDouble();
        rows.push_back({label,
                        "offscreen, callgrind",
                        "instructions per segment",
                        grouped(count),
                        QStringLiteral("bare loop: %1").arg(grouped(bare)),
                        number(count / bare, 2),
                        {}});
    }
    const double first = counts["long_first_tenth_per_segment"].toDouble();
    const double last = counts["long_last_tenth_per_segment"].toDouble();
    if (first > 0)
        rows.push_back({"long_flight",
                        "offscreen, callgrind",
                        "instructions per segment in the last tenth",
                        grouped(last),
                        QStringLiteral("first tenth: %1").arg(grouped(first)),
                        number(last / first, 3),
                        {}});
}

QString Report::table() const
{
    std::vector<Row> rows;
    for (const QString &platform : platforms()) {
        flightRows(platform, rows);
        windowRows(platform, rows);
        processRows(platform, rows);
    }
    instructionRows(rows);

    const Row header{"Scenario", "Platform", "Figure", "Value", "Against", "Ratio", "Target"};
    const auto cells = [](const Row &row) {
        return std::array{row.scenario, row.platform, row.figure, row.value,
                          row.against,  row.ratio,    row.target};
    };
    std::array<qsizetype, 7> widths{};
    for (const Row &row : rows)
        for (std::size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max({widths[i], cells(row)[i].size(), cells(header)[i].size()});
    const auto line = [&](const std::array<QString, 7> &values) {
        QString text = QStringLiteral("|");
        for (std::size_t i = 0; i < values.size(); ++i)
            text += QLatin1Char(' ') + values[i].leftJustified(widths[i]) + QStringLiteral(" |");
        return text + QLatin1Char('\n');
    };
    std::array<QString, 7> rule;
    for (std::size_t i = 0; i < rule.size(); ++i)
        rule[i] = QString(widths[i], QLatin1Char('-'));
    QString text;
    const QJsonObject machine = find("machine", {});
    if (!machine.isEmpty())
        text += QStringLiteral("%1, %2 cores; Qt %3, %4 build\n\n")
                    .arg(machine["cpu"].toString())
                    .arg(machine["cores"].toInt())
                    .arg(machine["qt"].toString(), machine["build_type"].toString());
    text += line(cells(header)) + line(rule);
    for (const Row &row : rows)
        text += line(cells(row));
    return text;
}

bool Report::save(const QString &path) const
{
    QJsonArray array;
    for (const QJsonObject &object : objects_)
        array.append(object);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write(QJsonDocument(array).toJson(QJsonDocument::Indented));
    return true;
}

} // namespace bench
