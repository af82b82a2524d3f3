// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

// Gives the running application Trevane's name, version, style and icon.
// Call once, right after the QApplication is made.
void setUpApplication();
