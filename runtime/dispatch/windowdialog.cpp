// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "windowdialog.h"

#include "windowcloserequests.h"

#include <QDialog>
#include <QShortcut>
#include <QWindow>

namespace runtime {

int execForWindow(QDialog &dialog, QWidget *window)
{
    const WindowCloseRequests closeRequests(window);
    const QShortcut quit(QKeySequence(Qt::CTRL | Qt::Key_Q), &dialog, window, &QWidget::close);
    QObject::connect(window->windowHandle(), &QWindow::visibleChanged, &dialog,
                     [&dialog](bool visible) {
                         if (!visible)
                             dialog.reject();
                     });
    return dialog.exec();
}

} // namespace runtime
