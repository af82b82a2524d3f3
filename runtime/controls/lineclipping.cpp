// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "lineclipping.h"

#include <algorithm>
#include <cmath>

namespace runtime {

namespace {

// a * d - b * c to within about one rounding, however nearly the two
// products cancel (Kahan's method).
double determinant(double a, double b, double c, double d)
{
    const double bc = b * c;
    const double error = std::fma(-b, c, bc);
    return std::fma(a, d, -bc) + error;
}

// Narrows [enter, leave] by the half-plane p * t <= q; false when it empties.
bool clipEdge(double p, double q, double &enter, double &leave)
{
    if (p == 0.0)
        return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > leave)
            return false;
        enter = std::max(enter, t);
    } else {
        if (t < enter)
            return false;
        leave = std::min(leave, t);
    }
    return true;
}

QPointF clamped(const QPointF &point, const QRectF &rect)
{
    return {std::clamp(point.x(), rect.left(), rect.right()),
            std::clamp(point.y(), rect.top(), rect.bottom())};
}

// Liang-Barsky, measured along the line from its point nearest the
// rectangle's centre rather than from its first end: seen from an end far
// outside, the visible part is a fraction of the line too small for the
// digits a double has, and would land in the wrong place.
std::optional<QLineF> clipFinite(const QLineF &line, const QRectF &rect)
{
    // A line wholly inside needs no cutting. Measured from the centre, it
    // would gain rounding at its ends, and one far shorter than its distance
    // from the centre would be lost altogether.
    if (rect.contains(line.p1()) && rect.contains(line.p2()))
        return line;
    const double dx = line.dx(), dy = line.dy();
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0.0)
        return rect.contains(line.p1()) ? std::optional(line) : std::nullopt;
    const QPointF centre = rect.center();
    // The line's signed distance from the centre, times its length; the
    // products of the coordinates are exact or nearly so, their differences
    // are not taken from the rounded ends.
    const double cross = determinant(line.x1(), line.y1(), line.x2(), line.y2()) -
                         determinant(centre.x(), centre.y(), dx, dy);
    const QPointF nearest = centre + QPointF(dy, -dx) * (cross / lengthSquared);
    const auto along = [&](const QPointF &point) {
        return (point.x() * dx + point.y() * dy - (nearest.x() * dx + nearest.y() * dy)) /
               lengthSquared;
    };
    const double start = along(line.p1()), end = along(line.p2());
    double enter = start, leave = end;
    if (!clipEdge(-dx, nearest.x() - rect.left(), enter, leave) ||
        !clipEdge(dx, rect.right() - nearest.x(), enter, leave) ||
        !clipEdge(-dy, nearest.y() - rect.top(), enter, leave) ||
        !clipEdge(dy, rect.bottom() - nearest.y(), enter, leave))
        return std::nullopt;
    // An end inside stays exactly as given; a cut end lies on the edge.
    const QPointF direction(dx, dy);
    const QPointF from = enter > start ? clamped(nearest + direction * enter, rect) : line.p1();
    const QPointF to = leave < end ? clamped(nearest + direction * leave, rect) : line.p2();
    return QLineF(from, to);
}

} // namespace

std::optional<QLineF> clipLine(const QLineF &line, const QRectF &rect)
{
    // Beyond this, the squares above would overflow; halving everything the
    // same number of times is exact and changes nothing else.
    constexpr double largest = 1e150;
    constexpr int shrink = 600;
    const double magnitude = std::max(
        {std::abs(line.x1()), std::abs(line.y1()), std::abs(line.x2()), std::abs(line.y2())});
    if (!(magnitude > largest))
        return clipFinite(line, rect);
    const auto scaled = [](const QPointF &point, int exponent) {
        return QPointF(std::ldexp(point.x(), exponent), std::ldexp(point.y(), exponent));
    };
    const QRectF smallRect(scaled(rect.topLeft(), -shrink), scaled(rect.bottomRight(), -shrink));
    const QLineF smallLine(scaled(line.p1(), -shrink), scaled(line.p2(), -shrink));
    const auto clipped = clipFinite(smallLine, smallRect);
    if (!clipped)
        return std::nullopt;
    const auto grown = [&](const QPointF &end, const QPointF &smallEnd, const QPointF &given) {
        return end == smallEnd ? given : scaled(end, shrink);
    };
    return QLineF(grown(clipped->p1(), smallLine.p1(), line.p1()),
                  grown(clipped->p2(), smallLine.p2(), line.p2()));
}

} // namespace runtime
