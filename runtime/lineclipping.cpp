#include "lineclipping.h"

namespace runtime {

namespace {

// Narrows [enter, leave] by the half-plane p * u <= q; false when it empties.
bool clipEdge(double p, double q, double &enter, double &leave)
{
    if (p == 0.0)
        return q >= 0.0;
    const double u = q / p;
    if (p < 0.0) {
        if (u > leave)
            return false;
        enter = std::max(enter, u);
    } else {
        if (u < enter)
            return false;
        leave = std::min(leave, u);
    }
    return true;
}

} // namespace

std::optional<QLineF> clipLine(const QLineF &line, const QRectF &rect)
{
    const double x0 = line.x1(), y0 = line.y1();
    const double dx = line.dx(), dy = line.dy();
    double enter = 0.0, leave = 1.0;
    if (!clipEdge(-dx, x0 - rect.left(), enter, leave) ||
        !clipEdge(dx, rect.right() - x0, enter, leave) ||
        !clipEdge(-dy, y0 - rect.top(), enter, leave) ||
        !clipEdge(dy, rect.bottom() - y0, enter, leave))
        return std::nullopt;
    return QLineF(x0 + enter * dx, y0 + enter * dy, x0 + leave * dx, y0 + leave * dy);
}

} // namespace runtime
