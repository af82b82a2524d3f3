// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "applicationsetup.h"
#include "closeonsignal.h"
#include "commandline.h"
#include "frmmain.h"
#include "platformstartguard.h"

#include <QApplication>
#include <memory>

namespace {

std::unique_ptr<QApplication> makeApplication(int &argc, char *argv[])
{
    prepareApplication(argc, argv);
    const PlatformStartGuard guard(argc, argv);
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before signals are caught, so that a closed standard output is
    // not taken over by the signals' socket.
    if (const std::optional<int> status = answerBeforeToolkit(argc, argv))
        return *status;
    // Before the toolkit, so that even an early SIGTERM closes the window
    // rather than killing the program.
    runtime::CloseOnSignal::catchSignals();
    const std::unique_ptr<QApplication> app = makeApplication(argc, argv);
    setUpApplication();
    WindowOptions options;
    if (const std::optional<int> status = readWindowOptions(QApplication::arguments(), options))
        return *status;

    frmMain window;
    window.setPace(options.pace);
    const runtime::CloseOnSignal closeOnSignal(&window);
    // A web page shows a window full screen unless told otherwise; this one
    // has a single size wherever it runs.
    window.showNormal();
    return QApplication::exec();
}
