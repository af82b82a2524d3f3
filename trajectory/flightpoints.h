// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "drawnpoints.h"
#include "flightrecord.h"

#include <cstdint>
#include <vector>

// The points a flight drew, one a segment, recomputed from its inputs as the
// flight computed them: its time 0.1 added once a segment, with the sum's
// rounding (segment 10 is at 0.9999999999999999 s, not 1), and its place at
// that time. Reading them in order costs one addition each; any other point
// a walk from the nearest of checkpoints kept every 65,536 segments, so a
// flight of millions of segments is read anywhere without delay.
class FlightPoints
{
public:
    explicit FlightPoints(const FlightRecord &flight) : flight_(flight) {}

    DrawnPoint at(std::int64_t segment);

private:
    double timeOf(std::int64_t segment);

    static constexpr std::int64_t checkpointSpacing = 65536;

    FlightRecord flight_;
    std::vector<double> checkpoints_{0.0}; // the times of segments 0, spacing, 2 × spacing ...
    std::int64_t lastSegment_ = 0;
    double lastTime_ = 0;
};
