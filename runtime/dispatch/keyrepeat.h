// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

namespace runtime {

// A held key reaches the controls as one press, repeats each marked as one,
// and one release when it is let go, whatever the platform sends: X11 repeats
// it as pairs of release and press unless asked not to, and then, like other
// platforms may, leaves the repeated presses unmarked. A press of a key that
// is already down is a repeat, even where its first press went to another
// window, such as the message box it closed. Takes effect once per
// application; later calls do nothing.
void markKeyRepeats();

} // namespace runtime
