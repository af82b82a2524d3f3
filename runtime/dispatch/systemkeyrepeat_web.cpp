// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "systemkeyrepeat.h"

namespace runtime {

// The browser sends a held key as presses already, each repeat marked as
// one, which Qt passes on.
void askForRepeatedPresses() {}

} // namespace runtime
