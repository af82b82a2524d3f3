// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "pacedpump.h"

#include "eventpump.h"
#include "systemyield.h"

#include <QCoreApplication>

namespace runtime {

namespace {

std::chrono::milliseconds steadyNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

PaceClock &paceClock()
{
    static PaceClock clock = steadyNow;
    return clock;
}

} // namespace

std::chrono::milliseconds segmentInterval(Pace pace)
{
    using namespace std::chrono_literals;
    switch (pace) {
    case Pace::RealTime:
        return 100ms;
    case Pace::SlowMotion:
        return 400ms;
    case Pace::AsFastAsPossible:
        break;
    }
    return 0ms;
}

PaceClock setPaceClock(PaceClock clock)
{
    return std::exchange(paceClock(), std::move(clock));
}

std::chrono::milliseconds paceNow()
{
    return paceClock()();
}

void pumpEventsUntil(const std::function<std::chrono::milliseconds()> &due,
                     const std::function<bool()> &carryOn)
{
    pumpEvents();
    while (carryOn()) {
        const std::chrono::milliseconds left = due() - paceNow();
        if (left.count() <= 0)
            return;
        waitForEvents(left);
        // As in pumpEvents(): what a nested GLib round may have held back.
        QCoreApplication::sendPostedEvents();
    }
}

} // namespace runtime
