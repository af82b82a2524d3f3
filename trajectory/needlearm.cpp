// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "needlearm.h"

#include "floatingpointguard.h"
#include "modtrajectory.h"
#include "numberconversion.h"

#include <cmath>

using modTrajectory::DegreesToRadians;

namespace {
constexpr double needleArm = 10000;
}

double NeedleX(double angle)
{
    const runtime::FloatingPointGuard guard;
    return runtime::roundToInt32(guard.checked(std::cos(DegreesToRadians(angle)) * needleArm));
}

double NeedleY(double angle)
{
    const runtime::FloatingPointGuard guard;
    return runtime::roundToInt32(guard.checked(std::sin(DegreesToRadians(angle)) * needleArm));
}
