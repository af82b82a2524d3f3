#include "paintclock.h"

#include "processmetrics.h"

#include <QEvent>
#include <QWidget>

namespace bench {

PaintClock::PaintClock(QWidget *widget) : QObject(widget)
{
    widget->installEventFilter(this);
}

bool PaintClock::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint)
        lastPaint_ = monotonicNanoseconds();
    return QObject::eventFilter(watched, event);
}

} // namespace bench
