// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

// Chooses what must be chosen before the QApplication is made: Fusion as the
// style, which -style and QT_STYLE_OVERRIDE still override, and Qt's own
// event loop over GLib's, which costs twice as much for each round of events
// a flight runs per segment, unless the user chose one (QT_NO_GLIB set, even
// empty) or a GTK platform theme may load: its native dialogs need GLib's.
void prepareApplication(int argc, char *argv[]);

// Gives the running application Trevane's name, version and icon, and its
// controls their view of held keys. Call once, right after the QApplication
// is made.
void setUpApplication();
