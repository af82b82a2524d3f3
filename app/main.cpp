// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "applicationsetup.h"
#include "closeonsignal.h"
#include "commandline.h"
#include "frmmain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Before anything else, so that even an early SIGTERM closes the window
    // rather than killing the program.
    runtime::CloseOnSignal::catchSignals();
    WindowOptions options;
    if (const std::optional<int> status = answerCommandLine(argc, argv, options))
        return *status;
    chooseEventLoop(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();

    frmMain window;
    window.setPace(options.pace);
    const runtime::CloseOnSignal closeOnSignal(&window);
    window.show();
    return QApplication::exec();
}
