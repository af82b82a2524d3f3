#include "barecanvas.h"

#include "segmentstamps.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace bench {

BareCanvas::BareCanvas(QSize size, QWidget *parent)
    : QWidget(parent), image_(size, QImage::Format_RGB32)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(size);
    image_.fill(Qt::white);
}

void BareCanvas::fly(double velocity, double angleDegrees, SegmentStamps &stamps)
{
    constexpr double pixelsPerMetre = 1.0 / 15;
    const double angle = angleDegrees * std::numbers::pi / 180;
    const double ground = height();
    QPointF previous(0, ground);
    double previousHeight = 0;
    for (double t = 0; previousHeight > -1; t += 0.1) {
        QCoreApplication::processEvents();
        const double x = velocity * std::cos(angle) * t;
        const double y = velocity * std::sin(angle) * t - 9.80665 / 2 * t * t;
        const QPointF next(x * pixelsPerMetre, ground - y * pixelsPerMetre);
        stamps.record();
        QPainter painter(&image_);
        painter.drawLine(previous, next);
        painter.end();
        update(QRectF(previous, next).normalized().toAlignedRect().adjusted(-1, -1, 1, 1));
        previous = next;
        previousHeight = y;
    }
}

void BareCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

} // namespace bench
