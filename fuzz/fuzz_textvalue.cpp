// Text to number on arbitrary text: never NaN or infinite, exactly the C
// library's strtod of the recognised prefix, and Overflow exactly when strtod
// overflows.
//
// The first byte chooses how the rest becomes UTF-16: odd, one code unit per
// byte (quick to reach digits and signs); even, little-endian byte pairs.

#include "numberconversion.h"
#include "runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::u16string textFrom(const std::uint8_t *data, std::size_t size)
{
    std::u16string text;
    if (size == 0)
        return text;
    const bool bytewise = data[0] & 1;
    ++data;
    --size;
    if (bytewise) {
        text.assign(data, data + size);
    } else {
        text.resize(size / 2);
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = char16_t(data[2 * i] | data[2 * i + 1] << 8);
    }
    return text;
}

bool isOurBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// The text's leading ASCII part, up to the first NUL or wider character.
std::string asciiHead(const std::u16string &text)
{
    std::string head;
    for (const char16_t c : text) {
        if (c == 0 || c > 0x7F)
            break;
        head.push_back(char(c));
    }
    return head;
}

bool sameDouble(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Where strtod stops on a plain decimal number, compared with our prefix.
// strtod also takes hexadecimal, "inf", "nan" and the blanks \v and \f, which
// are not numbers here; those texts are left out of the comparison.
void checkPrefixAgainstStrtod(const std::u16string &text, std::size_t prefix)
{
    const std::string head = asciiHead(text);
    std::size_t blanks = 0;
    while (blanks < head.size() && isOurBlank(char16_t(head[blanks])))
        ++blanks;
    if (blanks < head.size() && (head[blanks] == '\v' || head[blanks] == '\f'))
        return;
    const char *start = head.c_str() + blanks;
    char *end = nullptr;
    std::strtod(start, &end);
    const std::string taken(start, std::size_t(end - start));
    if (taken.find_first_of("xXnNiI") != std::string::npos)
        return;
    const std::size_t expected = taken.empty() ? 0 : blanks + taken.size();
    if (prefix != expected)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = textFrom(data, size);
    const std::size_t prefix = runtime::numericPrefixLength(text);
    if (prefix > text.size())
        std::abort();
    for (std::size_t i = 0; i < prefix; ++i)
        if (text[i] == 0 || text[i] > 0x7F)
            std::abort();
    checkPrefixAgainstStrtod(text, prefix);

    const std::string number(text.begin(), text.begin() + std::ptrdiff_t(prefix));
    const double expected = prefix == 0 ? 0.0 : std::strtod(number.c_str(), nullptr);
    const bool overflows = expected == HUGE_VAL || expected == -HUGE_VAL;
    try {
        const double value = runtime::valueOfText(text);
        if (overflows || !std::isfinite(value) || !sameDouble(value, expected))
            std::abort();
    } catch (const runtime::RuntimeError &error) {
        if (!overflows || error.number() != 6)
            std::abort();
    }
    return 0;
}
