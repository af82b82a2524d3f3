// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

namespace runtime {

// Runs every pending event (posted events, input, repaints), each handler to
// completion, and returns. It may be called from inside a handler that an
// outer call is running: handlers then nest.
void pumpEvents();

} // namespace runtime
