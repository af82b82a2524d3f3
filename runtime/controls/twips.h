// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace runtime {

// Sizes and positions are given in twips, 1/1440 inch: 15 to a logical pixel.
constexpr int twipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips)
{
    return twips / twipsPerPixel;
}
constexpr float twipsFromPixels(int pixels)
{
    return float(pixels * twipsPerPixel);
}

// Places a control in its container, position and size in twips.
void placeInTwips(QWidget *control, int left, int top, int width, int height);

} // namespace runtime
