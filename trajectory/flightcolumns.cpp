// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightcolumns.h"

#include <array>
#include <charconv>

std::string exactNumber(double value)
{
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), value);
    return {text.data(), written.ptr};
}

namespace {

std::string endingText(const LoggedFlight &flight)
{
    switch (flight.ending) {
    case FlightEnding::Flying:
        return "flying";
    case FlightEnding::Landed:
        return "landed";
    case FlightEnding::Stopped:
        return "stopped";
    case FlightEnding::Failed:
        return "failed: " + flight.failure;
    }
    return {};
}

} // namespace

const std::vector<std::string> &flightHeader()
{
    static const std::vector<std::string> header{"Flight",
                                                 "Wind",
                                                 "Launch velocity (m/s)",
                                                 "Launch angle (degrees)",
                                                 "Wind velocity (m/s)",
                                                 "Wind angle (degrees)",
                                                 "Ended",
                                                 "Segments",
                                                 "Range (m)",
                                                 "Highest point (m)",
                                                 "Time in the air (s)"};
    return header;
}

// A flight without wind read no wind fields: its wind cells stay empty, as
// do the figures of one that did not land after rising.
std::vector<std::string> flightCells(const LoggedFlight &flight)
{
    const FlightRecord &record = flight.record;
    const auto wind = [&](double value) { return record.withWind ? exactNumber(value) : ""; };
    const auto figure = [&](double FlightFigures::*member) {
        return flight.figures ? exactNumber((*flight.figures).*member) : "";
    };
    return {std::to_string(record.number),
            record.withWind ? "yes" : "no",
            exactNumber(record.launchVelocity),
            exactNumber(record.launchAngle),
            wind(record.windVelocity),
            wind(record.windAngle),
            endingText(flight),
            std::to_string(flight.segments),
            figure(&FlightFigures::range),
            figure(&FlightFigures::highest),
            figure(&FlightFigures::airTime)};
}

const std::vector<std::string> &pointHeader()
{
    static const std::vector<std::string> header{"t (s)", "x (m)", "y (m)"};
    return header;
}

std::vector<std::string> pointCells(const DrawnPoint &point)
{
    return {exactNumber(point.t), exactNumber(point.x), exactNumber(point.y)};
}
