// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "windowcloserequests.h"

#include <QCoreApplication>

namespace runtime {

WindowCloseRequests::~WindowCloseRequests()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowCloseRequests::closeWindow()
{
    // Closed from the event loop, as a close the toolkit lets through would be.
    QMetaObject::invokeMethod(window_, &QWidget::close, Qt::QueuedConnection);
    return true;
}

} // namespace runtime
