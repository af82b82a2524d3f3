// Line clipping on any line the picture boxes can be given (single-precision
// ends, however far outside) against boxes of any ordinary size: what comes
// back is finite and inside the box, and a line already inside comes back
// as it was, to within far less than a pixel.

#include "lineclipping.h"

#include <QLineF>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool inside(QPointF p, const QRectF &box, double slack)
{
    return p.x() >= box.left() - slack && p.x() <= box.right() + slack &&
           p.y() >= box.top() - slack && p.y() <= box.bottom() + slack;
}

bool near(QPointF p, QPointF q, double slack)
{
    return std::fabs(p.x() - q.x()) <= slack && std::fabs(p.y() - q.y()) <= slack;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    float ends[4] = {};
    std::uint16_t sides[2] = {};
    if (size < sizeof ends + sizeof sides)
        return -1;
    std::memcpy(ends, data, sizeof ends);
    std::memcpy(sides, data + sizeof ends, sizeof sides);
    for (const float end : ends)
        if (!std::isfinite(end))
            return -1;
    const QLineF line(ends[0], ends[1], ends[2], ends[3]);
    const QRectF box(0, 0, 1.0 + sides[0], 1.0 + sides[1]);

    const auto clipped = runtime::clipLine(line, box);
    // Coordinates are device pixels: a thousandth of one is far below what
    // can be seen, and far-away ends may leave rounding in proportion to
    // their size.
    constexpr double unseen = 1e-3;
    double reach = 1;
    for (const float end : ends)
        reach = std::max(reach, double(std::fabs(end)));
    const double slack = std::max(unseen, 8 * reach * 0x1p-52);
    if (inside(line.p1(), box, 0) && inside(line.p2(), box, 0)) {
        if (!clipped || !near(clipped->p1(), line.p1(), unseen) ||
            !near(clipped->p2(), line.p2(), unseen))
            std::abort();
    }
    if (!clipped)
        return 0;
    for (const QPointF p : {clipped->p1(), clipped->p2()})
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || !inside(p, box, slack))
            std::abort();
    return 0;
}
