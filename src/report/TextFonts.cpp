#include "TextFonts.h"

#include "ReportUnits.h"

#include <QFontDatabase>
#include <QHash>

namespace {

const QString kStandInFamily = QStringLiteral("DejaVu Sans");
const QString kMetricsFamily = QStringLiteral("Arial");

} // namespace

QFont layoutFont(const FontSpec &wanted)
{
    QFont font(wanted.family);
    font.setPixelSize(wanted.pointSize * kLayoutUnitsPerPoint);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setUnderline(wanted.underline);
    font.setStrikeOut(wanted.strikeout);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

bool fontFamilyInstalled(const QString &family)
{
    static QHash<QString, bool> known;
    const QString key = family.toLower();
    auto it = known.constFind(key);
    if (it == known.constEnd())
        it = known.insert(key, QFontDatabase::hasFamily(family));
    return *it;
}

QString mapSymbolText(const QString &text)
{
    QString mapped = text;
    for (QChar &c : mapped) {
        switch (c.unicode()) {
        case 0x23:
            c = QChar(0x2702); // black scissors
            break;
        case 0xC3:
            c = QChar(0x21B2); // downwards arrow with tip leftwards
            break;
        case 0xC4:
            c = QChar(0x21B3); // downwards arrow with tip rightwards
            break;
        default:
            break;
        }
    }
    return mapped;
}

ElementFonts resolveElementFonts(const TQRFont &font)
{
    ElementFonts fonts;
    fonts.draw
        = FontSpec {font.name, font.size, font.bold, font.italic, font.underline, font.strikeout};
    fonts.lineMetrics = fonts.draw;
    if (font.charset == kSymbolCharset && !fontFamilyInstalled(font.name)) {
        fonts.draw.family = kStandInFamily;
        fonts.lineMetrics = FontSpec {kMetricsFamily, font.size, false, false, false, false};
        fonts.symbolStandIn = true;
    }
    return fonts;
}
