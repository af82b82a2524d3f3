// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flightpath.h"

#include <string>

// What the plot says of a point or a flight, in words a screen reader reads
// out: distances along the ground from the launch point and heights above
// launch height, in whole metres with thousands grouped ("1,020 m").
// "1,020 m along, 255 m up"
std::string describePoint(FlightPoint point);
// "7.2 s: 509 m along, 255 m up", the time with one decimal
std::string describeDrawnPoint(double time, FlightPoint point);
// "flight 2: 100 m/s at 45°, wind 20 m/s at 180°", or "..., no wind"
std::string describeFlightRecord(const FlightRecord &flight);
// "stopped 64 m along, 60 m up"
std::string describeStop(FlightPoint lastDrawn);
// "range 1,020 m, highest point 255 m, 14.4 s in the air", taken where the
// path comes back to launch height; or that it never rose above it, or that
// its figures cannot be computed.
std::string describeFlight(const FlightRecord &flight);
