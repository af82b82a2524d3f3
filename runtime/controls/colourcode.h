// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <cstdint>

class QPalette;

namespace runtime {

// A colour as the program writes it: 0x00BBGGRR for an explicit colour, or
// 0x800000nn for system colour nn, which is taken from the palette.
using ColourCode = std::uint32_t;

constexpr ColourCode black = 0x000000;
constexpr ColourCode red = 0x0000FF;
constexpr ColourCode white = 0xFFFFFF;
constexpr ColourCode systemWindowBackground = 0x80000005;

QColor colourFromCode(ColourCode code, const QPalette &palette);

} // namespace runtime
