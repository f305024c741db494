#include "ScreenLook.h"

#include <algorithm>
#include <array>
#include <cstdint>

int pixelsForPoints(int points)
{
    const long long scaled = static_cast<long long>(points) * kScreenDotsPerInch;
    const long long rounded = scaled >= 0 ? (scaled + kPointsPerInch / 2) / kPointsPerInch
                                          : -((-scaled + kPointsPerInch / 2) / kPointsPerInch);
    return static_cast<int>(std::clamp<long long>(rounded, INT32_MIN, INT32_MAX));
}

namespace {

constexpr int kLargestSamplePixels = 1000;

// The classic Windows colours of the 25 desktop elements, as $RRGGBB.
constexpr std::array<std::uint32_t, 25> kSystemColors {
    0xD4D0C8, // scroll bar
    0x3A6EA5, // desktop
    0x0A246A, // active caption
    0x808080, // inactive caption
    0xD4D0C8, // menu
    0xFFFFFF, // window
    0x000000, // window frame
    0x000000, // menu text
    0x000000, // window text
    0xFFFFFF, // caption text
    0xD4D0C8, // active border
    0xD4D0C8, // inactive border
    0x808080, // application workspace
    0x0A246A, // highlight
    0xFFFFFF, // highlight text
    0xD4D0C8, // button face
    0x808080, // button shadow
    0x808080, // grey text
    0x000000, // button text
    0xD4D0C8, // inactive caption text
    0xFFFFFF, // button highlight
    0x404040, // 3D dark shadow
    0xD4D0C8, // 3D light
    0x000000, // tooltip text
    0xFFFFE1, // tooltip background
};

} // namespace

QColor screenColor(TColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u) {
        const std::uint32_t index = bits & 0xFFu;
        const std::uint32_t rgb = index < kSystemColors.size() ? kSystemColors[index] : 0;
        return QColor::fromRgb(static_cast<QRgb>(rgb));
    }
    return QColor(static_cast<int>(bits & 0xFFu), static_cast<int>((bits >> 8) & 0xFFu),
                  static_cast<int>((bits >> 16) & 0xFFu));
}

QFont screenFont(const TextStyle &style)
{
    QFont font(QString::fromStdString(style.fontName));
    // A design file may hold any size. A font needs at least one pixel, and a sample in its
    // fixed box shows no more of a giant font than of a large one.
    font.setPixelSize(std::clamp(pixelsForPoints(style.size), 1, kLargestSamplePixels));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    font.setStrikeOut(style.strikeout);
    return font;
}
