// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightreadout.h"

#include "numberconversion.h"
#include "runtimeerror.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace {

// "1,020", whatever the system's language, as the fields read '.' alone.
struct ThousandsGrouped : std::numpunct<char>
{
    char do_thousands_sep() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
};

std::string grouped(double value, int decimals)
{
    std::ostringstream text;
    text.imbue(std::locale(std::locale::classic(), new ThousandsGrouped));
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

std::string metres(double value)
{
    // Adding zero turns a rounded -0 into 0: no "-0 m".
    return grouped(std::round(value) + 0.0, 0) + " m";
}

} // namespace

std::string describePoint(FlightPoint point)
{
    return metres(point.x) + " along, " + metres(point.y) + " up";
}

std::string describeDrawnPoint(double time, FlightPoint point)
{
    return grouped(time, 1) + " s: " + describePoint(point);
}

std::string describeFlightRecord(const FlightRecord &flight)
{
    const auto motion = [](double velocity, double angle) {
        return runtime::textOfNumber(velocity) + " m/s at " + runtime::textOfNumber(angle) + "°";
    };
    return "flight " + std::to_string(flight.number) + ": " +
           motion(flight.launchVelocity, flight.launchAngle) + ", " +
           (flight.withWind ? "wind " + motion(flight.windVelocity, flight.windAngle) : "no wind");
}

std::string describeStop(FlightPoint lastDrawn)
{
    return "stopped " + describePoint(lastDrawn);
}

std::string describeFlight(const FlightRecord &flight)
{
    try {
        const auto figures = figuresOf(flight);
        if (!figures)
            return "never rose above launch height";
        return "range " + metres(figures->range) + ", highest point " + metres(figures->highest) +
               ", " + grouped(figures->airTime, 1) + " s in the air";
    } catch (const runtime::RuntimeError &) {
        return "its range, highest point and time in the air cannot be computed";
    }
}
