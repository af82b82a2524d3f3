// Number to text on arbitrary doubles: the standard form, and the text read
// back gives the number rounded to 15 significant digits (Overflow only where
// that rounding leaves the double range). Not finite: Overflow.

#include "numberconversion.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Digits, at most one '-' in front, at most one '.', an "E+nn"/"E-nn" exponent
// last; no trailing zeros after the point.
void checkForm(const std::string &text, double value)
{
    if (text.empty() || text.size() > 24)
        std::abort();
    if (value == 0.0) {
        if (text != "0")
            std::abort();
        return;
    }
    const std::size_t exponent = text.find('E');
    const std::string mantissa = text.substr(0, exponent);
    const std::size_t digitsFrom = mantissa[0] == '-' ? 1 : 0;
    if (mantissa.find_first_not_of("0123456789.", digitsFrom) != std::string::npos)
        std::abort();
    const std::size_t point = mantissa.find('.');
    if (point != std::string::npos && (mantissa.back() == '0' || mantissa.back() == '.'))
        std::abort();
    if (exponent == std::string::npos)
        return;
    const std::string power = text.substr(exponent + 1);
    if (power.size() < 3 || (power[0] != '+' && power[0] != '-') ||
        power.find_first_not_of("0123456789", 1) != std::string::npos)
        std::abort();
}

// The number as it reads with 15 significant digits, by the C library.
double roundedTo15Digits(double value)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    return std::strtod(buffer, nullptr);
}

std::u16string widened(const std::string &text)
{
    return {text.begin(), text.end()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size != sizeof(double))
        return -1;
    double value;
    std::memcpy(&value, data, sizeof value);

    std::string text;
    try {
        text = runtime::textOfNumber(value);
    } catch (const runtime::RuntimeError &error) {
        if (std::isfinite(value) || error.number() != 6)
            std::abort();
        return 0;
    }
    if (!std::isfinite(value))
        std::abort();
    checkForm(text, value);

    const double expected = value == 0.0 ? 0.0 : roundedTo15Digits(value);
    const double magnitude = std::fabs(expected);
    const bool exponentForm = value != 0.0 && (magnitude >= 1e15 || magnitude < 1e-4);
    if ((text.find('E') != std::string::npos) != exponentForm)
        std::abort();
    try {
        if (!sameDouble(runtime::valueOfText(widened(text)), expected))
            std::abort();
    } catch (const runtime::RuntimeError &) {
        if (std::isfinite(expected))
            std::abort();
    }
    return 0;
}
