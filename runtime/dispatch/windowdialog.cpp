// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "windowdialog.h"

#include "windowcloserequests.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QWindow>

namespace runtime {

namespace {

// Ctrl+Q closes the window from the dialog and from any window it opens, such
// as its question whether to replace a file: a window of its own, modal over
// the dialog, where no shortcut of the dialog's can reach.
class QuitKey : public QObject
{
public:
    explicit QuitKey(QWidget *window) : window_(window) { qApp->installEventFilter(this); }

private:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent *>(event)->keyCombination() != (Qt::CTRL | Qt::Key_Q))
            return false;
        window_->close();
        return true;
    }

    QWidget *window_;
};

} // namespace

int execForWindow(QDialog &dialog, QWidget *window)
{
    const WindowCloseRequests closeRequests(window);
    const QuitKey quitKey(window);
    QObject::connect(window->windowHandle(), &QWindow::visibleChanged, &dialog,
                     [&dialog](bool visible) {
                         if (visible)
                             return;
                         for (QDialog *question : dialog.findChildren<QDialog *>())
                             question->reject();
                         dialog.reject();
                     });
    return dialog.exec();
}

} // namespace runtime
