// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "windowcloserequests.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <X11/Xlib.h>
#include <xcb/xcb.h>

namespace runtime {

namespace {

Atom protocols = 0;
Atom deleteWindow = 0;

} // namespace

WindowCloseRequests::WindowCloseRequests(QWidget *window) : window_(window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return;
    protocols = XInternAtom(x11->display(), "WM_PROTOCOLS", False);
    deleteWindow = XInternAtom(x11->display(), "WM_DELETE_WINDOW", False);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

bool WindowCloseRequests::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t" || !window_)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *request = static_cast<const xcb_client_message_event_t *>(message);
    if (request->window != window_->winId() || request->type != protocols ||
        request->data.data32[0] != deleteWindow)
        return false;
    return closeWindow();
}

} // namespace runtime
