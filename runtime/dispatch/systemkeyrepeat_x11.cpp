// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "systemkeyrepeat.h"

#include <QGuiApplication>
#include <X11/XKBlib.h>

namespace runtime {

void askForRepeatedPresses()
{
    // Offscreen, the platform may answer as X11 yet have no display.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->display())
        XkbSetDetectableAutoRepeat(x11->display(), True, nullptr);
}

} // namespace runtime
