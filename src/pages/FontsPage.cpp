#include "FontsPage.h"

DialogFont dialogFontOf(const TextStyle &style)
{
    return DialogFont {style.fontName, style.size,      style.color,     style.bold,
                       style.italic,   style.underline, style.strikeout, style.charset};
}

std::string fontSummaryLine(const TextStyle &style)
{
    return style.fontName + ", " + std::to_string(style.size) + "p";
}

FontsPage::FontsPage(CaseDesign &design, FontsPageView &view)
    : design_(design)
    , view_(view)
{
    design_.addObserver(this);
}

FontsPage::~FontsPage()
{
    design_.removeObserver(this);
}

void FontsPage::setFont(TextSlot slot, FontChooser &dialog)
{
    dialog.setFont(dialogFontOf(design_.style(slot)));
    dialog.execute(); // OK and Cancel alike: after Cancel the dialog holds the preset
    const DialogFont chosen = dialog.font();

    TextStyle &style = design_.style(slot);
    style.setFontName(chosen.name);
    style.size = chosen.size;
    style.bold = chosen.bold;
    style.italic = chosen.italic;
    style.underline = chosen.underline;
    style.strikeout = chosen.strikeout;
    style.color = chosen.color;
    style.charset = chosen.charset;
    view_.showFontSample(slot, style);
    view_.showColorSampleColor(slot, style.color);
    view_.showSummaryLine(slot, fontSummaryLine(style));
    design_.modified = true;
}

void FontsPage::chooseAlignment(TextSlot slot, TextAlignment alignment)
{
    design_.applyAlignment(slot, alignment);
}

void FontsPage::refresh()
{
    for (TextSlot slot : kAllTextSlots)
        view_.showColorSampleColor(slot, design_.style(slot).color);
    for (TextSlot slot : kAllTextSlots)
        view_.showSummaryLine(slot, fontSummaryLine(design_.style(slot)));
    for (TextSlot slot : kAllTextSlots)
        view_.showFontSample(slot, design_.style(slot));
}

void FontsPage::fontsPageRefresh()
{
    refresh();
}

void FontsPage::alignmentApplied(TextSlot slot, TextAlignment alignment)
{
    view_.showAlignmentChecked(slot, alignment);
    view_.showFontSample(slot, design_.style(slot));
}
