// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

class QImage;
class QWidget;

// Puts a picture on the clipboard. A web page may do so only where the
// browser lets it (a secure page with the asynchronous clipboard); where it
// does not, the user is told so, and how else to take the picture.
void copyPicture(QWidget *window, const QImage &picture);
