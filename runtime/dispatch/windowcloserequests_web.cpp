// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "windowcloserequests.h"

namespace runtime {

// The page has no window manager to ask for a close.
WindowCloseRequests::WindowCloseRequests(QWidget *window) : window_(window) {}

bool WindowCloseRequests::nativeEventFilter(const QByteArray &, void *, qintptr *)
{
    return false;
}

} // namespace runtime
