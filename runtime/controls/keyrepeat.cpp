// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "keyrepeat.h"

#include <QGuiApplication>

#ifdef TREVANE_X11
#include <X11/XKBlib.h>
#endif

namespace runtime {

void repeatHeldKeysAsPresses()
{
#ifdef TREVANE_X11
    // Offscreen, the platform may answer as X11 yet have no display.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->display())
        XkbSetDetectableAutoRepeat(x11->display(), True, nullptr);
#endif
}

} // namespace runtime
