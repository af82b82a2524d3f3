// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

namespace runtime {

// Asks the window system to send a held key as repeated presses, not as
// pairs of release and press, where it can be asked.
void askForRepeatedPresses();

} // namespace runtime
