// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightpoints.h"

#include "flightpath.h"

DrawnPoint FlightPoints::at(std::int64_t segment)
{
    const double t = timeOf(segment);
    const FlightPoint point = flightPath::of(flight_, t);
    return {t, point.x, point.y};
}

double FlightPoints::timeOf(std::int64_t segment)
{
    if (segment < lastSegment_ || segment - lastSegment_ >= checkpointSpacing) {
        const auto known = static_cast<std::int64_t>(checkpoints_.size()) - 1;
        const std::int64_t from = std::min(segment / checkpointSpacing, known);
        lastSegment_ = from * checkpointSpacing;
        lastTime_ = checkpoints_[static_cast<std::size_t>(from)];
    }
    while (lastSegment_ < segment) {
        lastTime_ += flightPath::timeStep;
        ++lastSegment_;
        if (lastSegment_ % checkpointSpacing == 0 &&
            lastSegment_ / checkpointSpacing == static_cast<std::int64_t>(checkpoints_.size()))
            checkpoints_.push_back(lastTime_);
    }
    return lastTime_;
}
