// libFuzzer target: the integer parse and the colour text against a plain reference parse.
#include "ColorText.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// The same rules written out the long way: blanks, then a sign with decimal digits, or a
// hexadecimal prefix with hexadecimal digits, or decimal digits, and nothing after them.
std::optional<std::int32_t> reference(const std::string &text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos)
        return std::nullopt;
    std::string rest = text.substr(i);
    int base = 10;
    bool negative = false;
    if (rest[0] == '-' || rest[0] == '+') {
        negative = rest[0] == '-';
        rest.erase(0, 1);
    } else if (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X') {
        base = 16;
        rest.erase(0, 1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        base = 16;
        rest.erase(0, 2);
    }
    if (rest.empty())
        return std::nullopt;
    unsigned __int128 value = 0;
    for (char c : rest) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    if (base == 16)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (value > 2147483647u)
        return std::nullopt;
    const auto magnitude = static_cast<std::int64_t>(value);
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    std::optional<std::int32_t> parsed;
    try {
        parsed = StringToInteger(text);
    } catch (const EConvertError &e) {
        if (std::string(e.what()) != "'" + text + "' is not a valid integer value"
            && text.find('\0') == std::string::npos)
            std::abort();
    }
    if (parsed != reference(text))
        std::abort();

    if (size >= 4) {
        std::uint32_t bits = 0;
        for (int k = 0; k < 4; ++k)
            bits = (bits << 8) | data[k];
        const auto colour = static_cast<TColor>(bits);
        if (TextToColor(ColorToText(colour)) != colour)
            std::abort();
    }
    try {
        (void)TextToColor(text);
    } catch (const EConvertError &) {
    }
    return 0;
}
