#pragma once

#include "CaseDesign.h"

#include <string>

// The font as the font dialog is preset with it and returns it: a text block's style
// without its alignment.
struct DialogFont
{
    std::string name;
    int size = 0; // whole points
    TColor color = clBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    int charset = DEFAULT_CHARSET; // the script chosen with the font

    bool operator==(const DialogFont &) const = default;
};

DialogFont dialogFontOf(const TextStyle &style);

// The modal font dialog. The window answers with its own dialog, tests with a script.
class FontChooser
{
public:
    virtual ~FontChooser() = default;
    virtual void setFont(const DialogFont &font) = 0;
    // Shows the dialog and returns when it closes: true for OK, false for Cancel. After
    // Cancel font() is the preset again.
    virtual bool execute() = 0;
    virtual DialogFont font() const = 0;
};

// "Arial, 18p": the font name, a comma and a blank, the size in whole points and "p".
std::string fontSummaryLine(const TextStyle &style);

// What the Fonts page shows. The window implements it with its labels and radio buttons.
class FontsPageView
{
public:
    virtual ~FontsPageView() = default;
    // The block's sample on the Fonts page in the block's whole style, alignment included.
    virtual void showFontSample(TextSlot slot, const TextStyle &style) = 0;
    // The block's text sample on the Colours page takes the colour.
    virtual void showColorSampleColor(TextSlot slot, TColor color) = 0;
    virtual void showSummaryLine(TextSlot slot, const std::string &line) = 0;
    // The group's alignment button for the value is the checked one.
    virtual void showAlignmentChecked(TextSlot slot, TextAlignment alignment) = 0;
};

// The Fonts page: "Set font", the alignment buttons and the page refresh, on the one current
// design.
class FontsPage : public DesignObserver
{
public:
    FontsPage(CaseDesign &design, FontsPageView &view);
    ~FontsPage() override;
    FontsPage(const FontsPage &) = delete;
    FontsPage &operator=(const FontsPage &) = delete;

    // "Set font" of a block: the dialog is preset with the block's whole font and read back
    // when it closes, whether the user chose OK or Cancel. Sets modified either way.
    void setFont(TextSlot slot, FontChooser &dialog);
    // A group's checked alignment button changed. Acts, and sets modified, only when the
    // block's alignment changes.
    void chooseAlignment(TextSlot slot, TextAlignment alignment);
    // The page refresh: the Colours page's four text samples take the blocks' colours and the
    // four summary lines are rewritten, in slot order. The Fonts page's samples are drawn
    // again too. Does not touch modified.
    void refresh();

    void fontsPageRefresh() override;
    void alignmentApplied(TextSlot slot, TextAlignment alignment) override;

private:
    CaseDesign &design_;
    FontsPageView &view_;
};
