// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "systemkeyrepeat.h"

namespace runtime {

// Windows sends a held key as presses already, each repeat marked by its
// previous-state bit, which Qt passes on.
void askForRepeatedPresses() {}

} // namespace runtime
