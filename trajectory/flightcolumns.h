// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "drawnpoints.h"
#include "flightlog.h"

#include <string>
#include <vector>

// The log's columns as text, one way for the table, the clipboard, CSV files
// and the lab sheet. Numbers are exact: the shortest form that reads back to
// the same double, with a decimal point whatever the system's language.
std::string exactNumber(double value);

// Flight, wind, the inputs, how it ended, segments drawn and its figures.
const std::vector<std::string> &flightHeader();
std::vector<std::string> flightCells(const LoggedFlight &flight);

// A drawn point's time and place.
const std::vector<std::string> &pointHeader();
std::vector<std::string> pointCells(const DrawnPoint &point);
