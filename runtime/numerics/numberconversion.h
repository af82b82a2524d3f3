// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// Text to double, from the text's leading numeric part. The rules:
//  - blanks (space, tab, carriage return, line feed) before the number are skipped;
//  - then an optional '+' or '-';
//  - then ASCII digits containing at most one '.', with at least one digit in all;
//  - then optionally 'e' or 'E', an optional sign and at least one digit;
//    an 'e' not followed that way is not part of the number ("12e" is 12);
//  - the number ends at the first character that cannot continue it.
// '.' is the decimal point whatever the locale; digits of other scripts are not
// digits here. Text without such a number gives 0. A number beyond the double
// range raises the Overflow run-time error; one too small to represent gives 0
// or the nearest subnormal. The result is never NaN or infinite, and equals
// the C library's strtod (in the "C" locale) of the recognised part.
double valueOfText(std::u16string_view text);

// Double to text in one standard form:
//  - whole numbers below 1e15 in magnitude as plain digits: "45", "-30", "0";
//  - other numbers with at most 15 significant digits and no trailing zeros:
//    "0.1", "-2.5", "1234.56789";
//  - an exponent form when the magnitude is 1e15 or more, or below 0.0001:
//    "1E+15", "1.5E-05", "-2.5E+300".
// Negative zero is written "0". Infinities and NaN raise the Overflow error.
std::string textOfNumber(double value);

// Rounds to the nearest whole number, ties to even, into a 32-bit integer.
// A value outside the 32-bit range (or NaN) raises the Overflow error.
std::int32_t roundToInt32(double value);

// Narrows a double to single precision for drawing. A value beyond the single
// range (or not finite) raises the Overflow error instead of becoming infinite.
float toSingle(double value);

} // namespace runtime
