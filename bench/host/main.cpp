// Starts either the program's window or an empty window of the same size,
// set up exactly as the program's own entry sets up its window, and reports
// when it was first painted. It then idles until it is ended.

#include "applicationsetup.h"
#include "closeonsignal.h"
#include "firstpaintwatcher.h"
#include "frmmain.h"
#include "twips.h"

#include <QApplication>
#include <cstring>
#include <memory>

int main(int argc, char *argv[])
{
    const bool empty = argc > 1 && std::strcmp(argv[1], "--empty") == 0;
    runtime::CloseOnSignal::catchSignals();
    QApplication app(argc, argv);
    setUpApplication();

    std::unique_ptr<QWidget> window;
    if (empty) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(runtime::pixelsFromTwips(7935), runtime::pixelsFromTwips(7335));
    } else {
        window = std::make_unique<frmMain>();
    }
    new bench::FirstPaintWatcher(window.get());
    const runtime::CloseOnSignal closeOnSignal(window.get());
    window->show();
    return QApplication::exec();
}
