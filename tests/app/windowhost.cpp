// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// Runs the real window through a driver script, the arguments joined (see
// window/driver.h), started from its event loop. Once the window has closed,
// which it must never be shown again after, prints what a person saw and
// exits with the program's status.
#include "window/driver.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Driver driver;
    QObject::connect(driver.window.windowHandle(), &QWindow::visibleChanged, [](bool visible) {
        if (visible)
            qFatal("windowhost: the window was shown again after its close");
    });
    QTimer::singleShot(0, [&] { driver.run(app.arguments().mid(1).join(' ')); });
    const int status = QApplication::exec();
    std::printf("%s\n", qPrintable(driver.seen()));
    return status;
}
