// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "windowcloserequests.h"

#include <QCoreApplication>
#include <QGuiApplication>

#ifdef TREVANE_X11
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#endif

namespace runtime {

WindowCloseRequests::WindowCloseRequests(QWidget *window) : window_(window)
{
#ifdef TREVANE_X11
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display())
        return;
    protocols_ = XInternAtom(x11->display(), "WM_PROTOCOLS", False);
    deleteWindow_ = XInternAtom(x11->display(), "WM_DELETE_WINDOW", False);
    QCoreApplication::instance()->installNativeEventFilter(this);
#endif
}

WindowCloseRequests::~WindowCloseRequests()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowCloseRequests::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#ifdef TREVANE_X11
    if (eventType != "xcb_generic_event_t" || !window_)
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
        return false;
    const auto *request = static_cast<const xcb_client_message_event_t *>(message);
    if (request->window != window_->winId() || request->type != protocols_ ||
        request->data.data32[0] != deleteWindow_)
        return false;
    // Closed from the event loop, as a close the toolkit lets through would be.
    QMetaObject::invokeMethod(window_, &QWidget::close, Qt::QueuedConnection);
    return true;
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
    return false;
#endif
}

} // namespace runtime
