// The benchmark: times the program's window against a bare Qt loop, under
// a virtual X server and offscreen, and prints one JSON object per scenario
// and a table. The same executable is also the worker that drives the
// window inside each platform.

#include "benchrun.h"
#include "windowbench.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <cstdio>
#include <cstring>

namespace {

bool hasFlag(int argc, char *argv[], const char *flag)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], flag) == 0)
            return true;
    return false;
}

void printObjects(const std::vector<QJsonObject> &objects)
{
    for (const QJsonObject &object : objects)
        std::printf("%s\n", QJsonDocument(object).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

int runWorker(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    bench::Repetitions repetitions;
    if (arguments.contains(QStringLiteral("--quick")))
        repetitions = {5, 1, 2, 2, 20, 3};
    bench::WindowBench bench(repetitions);
    const auto valueOf = [&](const char *option) {
        const qsizetype at = arguments.indexOf(QLatin1String(option));
        return at < 0 ? QString() : arguments.value(at + 1);
    };
    const QString counting = valueOf("--count-instructions");
    if (!counting.isEmpty())
        printObjects(bench.countInstructions(counting.toInt()));
    else
        printObjects(bench.run(valueOf("--only")));
    return 0;
}

int runBench(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times Trevane's window against a bare Qt loop, under Xvfb and offscreen."));
    parser.addHelpOption();
    const QCommandLineOption quick(QStringLiteral("quick"),
                                   QStringLiteral("A few repetitions, offscreen only."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Also write every result to <file>."),
                                  QStringLiteral("file"));
    const QCommandLineOption platforms(
        QStringLiteral("platforms"),
        QStringLiteral("Comma-separated: xvfb, xvfb-noshm, offscreen."), QStringLiteral("list"));
    const QCommandLineOption noCallgrind(QStringLiteral("no-callgrind"),
                                         QStringLiteral("Skip counting instructions."));
    const QCommandLineOption only(
        QStringLiteral("only"),
        QStringLiteral("Run one scenario alone: flight, long_flight, grid, needle, responsiveness, "
                       "startup, idle or instructions."),
        QStringLiteral("scenario"));
    parser.addOptions({quick, json, platforms, noCallgrind, only});
    parser.process(app);

    bench::BenchOptions options;
    if (parser.isSet(platforms))
        options.platforms = parser.value(platforms).split(QLatin1Char(','), Qt::SkipEmptyParts);
    options.callgrind = !parser.isSet(noCallgrind);
    options.jsonPath = parser.value(json);
    options.quick = parser.isSet(quick);
    options.only = parser.value(only);
    return bench::BenchRun(options).exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (hasFlag(argc, argv, "--worker"))
        return runWorker(argc, argv);
    return runBench(argc, argv);
}
