// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QVariant>
#include <string>
#include <vector>

// A cell of the flight table's models for a view: its text, for a screen
// reader with its column's name before it, and numbers aligned right.
QVariant cellData(const std::vector<std::string> &header, const std::vector<std::string> &cells,
                  int column, int role);
