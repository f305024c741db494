#pragma once

#include "CaseDesign.h"

#include <QColor>
#include <QFont>

// How the design's colours and fonts look on screen. The windows are laid out for 96 dots per
// inch, so point sizes become pixel sizes here, in this one place.

inline constexpr int kScreenDotsPerInch = 96;
inline constexpr int kPointsPerInch = 72;

// 18 points are 24 pixels, 8 points 11 pixels (rounded to the nearest pixel).
int pixelsForPoints(int points);

// A plain colour is $00BBGGRR. A system colour (top bit set) is the classic Windows default of
// that desktop element; any other value uses its low three bytes.
QColor screenColor(TColor color);

// The font of a text style: name, size, bold, italic, underline and strikeout. The colour and
// the alignment are not part of a QFont.
QFont screenFont(const TextStyle &style);
