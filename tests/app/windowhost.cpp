// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// Runs the real window, the application set up as the program sets it up,
// through a driver script, the arguments joined (see window/driver.h),
// started from its event loop. Once the window has closed,
// which it must never be shown again after, prints what a person saw and
// exits with the program's status. On X11, its title bar's close is asked
// for as a window manager asks: through the server.
#include "applicationsetup.h"
#include "window/driver.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t *x11, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(x11, xcb_intern_atom(x11, 0, strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    free(reply);
    return atom;
}

void askToClose(xcb_connection_t *x11, QWidget *window)
{
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window->winId());
    request.type = atom(x11, "WM_PROTOCOLS");
    request.data.data32[0] = atom(x11, "WM_DELETE_WINDOW");
    xcb_send_event(x11, 0, request.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(x11);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareApplication(argc, argv);
    QApplication app(argc, argv);
    setUpApplication();
    Driver driver;
    QObject::connect(driver.window.windowHandle(), &QWindow::visibleChanged, [](bool visible) {
        if (visible)
            qFatal("windowhost: the window was shown again after its close");
    });
    // Offscreen, the platform may answer as X11 yet have no server.
    auto *x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (x11 && x11->connection())
        driver.closeWindow = [&driver, x11] { askToClose(x11->connection(), &driver.window); };
    QTimer::singleShot(0, [&] { driver.run(app.arguments().mid(1).join(' ')); });
    const int status = QApplication::exec();
    std::printf("%s\n", qPrintable(driver.seen()));
    return status;
}
