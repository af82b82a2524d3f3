// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flightrecord.h"

#include <optional>

// A place on a flight's path, in metres from the launch point: along the
// ground and above launch height.
struct FlightPoint
{
    double x;
    double y;
};

// The constants of a flight and its position at a time, computed in the one
// order the flight draws them, so that whoever recomputes a point gets the
// drawn one bit for bit. Each raises the floating-point run-time error as
// the formulas do.
namespace flightPath {

constexpr double gravity = 9.80665;
constexpr double timeStep = 0.1;
// A flight ends once its previous point lies this far below launch height, or farther.
constexpr double groundThreshold = -1;

FlightPoint withoutWind(double velocity, double angle, double t);
FlightPoint withWind(double launchVelocity, double launchAngle, double windVelocity,
                     double windAngle, double t);
// The one of the two the flight's record calls for.
FlightPoint of(const FlightRecord &flight, double t);

} // namespace flightPath

// Where a path comes back to launch height: its range there, its highest
// point half-way and its time in the air.
struct FlightFigures
{
    double range;
    double highest;
    double airTime;
};

// The figures of a flight, or nothing for one that never rose above launch
// height; the floating-point run-time error where they cannot be computed.
std::optional<FlightFigures> figuresOf(const FlightRecord &flight);
