// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "systemyield.h"

#include <QCoreApplication>
#include <QTimer>

namespace runtime {

void yieldToSystem() {}

void waitForEvents(std::chrono::milliseconds longest)
{
    QTimer wake; // its timer event ends a wait; it needs no receiver
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(longest);
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace runtime
