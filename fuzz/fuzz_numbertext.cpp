// Number to text: the C library's "%.15G" of any finite number, but "0" for
// either zero, and the Overflow run-time error for infinities and NaN.

#include "numberconversion.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, std::size_t size)
{
    double value = 0;
    std::memcpy(&value, data, std::min(size, sizeof value));
    char expected[32] = "0";
    if (value != 0)
        std::snprintf(expected, sizeof expected, "%.15G", value);
    try {
        const std::string text = runtime::textOfNumber(value);
        if (!std::isfinite(value) || text != expected)
            std::abort();
    } catch (const runtime::RuntimeError &) {
        if (std::isfinite(value))
            std::abort();
    }
    return 0;
}
