// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineF>
#include <QRectF>
#include <optional>

namespace runtime {

// The part of a line inside a rectangle (Liang-Barsky), or nothing when the
// line misses it. Works for any finite coordinates, however far outside.
std::optional<QLineF> clipLine(const QLineF &line, const QRectF &rect);

} // namespace runtime
