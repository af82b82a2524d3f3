// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "commandbutton.h"

#include <QKeyEvent>
#include <utility>

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
// clicks again at every repeat of a held key. Here a press clicks once until
// its release, whether its repeats come marked as such or, where only the
// press repeats, not.
void CommandButton::keyPressEvent(QKeyEvent *event)
{
    if (!isEnter(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && !std::exchange(enterHeld_, true))
        click();
}

void CommandButton::keyReleaseEvent(QKeyEvent *event)
{
    if (isEnter(event) && !event->isAutoRepeat())
        enterHeld_ = false;
    QPushButton::keyReleaseEvent(event);
}

// The release goes wherever the focus went.
void CommandButton::focusOutEvent(QFocusEvent *event)
{
    enterHeld_ = false;
    QPushButton::focusOutEvent(event);
}

} // namespace runtime
