// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <cmath>
#include <functional>
#include <numbers>

// The leanest honest Qt loop doing a flight segment's work: pump events, draw
// one line into a persistent image, update() the rectangle it touched.
class BareCanvas : public QWidget
{
public:
    using EachSegment = std::function<void(const QLineF &)>;

    explicit BareCanvas(QSize size) : image_(size, QImage::Format_RGB32)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(size);
        image_.fill(Qt::white);
    }

    // Metres to pixels as on the window's plot: a metre a twip, 15 twips a pixel.
    void fly(double velocity, double degrees, const EachSegment &eachSegment)
    {
        const double angle = degrees * std::numbers::pi / 180;
        QPointF previous(0, height());
        for (double t = 0, previousHeight = 0; previousHeight > -1; t += 0.1) {
            QCoreApplication::processEvents();
            const double y = velocity * std::sin(angle) * t - 9.80665 / 2 * t * t;
            const QPointF next(velocity * std::cos(angle) * t / 15, height() - y / 15);
            if (eachSegment)
                eachSegment(QLineF(previous, next));
            QPainter(&image_).drawLine(previous, next);
            update(QRectF(previous, next).normalized().toAlignedRect().adjusted(-1, -1, 1, 1));
            previous = next;
            previousHeight = y;
        }
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter(this).drawImage(event->rect(), image_, event->rect());
    }

private:
    QImage image_;
};
