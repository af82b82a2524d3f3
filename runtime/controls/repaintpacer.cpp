// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "repaintpacer.h"

#include <QAbstractEventDispatcher>
#include <QScreen>
#include <QWidget>
#include <chrono>
#include <utility>

namespace runtime {

namespace {

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

// A drawing loop may draw a line per round of events, far more often than a
// screen refreshes. Asking for a repaint each time costs a repaint each
// time, and under X with shared-memory images a repaint that overlaps the
// one before, as neighbouring segments always do, waits for the server.
void RepaintPacer::owe(const QRect &dirty)
{
    if (dirty.isEmpty())
        return;
    owed_ |= dirty;
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
    // A drawing loop pumps events without waiting; the loop waits only once
    // the drawing handler has returned, and then nothing more is coming.
    if (auto *dispatcher = QAbstractEventDispatcher::instance(widget_->thread()))
        beforeWait_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &timer_,
                                       [this] { repaint(); });
}

void RepaintPacer::repaint()
{
    stopWatching();
    widget_->update(std::exchange(owed_, QRect()));
    sinceRepaint_.start();
}

void RepaintPacer::clear()
{
    stopWatching();
    owed_ = QRect();
    sinceRepaint_.start();
}

void RepaintPacer::stopWatching()
{
    timer_.stop();
    QObject::disconnect(beforeWait_);
}

} // namespace runtime
