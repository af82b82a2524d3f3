// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "twips.h"

#include <QWidget>

namespace runtime {

void placeInTwips(QWidget *control, int left, int top, int width, int height)
{
    control->setGeometry(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
                         pixelsFromTwips(height));
}

} // namespace runtime
