#include "ReportColor.h"

#include <array>
#include <cstdint>

namespace {

// The standard desktop's colours of the 25 display elements, by element index (the low byte
// of a system colour): scroll bar, background, active caption, ... info background.
constexpr std::array<QRgb, 25> kSystemColors {
    qRgb(212, 208, 200), // scroll bar
    qRgb(58, 110, 165), // desktop background
    qRgb(10, 36, 106), // active caption
    qRgb(128, 128, 128), // inactive caption
    qRgb(212, 208, 200), // menu
    qRgb(255, 255, 255), // window
    qRgb(0, 0, 0), // window frame
    qRgb(0, 0, 0), // menu text
    qRgb(0, 0, 0), // window text
    qRgb(255, 255, 255), // caption text
    qRgb(212, 208, 200), // active border
    qRgb(212, 208, 200), // inactive border
    qRgb(128, 128, 128), // application workspace
    qRgb(10, 36, 106), // highlight
    qRgb(255, 255, 255), // highlight text
    qRgb(212, 208, 200), // button face
    qRgb(128, 128, 128), // button shadow
    qRgb(128, 128, 128), // grey text
    qRgb(0, 0, 0), // button text
    qRgb(212, 208, 200), // inactive caption text
    qRgb(255, 255, 255), // button highlight
    qRgb(64, 64, 64), // 3D dark shadow
    qRgb(212, 208, 200), // 3D light
    qRgb(0, 0, 0), // info text
    qRgb(255, 255, 225), // info background
};

} // namespace

QColor colorFromTColor(TColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u) {
        const std::uint32_t index = bits & 0xFFu;
        // An element the desktop does not know has no colour of its own: black.
        return QColor(index < kSystemColors.size() ? kSystemColors[index] : qRgb(0, 0, 0));
    }
    // $02BBGGRR asks a palette for its nearest colour: on a true-colour page that is BBGGRR.
    const std::uint32_t kind = bits >> 24;
    if (kind != 0 && kind != 2)
        return QColor(); // clNone and other values that name no colour
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}
