#include "closeonsignal.h"
#include "frmmain.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    // Before anything else, so that even an early SIGTERM closes the window
    // rather than killing the program.
    runtime::CloseOnSignal::catchSignals();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trevane"));
    QApplication::setApplicationVersion(QStringLiteral(TREVANE_VERSION));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/trevane.ico")));

    frmMain window;
    const runtime::CloseOnSignal closeOnSignal(&window);
    window.show();
    return QApplication::exec();
}
