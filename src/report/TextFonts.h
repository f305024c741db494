#pragma once

#include "LaidOutPage.h"
#include "QRElements.h"

#include <QFont>
#include <QString>

// The font a text run is measured and drawn with: the requested family and style, with a
// pixel size of kLayoutUnitsPerPoint per point and no hinting, so that its metrics scale
// linearly to any device. Draw it only on a painter that maps layout units to device dots.
QFont layoutFont(const FontSpec &wanted);

// How an element's font becomes fonts on the page.
struct ElementFonts
{
    FontSpec draw; // the font the glyphs are drawn and measured in
    FontSpec lineMetrics; // the font whose ascent and descent make the line height
    bool symbolStandIn = false; // the text's symbol codes are mapped to Unicode glyphs
};

// "Arial" and other names go to the font configuration as they are. A symbol font that is not
// installed ("Wingdings" on most systems) is drawn with Unicode glyphs of DejaVu Sans, on
// lines of the height of Arial, whose vertical metrics the old symbol fonts share; see
// mapSymbolText for the characters.
ElementFonts resolveElementFonts(const TQRFont &font);

// The Unicode character that shows a symbol-font code: the scissors (code 0x23) and the two
// bent arrows (0xC3 down then left, 0xC4 down then right). Other codes stay as they are.
QString mapSymbolText(const QString &text);

// Whether the font configuration has this family itself, not a substitute.
bool fontFamilyInstalled(const QString &family);
