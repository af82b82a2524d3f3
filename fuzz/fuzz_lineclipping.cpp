// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// Any line a picture box can be given (single-precision ends, however far
// outside) against a box of any ordinary size: what comes back is finite and
// inside the box, and a line already inside comes back as it was.

#include "lineclipping.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    float ends[4] = {};
    std::uint16_t sides[2] = {};
    if (size < sizeof ends + sizeof sides)
        return -1;
    std::memcpy(ends, data, sizeof ends);
    std::memcpy(sides, data + sizeof ends, sizeof sides);
    const QLineF line(ends[0], ends[1], ends[2], ends[3]);
    if (!std::isfinite(line.x1() + line.y1() + line.x2() + line.y2()))
        return -1;
    const QRectF box(0, 0, 1.0 + sides[0], 1.0 + sides[1]);
    // Far-away ends may leave rounding in proportion to their size.
    double reach = 1;
    for (const float end : ends)
        reach = std::max(reach, double(std::fabs(end)));
    const double slack = std::max(1e-3, 8 * reach * 0x1p-52);
    const auto within = [&](QPointF p, double by) {
        return std::isfinite(p.x()) && std::isfinite(p.y()) && p.x() >= -by && p.y() >= -by &&
               p.x() <= box.right() + by && p.y() <= box.bottom() + by;
    };
    const auto clipped = runtime::clipLine(line, box);
    if (within(line.p1(), 0) && within(line.p2(), 0) && clipped != line)
        std::abort();
    if (clipped && !(within(clipped->p1(), slack) && within(clipped->p2(), slack)))
        std::abort();
    return 0;
}
