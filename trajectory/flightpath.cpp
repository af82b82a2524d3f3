// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightpath.h"

#include "floatingpointguard.h"
#include "modtrajectory.h"

using namespace modTrajectory;

namespace flightPath {

FlightPoint withoutWind(double velocity, double angle, double t)
{
    return {HorizontalDistance(velocity, angle, t), VerticalDistance(velocity, angle, gravity, t)};
}

// The wind's term first in each sum.
FlightPoint withWind(double launchVelocity, double launchAngle, double windVelocity,
                     double windAngle, double t)
{
    const runtime::FloatingPointGuard guard;
    const double windX = HorizontalDistance(windVelocity, windAngle, t) / 2;
    const double x = HorizontalDistance(launchVelocity, launchAngle, t) + windX;
    const double windY = VerticalDistance(windVelocity, windAngle, 0, t) / 2;
    const double y = VerticalDistance(launchVelocity, launchAngle, gravity, t) + windY;
    return {guard.checked(x), guard.checked(y)};
}

FlightPoint of(const FlightRecord &flight, double t)
{
    if (flight.withWind)
        return withWind(flight.launchVelocity, flight.launchAngle, flight.windVelocity,
                        flight.windAngle, t);
    return withoutWind(flight.launchVelocity, flight.launchAngle, t);
}

} // namespace flightPath

// A path's height is its rate of rise times t less half gravity times t²,
// wind or not: so it is back at launch height after twice the rise over
// gravity, and highest half-way there.
std::optional<FlightFigures> figuresOf(const FlightRecord &flight)
{
    using flightPath::gravity;
    const runtime::FloatingPointGuard guard;
    const double rise = guard.checked(flightPath::of(flight, 1).y + gravity / 2);
    if (!(rise > 0))
        return std::nullopt;
    const double airTime = guard.checked(2 * rise / gravity);
    return FlightFigures{flightPath::of(flight, airTime).x, flightPath::of(flight, airTime / 2).y,
                         airTime};
}
