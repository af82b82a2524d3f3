// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

#include "numberconversion.h"

#include "runtimeerror.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace runtime {

namespace {

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}
bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}
bool isSign(char16_t c)
{
    return c == u'+' || c == u'-';
}

struct NumberSpan
{
    std::size_t begin = 0; // first character after the blanks
    std::size_t end = 0;   // one past the number; end == begin when there is none
};

std::size_t skipDigits(std::u16string_view text, std::size_t at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

NumberSpan findNumber(std::u16string_view text)
{
    NumberSpan span;
    while (span.begin < text.size() && isBlank(text[span.begin]))
        ++span.begin;
    std::size_t at = span.begin;
    if (at < text.size() && isSign(text[at]))
        ++at;
    const std::size_t wholeEnd = skipDigits(text, at);
    std::size_t mantissaEnd = wholeEnd;
    if (mantissaEnd < text.size() && text[mantissaEnd] == u'.')
        mantissaEnd = skipDigits(text, mantissaEnd + 1);
    const std::size_t digitCount = mantissaEnd - at - (mantissaEnd > wholeEnd ? 1 : 0);
    if (digitCount == 0) {
        span.end = span.begin;
        return span;
    }
    span.end = mantissaEnd;
    std::size_t exponent = mantissaEnd;
    if (exponent < text.size() && (text[exponent] == u'e' || text[exponent] == u'E')) {
        ++exponent;
        if (exponent < text.size() && isSign(text[exponent]))
            ++exponent;
        const std::size_t exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            span.end = exponentEnd;
    }
    return span;
}

// The number as C reads it, with a point for the decimal point, whatever the
// user's locale.
double readDecimal(const std::string &number)
{
#ifdef _WIN32
    // A Windows program keeps the "C" locale unless it sets another, and
    // neither it nor Qt does; mingw-w64's strtod is its own, correctly rounded.
    return std::strtod(number.c_str(), nullptr);
#else
    // Qt sets the user's locale on POSIX systems, where the point may be a comma.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(number.c_str(), nullptr, cLocale);
#endif
}

} // namespace

double valueOfText(std::u16string_view text)
{
    const NumberSpan span = findNumber(text);
    if (span.end == span.begin)
        return 0.0;
    // Every character of the span is ASCII, so narrowing it is exact.
    std::string number(text.begin() + span.begin, text.begin() + span.end);
    const double value = readDecimal(number);
    if (std::isinf(value))
        throw RuntimeError::overflow();
    return value;
}

std::string textOfNumber(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    if (value == 0.0)
        return "0";
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    for (char &c : text)
        if (c == 'e')
            c = 'E';
    return text;
}

std::int32_t roundToInt32(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        throw RuntimeError::overflow();
    return static_cast<std::int32_t>(rounded);
}

float toSingle(double value)
{
    // The smallest magnitude that rounds to infinity in single precision.
    constexpr double firstOverflow = 0x1.ffffffp127;
    if (!(std::fabs(value) < firstOverflow))
        throw RuntimeError::overflow();
    return static_cast<float>(value);
}

} // namespace runtime
