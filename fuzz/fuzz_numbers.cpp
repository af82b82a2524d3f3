// SPDX-FileCopyrightText: 2026 The Trevane developers
// SPDX-License-Identifier: MIT

// Any bytes, read as text, give exactly strtod of their longest prefix that
// reads as a number (blanks, a sign, digits with at most one point, an
// exponent), 0 for none, and Overflow exactly when that overflows. Their first
// eight, as a double, are written as "%.15G" writes them, but "0" for either
// zero; infinities and NaN raise Overflow.

#include "numberconversion.h"
#include "runtimeerror.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>

template <typename Convert> void expect(const std::string &wanted, bool overflows, Convert convert)
{
    try {
        if (convert() != wanted || overflows)
            std::abort();
    } catch (const runtime::RuntimeError &error) {
        if (!overflows || error.number() != 6)
            std::abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    static const std::regex number(R"(^[ \t\r\n]*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    const std::string bytes(data, data + size);
    std::smatch match;
    double read = 0, value = 0;
    if (std::regex_search(bytes, match, number))
        read = std::strtod(match.str().c_str(), nullptr);
    const auto exact = [](double d) { return std::to_string(std::bit_cast<std::uint64_t>(d)); };
    // A byte a code unit: ASCII, and Latin-1 whose digits are not ASCII ones.
    expect(exact(read), std::isinf(read),
           [&] { return exact(runtime::valueOfText(std::u16string(data, data + size))); });

    std::memcpy(&value, data, std::min(size, sizeof value));
    char written[32] = "0";
    if (value != 0)
        std::snprintf(written, sizeof written, "%.15G", value);
    expect(written, !std::isfinite(value), [&] { return runtime::textOfNumber(value); });
    return 0;
}
