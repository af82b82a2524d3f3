// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "commandbutton.h"

#include <QKeyEvent>

namespace runtime {

namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

CommandButton::CommandButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setAutoDefault(false);
}

// A plain push button takes Return only as a dialog's default, and then
// clicks again at every repeat of a held key. Here a press clicks once.
void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnter(event))
        QPushButton::keyPressEvent(event);
    else if (!event->isAutoRepeat())
        click();
}

} // namespace runtime
