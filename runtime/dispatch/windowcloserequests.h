// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

namespace runtime {

// While it lives, passes the window manager's request to close a window on to
// that window even when a modal box blocks it, where the toolkit would drop
// it. X11 and Windows show an application such requests; a Wayland
// compositor does not, and there it does nothing.
class WindowCloseRequests : public QAbstractNativeEventFilter
{
public:
    explicit WindowCloseRequests(QWidget *window);
    ~WindowCloseRequests() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    // Closes the window once back in the event loop; the request is taken.
    bool closeWindow();

    QPointer<QWidget> window_;
};

} // namespace runtime
