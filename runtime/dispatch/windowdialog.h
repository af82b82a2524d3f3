// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

class QDialog;
class QWidget;

namespace runtime {

// Runs a modal dialog that belongs to a window and returns its result. The
// window's close cannot reach it past a modal dialog, so here it can: from
// its title bar or the window manager, and with Ctrl+Q from the dialog, or
// any window it opens, as from the window. However the window closes, the
// dialog and the questions it asks close with it.
int execForWindow(QDialog &dialog, QWidget *window);

} // namespace runtime
