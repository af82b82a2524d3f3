// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "colourcode.h"
#include "repaintpacer.h"

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QWidget>

namespace runtime {

// A box that keeps what is drawn on it. The drawing lives in a raster held at
// the screen's device pixel ratio, so it stays crisp at any scale. Every line
// is in the drawing at once; the screen catches up within a display frame,
// repainting only the rectangle that bounds the lines of that frame.
// Coordinates are twips from the inner top-left corner, y downward. The box
// has no border, so its inner and outer sizes are the same.
//
// The operations carry the names the window's routines use for them.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    void setBackColour(ColourCode colour);

    float ScaleWidth() const;  // inner width, twips
    float ScaleHeight() const; // inner height, twips
    float Height() const;      // outer height, twips

    // A straight line between two points in twips, clipped by the box.
    void Line(float x1, float y1, float x2, float y2, ColourCode colour);
    // Erases all drawing to the background colour.
    void Cls();

signals:
    // Every line asked for, in twips, before clipping.
    void lineDrawn(const QLineF &twips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitImageToWidget();
    QPainter &painterFor(ColourCode colour, int penWidth);
    void closePainter();
    QPointF toDevicePixel(const QPointF &twips) const;
    QRect deviceToLogical(const QRectF &deviceRect) const;

    // Made when first drawn on: until then the box shows its background and
    // holds no raster, which keeps start-up short.
    QImage image_;
    qreal imageRatio_ = 1.0;
    // Stays open on the image from one line to the next.
    QPainter painter_;
    ColourCode penColour_ = black;
    bool penSet_ = false;
    ColourCode backColour_ = white;
    RepaintPacer pacer_{this};
};

} // namespace runtime
