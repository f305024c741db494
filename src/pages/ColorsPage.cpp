#include "ColorsPage.h"

bool textSlotOf(ColorTarget target, TextSlot &slot)
{
    switch (target) {
    case ColorTarget::FolderTitleColor:
        slot = TextSlot::FolderTitle;
        return true;
    case ColorTarget::FolderContentsColor:
        slot = TextSlot::FolderContents;
        return true;
    case ColorTarget::CaseTitleColor:
        slot = TextSlot::CaseTitle;
        return true;
    case ColorTarget::CaseContentsColor:
        slot = TextSlot::CaseContents;
        return true;
    default:
        return false;
    }
}

TColor targetColor(const DesignFields &design, ColorTarget target)
{
    TextSlot slot;
    if (textSlotOf(target, slot))
        return design.style(slot).color;
    switch (target) {
    case ColorTarget::FolderBackground:
        return design.folderBackground;
    case ColorTarget::CaseBackground:
        return design.caseBackground;
    case ColorTarget::SideTitleColor:
        return design.sideTitleColor;
    default:
        return design.sideBackground;
    }
}

ColorsPage::ColorsPage(CaseDesign &design, ColorsPageView &view)
    : design_(design)
    , view_(view)
{
    design_.addObserver(this);
}

ColorsPage::~ColorsPage()
{
    design_.removeObserver(this);
}

void ColorsPage::swatchPressed(std::string_view ident)
{
    currentColorName_ = std::string(ident);
}

void ColorsPage::swatchReleased()
{
    // The identifier stays text until it is applied; an unknown one raises EConvertError
    // before anything changes.
    setTargetColor(selected_, TextToColor(currentColorName_));
    design_.modified = true;
}

void ColorsPage::setTargetColor(ColorTarget target, TColor color)
{
    TextSlot slot;
    if (textSlotOf(target, slot)) {
        design_.style(slot).color = color;
    } else {
        switch (target) {
        case ColorTarget::FolderBackground:
            design_.folderBackground = color;
            break;
        case ColorTarget::CaseBackground:
            design_.caseBackground = color;
            break;
        case ColorTarget::SideTitleColor:
            design_.sideTitleColor = color;
            break;
        default:
            design_.sideBackground = color;
            break;
        }
    }
    view_.showTargetColor(target, color);
}

void ColorsPage::selectTarget(ColorTarget target)
{
    selected_ = target;
    view_.showSelectedTarget(target);
}

void ColorsPage::blackAndWhite()
{
    design_.resetColours();
}

void ColorsPage::pageShown()
{
    view_.showSideTitleSample(kSideTitleSample);
}

void ColorsPage::showAllColors()
{
    for (ColorTarget target : kAllColorTargets)
        view_.showTargetColor(target, targetColor(design_, target));
}

void ColorsPage::fontsPageRefresh()
{
    showAllColors();
}
