#include "firstpaintwatcher.h"

#include "processmetrics.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace bench {

FirstPaintWatcher::FirstPaintWatcher(QWidget *window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

bool FirstPaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || painted_)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != window_)
        return false;
    painted_ = true;
    qApp->removeEventFilter(this);
    // The paint is followed, in the same round, by the flush to the screen;
    // the report comes at the next round, after both.
    QTimer::singleShot(0, this, &FirstPaintWatcher::report);
    return false;
}

void FirstPaintWatcher::report()
{
    std::printf("first_paint_ns %lld rss_kib %lld cpu_ns %lld\n",
                static_cast<long long>(monotonicNanoseconds()),
                static_cast<long long>(residentKiB()), static_cast<long long>(cpuNanoseconds(0)));
    std::fflush(stdout);
}

} // namespace bench
