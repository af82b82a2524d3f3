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
// repainting only the rectangles the lines of that frame touched.
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
    ColourCode backColour() const { return backColour_; }
    void setForeColour(ColourCode colour) { foreColour_ = colour; }
    ColourCode foreColour() const { return foreColour_; }

    // The box always keeps its drawing; the flag records that a routine asked
    // for it, as every drawing routine does before it draws.
    void setAutoRedraw(bool on) { autoRedraw_ = on; }
    bool AutoRedraw() const { return autoRedraw_; }

    float ScaleWidth() const;  // inner width, twips
    float ScaleHeight() const; // inner height, twips
    float Height() const;      // outer height, twips

    // A straight line between two points in twips, clipped by the box.
    void Line(float x1, float y1, float x2, float y2, ColourCode colour);
    // Erases all drawing to the background colour.
    void Cls();

    void setToolTipText(const QString &text) { setToolTip(text); }
    QString ToolTipText() const { return toolTip(); }

    // The drawing, in device pixels (devicePixelRatio() of them to a logical pixel).
    const QImage &image() const;
    qreal devicePixelRatio() const;

signals:
    // Every line asked for, in twips, before clipping.
    void lineDrawn(const QLineF &twips, runtime::ColourCode colour);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void fitImageToWidget() const;
    QPainter &painterFor(ColourCode colour, int penWidth);
    void closePainter() const;
    QPointF toDevicePixel(const QPointF &twips) const;
    QRect deviceToLogical(const QRectF &deviceRect) const;

    // Made when first drawn on or looked at: until then the box shows its
    // background and holds no raster, which keeps start-up short.
    mutable QImage image_;
    mutable qreal imageRatio_ = 1.0;
    // Stays open on the image from one line to the next. A copy taken of the
    // image meanwhile is a copy of its pixels, so it keeps what it showed.
    mutable QPainter painter_;
    ColourCode penColour_ = black;
    bool penSet_ = false;
    ColourCode backColour_ = white;
    ColourCode foreColour_ = black;
    bool autoRedraw_ = false;
    RepaintPacer pacer_{this};
};

} // namespace runtime
