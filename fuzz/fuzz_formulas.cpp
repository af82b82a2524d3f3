// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// The formulas and the needle's arm on any doubles (infinities, NaN and huge
// values included) give a finite result or the Overflow or Division by zero
// run-time error. From finite inputs the angle's conversion, the arm and the
// velocity's components never fail, and the arm ends in whole twips within
// its length.

#include "modtrajectory.h"
#include "needlearm.h"
#include "runtimeerror.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace modTrajectory;

template <typename Computation> bool succeeds(Computation computation)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        if (std::isfinite(computation()))
            return true;
    } catch (const runtime::RuntimeError &error) {
        if (error.number() == 6 || error.number() == 11)
            return false;
    }
    std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    double in[4] = {}, x = 0, y = 0;
    std::memcpy(in, data, std::min(size, sizeof in));
    const double v = in[0], a = in[1], t = in[2], g = in[3];
    succeeds([&] { return HorizontalDistance(v, a, t); });
    succeeds([&] { return VerticalDistance(v, a, g, t); });
    const int angleDone = succeeds([&] { return DegreesToRadians(a); }) +
                          succeeds([&] { return x = NeedleX(a); }) +
                          succeeds([&] { return y = NeedleY(a); });
    const int componentsDone = succeeds([&] { return HorizontalVelocity(v, a); }) +
                               succeeds([&] { return VerticalVelocity(v, a); });
    if ((std::isfinite(a) && angleDone < 3) ||
        (std::isfinite(a) && std::isfinite(v) && componentsDone < 2) || std::fabs(x) > 1e4 ||
        std::fabs(y) > 1e4 || x != std::nearbyint(x) || y != std::nearbyint(y))
        std::abort();
    return 0;
}
