// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <string>
#include <vector>

// One line of a CSV file as RFC 4180 has it: fields joined by commas, a
// field with a comma, a double quote or a line break quoted with its quotes
// doubled, and the line ended by CR LF.
std::string csvLine(const std::vector<std::string> &fields);
