// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>

// The bounding rectangle of the pixels that match.
template <typename Match> QRect pixelsWhere(const QImage &image, Match match)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixel(x, y)))
                found |= QRect(x, y, 1, 1);
    return found;
}
