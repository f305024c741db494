#pragma once

// The one place where the report's units meet. The form keeps lengths in millimetres and
// font sizes in points; text is measured and drawn in "layout units" of 1/20 point (a font
// of n points is set up with a pixel size of 20 n), which keeps the glyph metrics exact and
// independent of any device: the painter's transform takes layout units to device dots.

inline constexpr double kMmPerInch = 25.4;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr double kMmPerPoint = kMmPerInch / kPointsPerInch;
inline constexpr int kLayoutUnitsPerPoint = 20;
inline constexpr double kMmPerLayoutUnit = kMmPerPoint / kLayoutUnitsPerPoint;

// Font sizes outside this range cannot be printed (FreeType stops at 65535 pixels per em,
// and a 1000-point line is already taller than the sheet). A size from a design file is
// clamped into it at the element.
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 1000;

// A text line may reach this far below its box before it is dropped.
inline constexpr double kLineOverflowToleranceMm = 0.1;

inline constexpr double dotsPerMm(double dotsPerInch)
{
    return dotsPerInch / kMmPerInch;
}
