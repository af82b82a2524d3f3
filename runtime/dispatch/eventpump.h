// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

namespace runtime {

// Runs every pending event (posted events, input, repaints), each handler to
// completion, and returns. It may be called from inside a handler that an
// outer call is running: handlers then nest.
void pumpEvents();

// Wakes the loop that ran the handler now ending. Qt's own dispatcher forgets
// a wake-up that a round nested in the handler took, such as the one that
// asks its loop to quit once the window closes mid-flight, and would sleep
// on with the window gone.
void wakeOuterRound();

} // namespace runtime
