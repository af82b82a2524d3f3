// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "flightlog.h"
#include "flightpoints.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The lines of a CSV file of the log, header first, made one at a time so
// that a file of millions of rows is never held whole: either a row a flight
// (the flight table) or a row a point every flight drew, each with its
// flight's number and inputs. It reads a copy of the log as it was when made.
class FlightDataRows
{
public:
    enum class Kind {
        Flights,
        Points,
    };

    FlightDataRows(const FlightLog &log, Kind kind);

    // The rows after the header.
    std::int64_t size() const { return size_; }
    // The next line, or false once all are made.
    bool next(std::string &line);

private:
    std::vector<std::string> pointRow(const LoggedFlight &flight, const DrawnPoint &point) const;

    std::vector<LoggedFlight> flights_;
    Kind kind_;
    std::int64_t size_ = 0;
    bool headerMade_ = false;
    std::size_t flight_ = 0;
    std::int64_t segment_ = 0;
    std::optional<FlightPoints> points_;
};
