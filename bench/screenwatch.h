// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QEventLoop>
#include <QPaintEvent>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <optional>

using Clock = std::chrono::steady_clock;

// Tells when part of a widget is on screen. A paint of the widget that meets
// the part is followed, in the same round of events, by the flush of its
// window to the display; the next round reads the part back from the display
// server (a round trip) and compares it with the widget's own rendering.
class ScreenWatch : public QObject
{
public:
    explicit ScreenWatch(QWidget *widget) : widget_(widget) { widget->installEventFilter(this); }

    // From now on, the first time the part is on screen ends run().
    void arm(const QRect &part) { part_ = part; }

    // Runs the event loop until then, for at most five seconds.
    std::optional<Clock::time_point> run()
    {
        QTimer::singleShot(5000, &loop_, &QEventLoop::quit);
        loop_.exec();
        return shown_;
    }

    // When the part was read back from the screen, if it was as drawn.
    static std::optional<Clock::time_point> onScreen(QWidget *widget, const QRect &part)
    {
        const QPoint at = widget->mapTo(widget->window(), part.topLeft());
        const QImage screen = rgb(widget->screen()->grabWindow(
            widget->window()->winId(), at.x(), at.y(), part.width(), part.height()));
        const Clock::time_point read = Clock::now();
        return screen == rgb(widget->grab(part)) ? std::optional(read) : std::nullopt;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Rendering the part for the comparison paints the widget too.
        if (event->type() == QEvent::Paint && !rendering_ && !shown_ &&
            static_cast<QPaintEvent *>(event)->region().intersects(part_))
            QMetaObject::invokeMethod(this, &ScreenWatch::check, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    static QImage rgb(const QPixmap &pixmap)
    {
        return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    }
    void check()
    {
        rendering_ = true;
        if (!shown_ && (shown_ = onScreen(widget_, part_)))
            loop_.quit();
        rendering_ = false;
    }

    QWidget *widget_;
    QRect part_;
    bool rendering_ = false;
    QEventLoop loop_;
    std::optional<Clock::time_point> shown_;
};
