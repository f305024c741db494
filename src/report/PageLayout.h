#pragma once

#include "LaidOutPage.h"
#include "QRElements.h"

#include <QSizeF>
#include <vector>

// Lays out the elements in drawing order onto a sheet of paperMm: which boxes are filled,
// which text lines fit and where each goes, which pictures are drawn. Disabled elements are
// left out. Needs a QGuiApplication (fonts).
//
// Text fitting: a label's text and each line of a memo are split at carriage returns (line
// feeds removed), then cut into pieces after every space and hyphen, the breaking character
// staying with its piece. Pieces join an output line while its width stays within the box.
// With word wrap a piece that does not fit starts the next line; without it the line ends
// there and the rest of that text line is dropped. A piece wider than the whole box keeps only
// its leading characters that fit. Lines are stacked one line height (ascent plus descent)
// apart from the box's top; the first line that would reach more than 0.1 mm below the box is
// dropped with all that follow. A right-aligned italic line ends one space width short of
// the box's right edge, where the slant of its last glyph still has room.
LaidOutPage layOutPage(const QSizeF &paperMm, const std::vector<const TQRElement *> &drawOrder);
