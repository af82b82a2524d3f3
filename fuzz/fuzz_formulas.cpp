// The trajectory formulas, the wind sums, the needle ends and the narrowing
// conversions on arbitrary doubles (infinities, NaN and huge values
// included): a finite result or the Overflow or Division by zero run-time
// error, nothing else. Where no step can leave the double range (the angle
// conversion, the velocity components and the needles of a finite angle),
// no error at all.

#include "floatingpointguard.h"
#include "frmmain.h"
#include "modtrajectory.h"
#include "numberconversion.h"
#include "runtimeerror.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace modTrajectory;

namespace {

constexpr double gravity = 9.80665;

enum class Result { Value, Error };

// Runs one computation from clear flags; a finite value or a run-time error.
template <typename Computation> Result attempt(Computation computation, double *value = nullptr)
{
    std::feclearexcept(FE_ALL_EXCEPT);
    try {
        const double result = computation();
        if (!std::isfinite(result))
            std::abort();
        if (value)
            *value = result;
        return Result::Value;
    } catch (const runtime::RuntimeError &error) {
        if (error.number() != 6 && error.number() != 11)
            std::abort();
        return Result::Error;
    }
}

void mustSucceed(bool finiteInputs, Result result)
{
    if (finiteInputs && result != Result::Value)
        std::abort();
}

// The needle's arm end: a whole number of twips within the arm's length.
void checkNeedle(double angle, double (*needle)(double))
{
    double end = 0;
    const Result result = attempt([&] { return needle(angle); }, &end);
    mustSucceed(std::isfinite(angle), result);
    if (result == Result::Value && (end != std::nearbyint(end) || std::fabs(end) > 10000))
        std::abort();
}

// The position of a flight in the wind, summed as the window sums it.
void checkWind(double lv, double la, double wv, double wa, double t)
{
    attempt([&] {
        const runtime::FloatingPointGuard guard;
        const double windX = HorizontalDistance(wv, wa, t) / 2;
        return guard.checked(HorizontalDistance(lv, la, t) + windX);
    });
    attempt([&] {
        const runtime::FloatingPointGuard guard;
        const double windY = VerticalDistance(wv, wa, 0, t) / 2;
        return guard.checked(VerticalDistance(lv, la, gravity, t) + windY);
    });
}

void checkNarrowing(double value)
{
    float single = 0;
    const Result toSingle = attempt([&] { return single = runtime::toSingle(value); });
    if (toSingle == Result::Value && (!std::isfinite(single) || single != float(value)))
        std::abort();
    double whole = 0;
    if (attempt([&] { return double(runtime::roundToInt32(value)); }, &whole) == Result::Value &&
        whole != std::nearbyint(value))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double in[5] = {};
    std::memcpy(in, data, std::min(size, sizeof in));
    const double v = in[0], a = in[1], t = in[2], wv = in[3], wa = in[4];
    const bool finite = std::isfinite(v) && std::isfinite(a);

    mustSucceed(std::isfinite(a), attempt([&] { return DegreesToRadians(a); }));
    mustSucceed(finite, attempt([&] { return HorizontalVelocity(v, a); }));
    mustSucceed(finite, attempt([&] { return VerticalVelocity(v, a); }));
    attempt([&] { return HorizontalDistance(v, a, t); });
    attempt([&] { return VerticalDistance(v, a, gravity, t); });
    attempt([&] { return VerticalDistance(v, a, t, wv); });
    checkWind(v, a, wv, wa, t);
    checkNeedle(a, frmMain::NeedleX);
    checkNeedle(a, frmMain::NeedleY);
    checkNarrowing(v);
    checkNarrowing(a);
    return 0;
}
