#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A colour as the design holds it: $00BBGGRR for a plain colour, the top bit set for a
// system colour (the low byte is the index of a desktop element), $1FFFFFFF for "clNone".
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x00000000;
inline constexpr TColor clMaroon = 0x00000080;
inline constexpr TColor clGreen = 0x00008000;
inline constexpr TColor clOlive = 0x00008080;
inline constexpr TColor clNavy = 0x00800000;
inline constexpr TColor clPurple = 0x00800080;
inline constexpr TColor clTeal = 0x00808000;
inline constexpr TColor clGray = 0x00808080;
inline constexpr TColor clSilver = 0x00C0C0C0;
inline constexpr TColor clRed = 0x000000FF;
inline constexpr TColor clLime = 0x0000FF00;
inline constexpr TColor clYellow = 0x0000FFFF;
inline constexpr TColor clBlue = 0x00FF0000;
inline constexpr TColor clFuchsia = 0x00FF00FF;
inline constexpr TColor clAqua = 0x00FFFF00;
inline constexpr TColor clWhite = 0x00FFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clWindowText = static_cast<TColor>(0x80000008u);

// Raised by StringToInteger and TextToColor for a text that is not a number.
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct TIdentMapEntry
{
    TColor value;
    std::string_view ident;
};

// The 42 colour identifiers: the 16 plain colours, clNone and the 25 system colours.
extern const TIdentMapEntry kColorIdents[42];

std::string ColorToText(TColor color);
TColor TextToColor(std::string_view text);
std::int32_t StringToInteger(std::string_view text);
// Decimal text as the design file writes numbers: "-" for negatives, no "+", no padding.
std::string IntegerToText(std::int64_t value);
