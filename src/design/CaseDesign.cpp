#include "CaseDesign.h"

#include <algorithm>

std::string cutToCharacters(const std::string &text, std::size_t maxChars)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) { // the first byte of a character
            if (chars == maxChars)
                return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

void TextStyle::setFontName(const std::string &name)
{
    if (!name.empty())
        fontName = cutToCharacters(name, kMaxFontNameChars);
}

void CaseDesign::addObserver(DesignObserver *observer)
{
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void CaseDesign::removeObserver(DesignObserver *observer)
{
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void CaseDesign::resetColours()
{
    folderBackground = clWhite;
    sideBackground = clBlack;
    caseBackground = clWhite;
    style(TextSlot::FolderTitle).color = clBlack;
    style(TextSlot::FolderContents).color = clBlack;
    sideTitleColor = clWhite;
    style(TextSlot::CaseTitle).color = clBlack;
    style(TextSlot::CaseContents).color = clBlack;
    refreshFontsPage();
    modified = true;
}

void CaseDesign::resetToNew()
{
    setFileName(kUntitled);
    resetColours();
    applyPlacement(ImagePlacement::None);
    title.clear();
    contents.clear();
    notifyTextReplaced();
    for (TextSlot slot : kAllTextSlots) {
        TextStyle &s = style(slot);
        const bool isTitle = slot == TextSlot::FolderTitle || slot == TextSlot::CaseTitle;
        s.fontName = "Arial";
        s.bold = true;
        s.italic = false;
        s.underline = false;
        s.strikeout = false;
        s.size = isTitle ? 18 : 10;
    }
    refreshFontsPage();
    for (TextSlot slot : kAllTextSlots)
        applyAlignment(slot, TextAlignment::Center);
    modified = false;
}

void CaseDesign::notifyTextReplaced()
{
    for (DesignObserver *o : std::vector(observers_))
        o->textReplaced();
}

void CaseDesign::applyPlacement(ImagePlacement placement)
{
    if (placement == imagePlacement)
        return;
    imagePlacement = placement;
    for (DesignObserver *o : std::vector(observers_))
        o->placementApplied(placement);
    modified = true;
}

void CaseDesign::applyAlignment(TextSlot slot, TextAlignment alignment)
{
    if (style(slot).alignment == alignment)
        return;
    style(slot).alignment = alignment;
    for (DesignObserver *o : std::vector(observers_))
        o->alignmentApplied(slot, alignment);
    modified = true;
}

void CaseDesign::setFileName(const std::string &name)
{
    fileName = name;
    showFileName();
}

void CaseDesign::showFileName()
{
    for (DesignObserver *o : std::vector(observers_))
        o->fileNameShown(fileName);
}

void CaseDesign::refreshFontsPage()
{
    for (DesignObserver *o : std::vector(observers_))
        o->fontsPageRefresh();
}
