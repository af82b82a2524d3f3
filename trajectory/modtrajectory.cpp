// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "modtrajectory.h"

#include "floatingpointguard.h"

#include <cmath>

// The operations run in exactly the order written: the last-bit values the
// program shows (such as cos of 90 degrees being 6.1e-17, not 0) depend on it.
namespace modTrajectory {

double DegreesToRadians(double degrees)
{
    const runtime::FloatingPointGuard guard;
    const double pi = std::atan(1.0) * 4;
    return guard.checked(pi / 180 * degrees);
}

double HorizontalVelocity(double velocity, double angle)
{
    const runtime::FloatingPointGuard guard;
    return guard.checked(std::cos(DegreesToRadians(angle)) * velocity);
}

double VerticalVelocity(double velocity, double angle)
{
    const runtime::FloatingPointGuard guard;
    return guard.checked(std::sin(DegreesToRadians(angle)) * velocity);
}

double HorizontalDistance(double velocity, double angle, double time)
{
    const runtime::FloatingPointGuard guard;
    return guard.checked(HorizontalVelocity(velocity, angle) * time);
}

double VerticalDistance(double velocity, double angle, double gravity, double time)
{
    const runtime::FloatingPointGuard guard;
    const double rise = VerticalVelocity(velocity, angle) * time;
    const double timeSquared = std::pow(time, 2.0);
    const double halfGravity = gravity * 0.5;
    return guard.checked(rise - halfGravity * timeSquared);
}

} // namespace modTrajectory
