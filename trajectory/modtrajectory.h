// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

// The kinematics of a body launched with a given speed and angle under a
// constant downward acceleration, in closed form: every position comes from
// the time alone. Angles are degrees, counter-clockwise from the rightward
// horizontal; velocities m/s; times s; distances m, upward positive.
//
// Each function raises the floating-point run-time error (runtime::RuntimeError)
// if any of its operations overflows, divides by zero or is invalid.
namespace modTrajectory {

double DegreesToRadians(double degrees);
double HorizontalVelocity(double velocity, double angle);
double VerticalVelocity(double velocity, double angle);
double HorizontalDistance(double velocity, double angle, double time);
double VerticalDistance(double velocity, double angle, double gravity, double time);

} // namespace modTrajectory
