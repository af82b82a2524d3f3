// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

class QString;

// A saved file is the user's once it is complete. On the desktop it is then
// where they chose; a web page writes into its own memory, out of the user's
// reach, so there the file becomes the browser's download and leaves that memory.
void handOverSavedFile(const QString &path);
