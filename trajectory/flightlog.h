// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flightpath.h"
#include "flightrecord.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

enum class FlightEnding {
    Flying,
    Landed,
    Stopped,
    Failed,
};

// A flight as the log keeps it: what it read, how far it got and how it
// ended. Its points are not kept: FlightPoints recomputes them.
struct LoggedFlight
{
    FlightRecord record;
    FlightEnding ending = FlightEnding::Flying;
    std::string failure; // the run-time error's text, for a failed flight
    std::int64_t segments = 0;
    // Those of the plot's summary, for a flight that landed after rising.
    std::optional<FlightFigures> figures;
};

// Every flight since the program started, in the order they started. Each
// costs the same however long it flies. Cleared, it keeps counting: a
// flight's number is its number in the run.
class FlightLog
{
public:
    // Numbers the flight and logs it as flying.
    FlightRecord start(bool withWind, double launchVelocity, double launchAngle,
                       double windVelocity, double windAngle);
    // A flight no longer in the log (cleared meanwhile) is passed over.
    void drewSegment(int number);
    void end(int number, FlightEnding ending, const std::string &failure = {});
    void clear();

    std::size_t size() const { return flights_.size(); }
    const LoggedFlight &at(std::size_t index) const { return flights_[index]; }
    // Where the flight of that number is in the log, if it is.
    std::optional<std::size_t> indexOf(int number) const;

private:
    LoggedFlight *find(int number);

    // Numbered without gaps from the first one's number up.
    std::deque<LoggedFlight> flights_;
    int started_ = 0;
};
