// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>
#include <functional>

namespace runtime {

// How fast a flight is drawn: each segment once the round of events before
// it is done, or one for each tenth of a second of flight time that passes,
// in real time or at a quarter of it.
enum class Pace { AsFastAsPossible, RealTime, SlowMotion };

// The time between a flight's segments at a pace: none as fast as possible.
std::chrono::milliseconds segmentInterval(Pace pace);

// The clock that paced flights keep: the system's steady clock unless
// replaced (tests turn one of their own); returns the one it replaces.
using PaceClock = std::function<std::chrono::milliseconds()>;
PaceClock setPaceClock(PaceClock clock);
std::chrono::milliseconds paceNow();

// Rounds of events, each as pumpEvents() runs it, until the pace clock
// reaches due() or carryOn() turns false, both asked afresh after each round.
// Between rounds it sleeps in the event loop until the next event or a timer
// at the time due: it never spins and never sleeps past an event.
void pumpEventsUntil(const std::function<std::chrono::milliseconds()> &due,
                     const std::function<bool()> &carryOn);

} // namespace runtime
