// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QVariant>
#include <string>
#include <vector>

// The roles a cell of the flight table's models answers: its text, for a
// screen reader with its column's name before it, and its alignment.
bool isCellRole(int role);

// A cell of the flight table's models for a view, numbers aligned right.
QVariant cellData(const std::vector<std::string> &header, const std::vector<std::string> &cells,
                  int column, int role);
