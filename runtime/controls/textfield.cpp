// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "textfield.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWindow>

namespace runtime {

// Qt's own limit of 32767 characters stays: a longer text is cut when pasted,
// and a field with millions costs seconds and hundreds of megabytes to lay out.
TextField::TextField(const QString &text, QWidget *parent) : QLineEdit(text, parent)
{
    // Not every platform hands the focus back when a message box closes, so
    // the field hears of any move of the keyboard between windows.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] { pressSeen_ = false; });
}

// The release of a Tab that brought the focus in counts; the release of the
// key that closed a popup or message box does not.
void TextField::focusInEvent(QFocusEvent *event)
{
    pressSeen_ =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    QLineEdit::focusInEvent(event);
}

void TextField::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        pressSeen_ = true;
    QLineEdit::keyPressEvent(event);
}

void TextField::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if (pressSeen_ && !event->isAutoRepeat())
        emit keyReleased();
}

void TextField::inputMethodEvent(QInputMethodEvent *event)
{
    QLineEdit::inputMethodEvent(event);
    if (!event->commitString().isEmpty())
        emit keyReleased();
}

} // namespace runtime
