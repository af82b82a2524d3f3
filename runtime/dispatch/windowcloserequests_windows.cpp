// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "windowcloserequests.h"

#include <QCoreApplication>
#include <windows.h>

namespace runtime {

WindowCloseRequests::WindowCloseRequests(QWidget *window) : window_(window)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowCloseRequests::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "windows_generic_MSG" || !window_)
        return false;
    // What the title bar's close, Alt+F4 and the task manager's "End task" send.
    const auto *request = static_cast<const MSG *>(message);
    if (request->message != WM_CLOSE || request->hwnd != reinterpret_cast<HWND>(window_->winId()))
        return false;
    return closeWindow();
}

} // namespace runtime
