// Text to number: exactly strtod of the longest prefix that reads as a number
// (blanks, a sign, digits with at most one point, an exponent), 0 when there
// is none, and the Overflow run-time error exactly when that overflows.

#include "numberconversion.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <regex>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    static const std::regex number(R"(^[ \t\r\n]*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)");
    const std::string bytes(data, data + size);
    std::smatch match;
    const double expected =
        std::regex_search(bytes, match, number) ? std::strtod(match.str().c_str(), nullptr) : 0.0;
    // A byte a code unit: ASCII and the start of Latin-1, whose digits are not ASCII.
    const std::u16string text(data, data + size);
    try {
        const double value = runtime::valueOfText(text);
        if (std::isinf(expected) || std::memcmp(&value, &expected, sizeof value) != 0)
            std::abort();
    } catch (const runtime::RuntimeError &) {
        if (!std::isinf(expected))
            std::abort();
    }
    return 0;
}
