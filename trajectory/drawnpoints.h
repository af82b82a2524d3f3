// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flightrecord.h"

#include <optional>
#include <vector>

// A point a flight drew: its time and position exactly as the flight
// computed them, in seconds and metres from the launch point.
struct DrawnPoint
{
    double t;
    double x;
    double y;
};

// The points flights have drawn on the plot since it was last cleared, each
// with its flight. Only points on the plot are kept, so a flight's length
// does not add to memory: it crosses the plot once.
class DrawnPoints
{
public:
    struct Found
    {
        FlightRecord flight;
        DrawnPoint point;
    };

    // Keeps the point if it lies on a plot that many metres wide and high,
    // whose bottom edge is launch height.
    void add(const FlightRecord &flight, DrawnPoint point, double plotWidth, double plotHeight);
    void clear();
    // The point nearest to x, y within radius; on a tie, the later flight's.
    std::optional<Found> nearest(double x, double y, double radius) const;

private:
    struct Flight
    {
        FlightRecord record;
        std::vector<DrawnPoint> points;
    };

    Flight &pointsOf(const FlightRecord &flight);

    // In no order: a flight nested in another's run ends before the outer one
    // draws again, which then moves back to the end.
    std::vector<Flight> flights_;
};
