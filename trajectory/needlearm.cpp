// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "needlearm.h"

#include "modtrajectory.h"
#include "numberconversion.h"

using modTrajectory::HorizontalVelocity;
using modTrajectory::VerticalVelocity;

namespace {
constexpr double needleArm = 10000;
}

// The arm's end is a velocity's two components, with the arm's length for speed.
double NeedleX(double angle)
{
    return runtime::roundToInt32(HorizontalVelocity(needleArm, angle));
}

double NeedleY(double angle)
{
    return runtime::roundToInt32(VerticalVelocity(needleArm, angle));
}
