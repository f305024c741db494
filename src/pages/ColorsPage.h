#pragma once

#include "CaseDesign.h"

#include <array>
#include <string>
#include <string_view>

// Which colour the palette sets. The order is the order in which the targets are tested.
enum class ColorTarget {
    FolderTitleColor,
    FolderContentsColor,
    FolderBackground,
    CaseTitleColor,
    CaseContentsColor,
    CaseBackground,
    SideTitleColor,
    SideBackground,
};

inline constexpr std::array<ColorTarget, 8> kAllColorTargets {
    ColorTarget::FolderTitleColor, ColorTarget::FolderContentsColor, ColorTarget::FolderBackground,
    ColorTarget::CaseTitleColor,   ColorTarget::CaseContentsColor,   ColorTarget::CaseBackground,
    ColorTarget::SideTitleColor,   ColorTarget::SideBackground};

// One swatch of the palette: its place in the two rows of eight, the image of the main
// window's image list that fills it, and the colour identifier it carries.
struct PaletteSwatch
{
    int row; // 0 or 1
    int column; // 0 to 7
    int imageIndex;
    std::string_view ident;
};

inline constexpr std::array<PaletteSwatch, 16> kPaletteSwatches {{
    {0, 0, 0, "clBlack"},
    {0, 1, 1, "clMaroon"},
    {0, 2, 2, "clGreen"},
    {0, 3, 3, "clOlive"},
    {0, 4, 4, "clNavy"},
    {0, 5, 5, "clPurple"},
    {0, 6, 6, "clTeal"},
    {0, 7, 7, "clGray"},
    {1, 0, 8, "clSilver"},
    {1, 1, 9, "clRed"},
    {1, 2, 10, "clLime"},
    {1, 3, 11, "clYellow"},
    {1, 4, 12, "clBlue"},
    {1, 5, 13, "clFuchsia"},
    {1, 6, 14, "clAqua"},
    {1, 7, 15, "clWhite"},
}};

// The text slot whose colour a text target sets; false for the four other targets.
bool textSlotOf(ColorTarget target, TextSlot &slot);

// The design's value that a target sets.
TColor targetColor(const DesignFields &design, ColorTarget target);

// The side-title samples: the letters of "Title" one under the other, separated by carriage
// returns (character 13).
inline constexpr std::string_view kSideTitleSample = "T\ri\rt\rl\re";

// What the Colours page shows. The window implements it with its radio buttons, shapes and
// labels.
class ColorsPageView
{
public:
    virtual ~ColorsPageView() = default;
    // Check the target's radio button (the other seven uncheck).
    virtual void showSelectedTarget(ColorTarget target) = 0;
    // Every preview element of the target shows the colour: a shape's fill or a sample's text
    // (for a text target also the sample of that block on the Fonts page).
    virtual void showTargetColor(ColorTarget target, TColor color) = 0;
    // Both side-title samples show the text; a carriage return breaks the line.
    virtual void showSideTitleSample(std::string_view text) = 0;
};

// The Colours page: the palette, the colour targets and the black-and-white reset, on the
// one current design. The selected target and currentColorName are page state: neither New
// nor Open touches them.
class ColorsPage : public DesignObserver
{
public:
    ColorsPage(CaseDesign &design, ColorsPageView &view);
    ~ColorsPage() override;
    ColorsPage(const ColorsPage &) = delete;
    ColorsPage &operator=(const ColorsPage &) = delete;

    const std::string &currentColorName() const { return currentColorName_; }
    ColorTarget selectedTarget() const { return selected_; }

    // A mouse button (any) pressed on a swatch: only remembers its identifier.
    void swatchPressed(std::string_view ident);
    // A mouse button released on a swatch: the remembered colour goes to the selected target
    // and modified is set, also when the colour does not change.
    void swatchReleased();
    // A radio button, sample label or shape chose the target. Nothing else changes.
    void selectTarget(ColorTarget target);
    // The "&B/W" button.
    void blackAndWhite();
    // The page became visible: the side-title samples are written.
    void pageShown();
    // Shows every target's current colour.
    void showAllColors();

    // After the black-and-white reset, New and Open every preview shows the design again.
    void fontsPageRefresh() override;

private:
    void setTargetColor(ColorTarget target, TColor color);

    CaseDesign &design_;
    ColorsPageView &view_;
    std::string currentColorName_;
    ColorTarget selected_ = ColorTarget::FolderTitleColor;
};
