#pragma once

// Reads the plot the way a person looks at it: which pixels are black, and
// whether each lies on a path given in twips.

#include "picturebox.h"

#include <QImage>
#include <QLineF>
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <vector>

namespace plotpixels {

inline bool isBlack(const QImage &image, QPoint pixel)
{
    return image.rect().contains(pixel) && (image.pixel(pixel) & 0xFFFFFF) == 0;
}

inline std::vector<QPoint> blackPixels(const QImage &image)
{
    std::vector<QPoint> result;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isBlack(image, {x, y}))
                result.emplace_back(x, y);
    return result;
}

// Device pixels per twip.
inline double scaleOf(const runtime::PictureBox &box)
{
    return box.devicePixelRatio() / 15;
}

// The pixel a point in twips falls in.
inline QPoint pixelOf(QPointF twips, double scale)
{
    return {int(std::floor(twips.x() * scale)), int(std::floor(twips.y() * scale))};
}

inline double distance(QPointF point, const QLineF &segment)
{
    const QPointF along = segment.p2() - segment.p1();
    const double lengthSquared = QPointF::dotProduct(along, along);
    double share = 0;
    if (lengthSquared > 0)
        share =
            std::clamp(QPointF::dotProduct(point - segment.p1(), along) / lengthSquared, 0.0, 1.0);
    const QPointF offset = point - (segment.p1() + share * along);
    return std::hypot(offset.x(), offset.y());
}

// The segments in device pixels, leaving out those nowhere near the image.
inline std::vector<QLineF> inPixels(const std::vector<QLineF> &twips, double scale,
                                    const QImage &image)
{
    const QRectF near = QRectF(image.rect()).adjusted(-3, -3, 3, 3);
    std::vector<QLineF> result;
    for (const QLineF &line : twips) {
        const QLineF pixels(line.p1() * scale, line.p2() * scale);
        const QRectF bounds = QRectF(pixels.p1(), pixels.p2()).normalized();
        if (bounds.adjusted(-1, -1, 1, 1).intersects(near))
            result.push_back(pixels);
    }
    return result;
}

// The black pixels whose centre lies farther than tolerance pixels from every segment.
inline std::vector<QPoint> strayPixels(const QImage &image, const std::vector<QLineF> &twips,
                                       double scale, double tolerance = 2.0)
{
    const std::vector<QLineF> path = inPixels(twips, scale, image);
    std::vector<QPoint> result;
    for (const QPoint &pixel : blackPixels(image)) {
        const QPointF centre = QPointF(pixel) + QPointF(0.5, 0.5);
        const bool onPath = std::any_of(path.begin(), path.end(), [&](const QLineF &segment) {
            return distance(centre, segment) <= tolerance;
        });
        if (!onPath)
            result.push_back(pixel);
    }
    return result;
}

} // namespace plotpixels
