// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "eventpump.h"

#include "systemyield.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

namespace runtime {

void pumpEvents()
{
    // A round of the loop started inside another round's handler may skip the
    // events posted before that handler began (the GLib dispatcher delivers
    // posted events only when new ones arrive), so deliver those first.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    yieldToSystem();
}

void wakeOuterRound()
{
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

} // namespace runtime
