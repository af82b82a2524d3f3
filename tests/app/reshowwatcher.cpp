#include "reshowwatcher.h"

#include <QEvent>
#include <QWidget>

ReshowWatcher::ReshowWatcher(QWidget *window)
{
    window->installEventFilter(this);
}

bool ReshowWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Close)
        closed_ = true;
    else if (event->type() == QEvent::Show && closed_)
        shownAgain_ = true;
    return QObject::eventFilter(watched, event);
}
