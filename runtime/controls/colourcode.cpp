// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "colourcode.h"

#include <QPalette>

namespace runtime {

namespace {

// The window background is the only system colour the program names; any
// other shows the window colour.
QPalette::ColorRole systemColourRole(unsigned index)
{
    return index == 5 ? QPalette::Base : QPalette::Window;
}

} // namespace

QColor colourFromCode(ColourCode code, const QPalette &palette)
{
    if (code & 0x80000000u)
        return palette.color(systemColourRole(code & 0xFFu));
    return QColor(int(code & 0xFF), int((code >> 8) & 0xFF), int((code >> 16) & 0xFF));
}

} // namespace runtime
