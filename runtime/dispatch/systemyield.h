// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <chrono>

namespace runtime {

// Ends a round of events by letting the system in: in a browser, whose page
// paints and takes input only between the program's turns, the program hands
// over its turn until the browser has done what is pending; on the desktop,
// whose window system runs beside the program, it returns at once.
void yieldToSystem();

// Sleeps until the next event, or at most for the time given, and handles
// what came.
void waitForEvents(std::chrono::milliseconds longest);

} // namespace runtime
