// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "repaintpacer.h"

#include <QAbstractEventDispatcher>
#include <QScreen>
#include <QWidget>
#include <chrono>

namespace runtime {

namespace {

constexpr int mostOwedRectangles = 32;

qint64 area(const QRect &rect)
{
    return qint64(rect.width()) * rect.height();
}

// Half a frame of the widget's screen, and never more than half one of a
// 60 Hz screen: a repaint owed is then on screen within the frame even when
// the timer that asks for it runs a few milliseconds late.
std::chrono::milliseconds repaintInterval(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    const qreal rate = screen ? screen->refreshRate() : 0;
    const int frame = rate >= 60 ? int(1000 / rate) : 16;
    return std::chrono::milliseconds(std::max(1, frame / 2));
}

} // namespace

RepaintPacer::RepaintPacer(QWidget *widget) : widget_(widget)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { repaint(); });
}

// A flight draws a segment per round of events, far more often than a
// screen refreshes. Asking for a repaint each time costs a repaint each
// time, and under X with shared-memory images a repaint that overlaps the
// one before, as neighbouring segments always do, waits for the server.
void RepaintPacer::owe(const QRect &dirty)
{
    if (dirty.isEmpty())
        return;
    gather(dirty);
    if (timer_.isActive())
        return;
    const std::chrono::milliseconds interval = repaintInterval(widget_);
    const std::chrono::milliseconds waited(sinceRepaint_.isValid() ? sinceRepaint_.elapsed()
                                                                   : interval.count());
    if (waited >= interval) {
        repaint();
        return;
    }
    timer_.start(interval - waited);
    // A flight pumps events without waiting; the loop waits only once the
    // drawing routine has returned, and then nothing more is coming.
    if (auto *dispatcher = QAbstractEventDispatcher::instance(widget_->thread()))
        beforeWait_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &timer_,
                                       [this] { repaint(); });
}

// Neighbouring segments join into one rectangle while it stays mostly made
// of what changed; a chain of such rectangles follows a curve closely. A
// region would follow it exactly, at a cost per line far above the line's.
void RepaintPacer::gather(const QRect &dirty)
{
    if (!owed_.isEmpty()) {
        Owed &last = owed_.last();
        const QRect joined = last.rect | dirty;
        const qint64 changed = last.changedArea + area(dirty);
        if (area(joined) <= 2 * changed || owed_.size() == mostOwedRectangles) {
            last = {joined, changed};
            return;
        }
    }
    owed_.append({dirty, area(dirty)});
}

void RepaintPacer::repaint()
{
    stopWatching();
    for (const Owed &owed : owed_)
        widget_->update(owed.rect);
    owed_.clear();
    sinceRepaint_.start();
}

void RepaintPacer::clear()
{
    stopWatching();
    owed_.clear();
    sinceRepaint_.start();
}

void RepaintPacer::stopWatching()
{
    timer_.stop();
    QObject::disconnect(beforeWait_);
}

} // namespace runtime
