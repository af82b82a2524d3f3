// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include "numberconversion.h"

#include <QString>
#include <string_view>

namespace runtime {

// The number conversions on the toolkit's strings.

inline double valueOfText(const QString &text)
{
    return valueOfText(std::u16string_view(reinterpret_cast<const char16_t *>(text.utf16()),
                                           std::size_t(text.size())));
}

inline QString textOfNumberAsQString(double value)
{
    return QString::fromStdString(textOfNumber(value));
}

} // namespace runtime
