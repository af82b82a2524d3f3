// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "picturebox.h"

#include "lineclipping.h"
#include "twips.h"

#include <QPaintEvent>
#include <cmath>

namespace runtime {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColour(ColourCode colour)
{
    backColour_ = colour;
    Cls();
}

float PictureBox::ScaleWidth() const
{
    return twipsFromPixels(width());
}
float PictureBox::ScaleHeight() const
{
    return twipsFromPixels(height());
}
// Outer height, border included. The box has none, so this is the inner
// height too; flights read this one, as ground level lies below the border.
float PictureBox::Height() const
{
    return twipsFromPixels(height());
}

QPointF PictureBox::toDevicePixel(const QPointF &twips) const
{
    return twips * (imageRatio_ / twipsPerPixel);
}

QRect PictureBox::deviceToLogical(const QRectF &deviceRect) const
{
    const QRectF logical(deviceRect.topLeft() / imageRatio_, deviceRect.size() / imageRatio_);
    return logical.toAlignedRect().adjusted(-1, -1, 1, 1) & rect();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, ColourCode colour)
{
    fitImageToWidget();
    emit lineDrawn(QLineF(x1, y1, x2, y2));
    // Clip before rasterising, and in the twips given: a line may reach
    // millions of twips off the box, and a far end scaled first no longer
    // lies on the line asked for.
    const double margin = 2.0 * twipsPerPixel / imageRatio_;
    const QRectF bounds(QPointF(-margin, -margin),
                        QPointF(ScaleWidth() + margin, ScaleHeight() + margin));
    const auto clipped = clipLine(QLineF(x1, y1, x2, y2), bounds);
    if (!clipped)
        return;
    const QLineF visible(toDevicePixel(clipped->p1()), toDevicePixel(clipped->p2()));
    // Snap the ends to device pixels: a twip names the pixel it falls in.
    const QLineF snapped(std::floor(visible.x1()), std::floor(visible.y1()),
                         std::floor(visible.x2()), std::floor(visible.y2()));
    const int penWidth = std::max(1, int(std::lround(imageRatio_)));
    const double centre = (penWidth - 1) / 2.0;
    painterFor(colour, penWidth).drawLine(snapped.translated(centre, centre));
    pacer_.owe(deviceToLogical(
        QRectF(snapped.p1(), snapped.p2()).normalized().adjusted(0, 0, penWidth, penWidth)));
}

// Opening a painter costs more than the line it draws, so one stays open.
QPainter &PictureBox::painterFor(ColourCode colour, int penWidth)
{
    if (!painter_.isActive()) {
        painter_.begin(&image_);
        penSet_ = false;
    }
    if (!penSet_ || penColour_ != colour) {
        painter_.setPen(
            QPen(colourFromCode(colour, palette()), penWidth, Qt::SolidLine, Qt::SquareCap));
        penColour_ = colour;
        penSet_ = true;
    }
    return painter_;
}

void PictureBox::closePainter()
{
    if (painter_.isActive())
        painter_.end();
}

void PictureBox::Cls()
{
    if (!image_.isNull()) {
        fitImageToWidget();
        image_.fill(colourFromCode(backColour_, palette()));
    }
    pacer_.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (image_.isNull()) {
        painter.fillRect(event->rect(), colourFromCode(backColour_, palette()));
        return;
    }
    fitImageToWidget();
    for (const QRect &r : event->region()) {
        const QRectF source(r.x() * imageRatio_, r.y() * imageRatio_, r.width() * imageRatio_,
                            r.height() * imageRatio_);
        painter.drawImage(QRectF(r), image_, source);
    }
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!image_.isNull())
        fitImageToWidget();
}

void PictureBox::changeEvent(QEvent *event)
{
    // A system colour may have changed with the palette.
    if (event->type() == QEvent::PaletteChange)
        penSet_ = false;
    QWidget::changeEvent(event);
}

void PictureBox::fitImageToWidget()
{
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (image_.size() == deviceSize && imageRatio_ == ratio)
        return;
    // The painter must not outlive the raster it paints on.
    closePainter();
    QImage fitted(deviceSize, QImage::Format_RGB32);
    fitted.fill(colourFromCode(backColour_, palette()));
    if (!image_.isNull()) {
        // Keep what was drawn, at the new scale.
        QPainter painter(&fitted);
        const QSizeF logical = QSizeF(image_.size()) / imageRatio_;
        painter.drawImage(QRectF(QPointF(0, 0), logical * ratio), image_);
    }
    image_ = std::move(fitted);
    imageRatio_ = ratio;
}

} // namespace runtime
