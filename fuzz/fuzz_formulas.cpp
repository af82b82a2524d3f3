// The formulas and the needle's arm on any doubles (infinities, NaN and huge
// values included) give a finite result or the Overflow or Division by zero
// run-time error, nothing else. A finite angle's conversion and arm and a
// finite velocity's components never fail, and the arm ends in whole twips
// within its length.

#include "modtrajectory.h"
#include "needlearm.h"
#include "runtimeerror.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace modTrajectory;

template <typename Computation> bool finiteOrError(Computation computation)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        if (!std::isfinite(computation()))
            std::abort();
        return true;
    } catch (const runtime::RuntimeError &error) {
        if (error.number() != 6 && error.number() != 11)
            std::abort();
        return false;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    double in[4] = {};
    std::memcpy(in, data, std::min(size, sizeof in));
    const double v = in[0], a = in[1], t = in[2], g = in[3];
    const bool finite = std::isfinite(v) && std::isfinite(a);
    finiteOrError([&] { return HorizontalDistance(v, a, t); });
    finiteOrError([&] { return VerticalDistance(v, a, g, t); });
    const bool converted = finiteOrError([&] { return DegreesToRadians(a); });
    const bool across = finiteOrError([&] { return HorizontalVelocity(v, a); });
    const bool up = finiteOrError([&] { return VerticalVelocity(v, a); });
    if (std::isfinite(a) > converted || finite > (across && up))
        std::abort();
    for (const auto arm : {NeedleX, NeedleY}) {
        double end = NAN;
        if (std::isfinite(a) > finiteOrError([&] { return end = arm(a); }))
            std::abort();
        if (std::isfinite(end) && (end != std::nearbyint(end) || std::fabs(end) > 10000))
            std::abort();
    }
    return 0;
}
