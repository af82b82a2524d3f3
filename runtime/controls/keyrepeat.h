// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

namespace runtime {

// A held key repeats its press alone and is released once, when it is let go.
// X11 otherwise repeats it as pairs of release and press, which the toolkit
// tells from real ones only when both have already arrived. Call once, right
// after the QApplication is made; elsewhere it does nothing.
void repeatHeldKeysAsPresses();

} // namespace runtime
