// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "drawnpoints.h"

#include <algorithm>
#include <utility>

void DrawnPoints::add(const FlightRecord &flight, DrawnPoint point, double plotWidth,
                      double plotHeight)
{
    // The plot's pixels cover plotHeight - y from 0 up to, not including,
    // plotHeight: launch height is the edge below its last row.
    if (point.x < 0 || point.x >= plotWidth || point.y <= 0 || point.y > plotHeight)
        return;
    pointsOf(flight).points.push_back(point);
}

void DrawnPoints::clear()
{
    flights_.clear();
}

// The flight drawing now is nearly always the last one: only a flight that
// resumes after one nested in it, or that draws again after a clear, is looked for.
DrawnPoints::Flight &DrawnPoints::pointsOf(const FlightRecord &flight)
{
    if (!flights_.empty() && flights_.back().record.number == flight.number)
        return flights_.back();
    const auto found = std::ranges::find_if(
        flights_, [&](const Flight &each) { return each.record.number == flight.number; });
    if (found == flights_.end())
        return flights_.emplace_back(Flight{flight, {}});
    std::swap(*found, flights_.back());
    return flights_.back();
}

std::optional<DrawnPoints::Found> DrawnPoints::nearest(double x, double y, double radius) const
{
    std::optional<Found> best;
    double bestDistance = radius * radius;
    for (const Flight &flight : flights_)
        for (const DrawnPoint &point : flight.points) {
            const double distance = (point.x - x) * (point.x - x) + (point.y - y) * (point.y - y);
            const bool later = best && flight.record.number > best->flight.number;
            if (distance < bestDistance || (distance == bestDistance && (!best || later))) {
                best = Found{flight.record, point};
                bestDistance = distance;
            }
        }
    return best;
}
