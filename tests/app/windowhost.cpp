// Starts the real window as the program does, runs one closing scenario in it
// and ends with the event loop's status, unless the window came back on
// screen after it closed (status 2) or the scenario failed (status 3).

#include "closeonsignal.h"
#include "frmmain.h"
#include "hostscenario.h"
#include "reshowwatcher.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    runtime::CloseOnSignal::catchSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevane"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowhost <scenario>\nscenarios: %s\n",
                     qPrintable(HostScenario::names().join(QLatin1Char(' '))));
        return 64;
    }

    frmMain window;
    const runtime::CloseOnSignal closeOnSignal(&window);
    const ReshowWatcher watcher(&window);
    HostScenario scenario(window, watcher);
    const QString name = QString::fromLocal8Bit(argv[1]);
    window.show();
    QTimer::singleShot(0, &scenario, [&scenario, name] { scenario.start(name); });
    const int status = QApplication::exec();

    if (watcher.shownAgain()) {
        std::fprintf(stderr, "windowhost: the window was shown again after it closed\n");
        return 2;
    }
    const QStringList failures = scenario.failures();
    for (const QString &failure : failures)
        std::fprintf(stderr, "windowhost: %s\n", qPrintable(failure));
    return failures.isEmpty() ? status : 3;
}
