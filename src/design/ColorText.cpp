#include "ColorText.h"

#include <cstdint>

const TIdentMapEntry kColorIdents[42] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    // System colours: the top bit set, the low byte indexes a desktop element.
    {static_cast<TColor>(0x80000000u), "clScrollBar"},
    {static_cast<TColor>(0x80000001u), "clBackground"},
    {static_cast<TColor>(0x80000002u), "clActiveCaption"},
    {static_cast<TColor>(0x80000003u), "clInactiveCaption"},
    {static_cast<TColor>(0x80000004u), "clMenu"},
    {static_cast<TColor>(0x80000005u), "clWindow"},
    {static_cast<TColor>(0x80000006u), "clWindowFrame"},
    {static_cast<TColor>(0x80000007u), "clMenuText"},
    {static_cast<TColor>(0x80000008u), "clWindowText"},
    {static_cast<TColor>(0x80000009u), "clCaptionText"},
    {static_cast<TColor>(0x8000000Au), "clActiveBorder"},
    {static_cast<TColor>(0x8000000Bu), "clInactiveBorder"},
    {static_cast<TColor>(0x8000000Cu), "clAppWorkSpace"},
    {static_cast<TColor>(0x8000000Du), "clHighlight"},
    {static_cast<TColor>(0x8000000Eu), "clHighlightText"},
    {static_cast<TColor>(0x8000000Fu), "clBtnFace"},
    {static_cast<TColor>(0x80000010u), "clBtnShadow"},
    {static_cast<TColor>(0x80000011u), "clGrayText"},
    {static_cast<TColor>(0x80000012u), "clBtnText"},
    {static_cast<TColor>(0x80000013u), "clInactiveCaptionText"},
    {static_cast<TColor>(0x80000014u), "clBtnHighlight"},
    {static_cast<TColor>(0x80000015u), "cl3DDkShadow"},
    {static_cast<TColor>(0x80000016u), "cl3DLight"},
    {static_cast<TColor>(0x80000017u), "clInfoText"},
    {static_cast<TColor>(0x80000018u), "clInfoBk"},
};

namespace {

char asciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Only the letters a to z match their capitals; every other byte compares exactly.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiUpper(a[i]) != asciiUpper(b[i]))
            return false;
    }
    return true;
}

[[noreturn]] void failInteger(std::string_view text)
{
    std::string message = "'";
    message += text;
    message += "' is not a valid integer value";
    throw EConvertError(message);
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string ColorToText(TColor color)
{
    for (const TIdentMapEntry &entry : kColorIdents) {
        if (entry.value == color)
            return std::string(entry.ident);
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto bits = static_cast<std::uint32_t>(color);
    std::string text = "$";
    for (int shift = 28; shift >= 0; shift -= 4)
        text += kHex[(bits >> shift) & 0xFu];
    return text;
}

TColor TextToColor(std::string_view text)
{
    for (const TIdentMapEntry &entry : kColorIdents) {
        if (equalsIgnoringAsciiCase(text, entry.ident))
            return entry.value;
    }
    return static_cast<TColor>(StringToInteger(text));
}

std::int32_t StringToInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i == text.size())
        failInteger(text); // empty, or blanks only

    bool negative = false;
    bool hex = false;
    if (text[i] == '-' || text[i] == '+') {
        negative = text[i] == '-';
        ++i; // decimal digits must follow at once
    } else if (text[i] == '$' || text[i] == 'x' || text[i] == 'X') {
        hex = true;
        ++i;
    } else if (text[i] == '0' && i + 1 < text.size()
               && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size())
        failInteger(text); // a sign or prefix without a digit

    if (hex) {
        std::uint32_t value = 0;
        for (; i < text.size(); ++i) {
            const int digit = hexDigitValue(text[i]);
            if (digit < 0 || (value >> 28) != 0)
                failInteger(text);
            value = (value << 4) | static_cast<std::uint32_t>(digit);
        }
        return static_cast<std::int32_t>(value); // $FFFFFFFF is -1
    }

    // The magnitude is at most 2147483647 for either sign.
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            failInteger(text);
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483647)
            failInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::string IntegerToText(std::int64_t value)
{
    return std::to_string(value);
}
