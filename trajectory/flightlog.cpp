// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightlog.h"

#include "runtimeerror.h"

FlightRecord FlightLog::start(bool withWind, double launchVelocity, double launchAngle,
                              double windVelocity, double windAngle)
{
    const FlightRecord record{++started_,
                              withWind,
                              launchVelocity,
                              launchAngle,
                              withWind ? windVelocity : 0,
                              withWind ? windAngle : 0};
    LoggedFlight &logged = flights_.emplace_back();
    logged.record = record;
    return record;
}

std::optional<std::size_t> FlightLog::indexOf(int number) const
{
    if (flights_.empty() || number < flights_.front().record.number)
        return std::nullopt;
    const auto index = static_cast<std::size_t>(number - flights_.front().record.number);
    return index < flights_.size() ? std::optional(index) : std::nullopt;
}

LoggedFlight *FlightLog::find(int number)
{
    const auto index = indexOf(number);
    return index ? &flights_[*index] : nullptr;
}

void FlightLog::drewSegment(int number)
{
    if (LoggedFlight *flight = find(number))
        ++flight->segments;
}

// A landed flight's figures are those the plot tells; where they cannot be
// computed it has none.
void FlightLog::end(int number, FlightEnding ending, const std::string &failure)
{
    LoggedFlight *flight = find(number);
    if (!flight)
        return;
    flight->ending = ending;
    flight->failure = failure;
    if (ending != FlightEnding::Landed)
        return;
    try {
        flight->figures = figuresOf(flight->record);
    } catch (const runtime::RuntimeError &) {
    }
}

void FlightLog::clear()
{
    flights_.clear();
}
