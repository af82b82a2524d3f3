// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "flightdatarows.h"

#include "csvline.h"
#include "flightcolumns.h"

#include <utility>

namespace {

// A point's row begins with its flight's number, wind and inputs.
constexpr std::size_t flightColumnsOfAPoint = 6;

} // namespace

FlightDataRows::FlightDataRows(const FlightLog &log, Kind kind) : kind_(kind)
{
    for (std::size_t i = 0; i < log.size(); ++i) {
        flights_.push_back(log.at(i));
        size_ += kind == Kind::Points ? log.at(i).segments : 1;
    }
}

std::vector<std::string> FlightDataRows::pointRow(const LoggedFlight &flight,
                                                  const DrawnPoint &point) const
{
    std::vector<std::string> cells = flightCells(flight);
    cells.resize(flightColumnsOfAPoint);
    const auto place = pointCells(point);
    cells.insert(cells.end(), place.begin(), place.end());
    return cells;
}

bool FlightDataRows::next(std::string &line)
{
    if (!std::exchange(headerMade_, true)) {
        std::vector<std::string> header = flightHeader();
        if (kind_ == Kind::Points) {
            header.resize(flightColumnsOfAPoint);
            header.insert(header.end(), pointHeader().begin(), pointHeader().end());
        }
        line = csvLine(header);
        return true;
    }
    if (kind_ == Kind::Flights) {
        if (flight_ == flights_.size())
            return false;
        line = csvLine(flightCells(flights_[flight_++]));
        return true;
    }
    while (flight_ < flights_.size() && segment_ == flights_[flight_].segments) {
        ++flight_;
        segment_ = 0;
        points_.reset();
    }
    if (flight_ == flights_.size())
        return false;
    if (!points_)
        points_.emplace(flights_[flight_].record);
    line = csvLine(pointRow(flights_[flight_], points_->at(segment_++)));
    return true;
}
