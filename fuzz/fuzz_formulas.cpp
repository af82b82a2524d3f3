// The formulas and the needle's arm on any doubles (infinities, NaN and huge
// values included) give a finite result or the Overflow or Division by zero
// run-time error, nothing else. A finite angle's conversion and arm and a
// finite velocity's components never fail; the arm ends in whole twips
// within its length.

#include "modtrajectory.h"
#include "needlearm.h"
#include "runtimeerror.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>

using namespace modTrajectory;

// A finite result, or the Overflow or Division by zero error: whether it succeeded.
template <typename Computation> bool succeeds(Computation computation)
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
    succeeds([&] { return HorizontalDistance(v, a, t); });
    succeeds([&] { return VerticalDistance(v, a, g, t); });
    const bool converted = succeeds([&] { return DegreesToRadians(a); });
    const bool across = succeeds([&] { return HorizontalVelocity(v, a); });
    const bool up = succeeds([&] { return VerticalVelocity(v, a); });
    double x = 0, y = 0;
    const bool arm =
        succeeds([&] { return x = NeedleX(a); }) && succeeds([&] { return y = NeedleY(a); });
    if (!std::isfinite(a))
        return 0;
    if (!converted || !arm || (std::isfinite(v) && !(across && up)))
        std::abort();
    for (const double end : {x, y})
        if (end != std::nearbyint(end) || std::fabs(end) > 10000)
            std::abort();
    return 0;
}
