#pragma once

#include "ColorsPage.h"
#include "FontsPage.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What the Colours and Fonts pages show, as plain values, so that a test can compare every
// preview element with the design.
class FakePageViews : public ColorsPageView, public FontsPageView
{
public:
    std::optional<ColorTarget> checkedTarget;
    std::map<ColorTarget, TColor> targetColors; // Colours page shapes and samples
    std::array<std::optional<TextStyle>, 4> fontSamples; // Fonts page samples
    std::array<std::optional<TColor>, 4> colorSamples; // Colours page text samples
    std::array<std::string, 4> summaryLines;
    std::vector<TextSlot> summaryWrites;
    std::array<std::optional<TextAlignment>, 4> checkedAlignment;
    std::string sideTitleSample;

    void showSelectedTarget(ColorTarget target) override { checkedTarget = target; }
    void showTargetColor(ColorTarget target, TColor color) override
    {
        targetColors[target] = color;
        TextSlot slot;
        if (textSlotOf(target, slot)) {
            colorSamples[index(slot)] = color;
            // The Fonts page sample of the block takes the colour at the same time.
            if (fontSamples[index(slot)])
                fontSamples[index(slot)]->color = color;
        }
    }
    void showSideTitleSample(std::string_view text) override { sideTitleSample = text; }

    void showFontSample(TextSlot slot, const TextStyle &style) override
    {
        fontSamples[index(slot)] = style;
    }
    void showColorSampleColor(TextSlot slot, TColor color) override
    {
        colorSamples[index(slot)] = color;
        targetColors[targetOf(slot)] = color;
    }
    void showSummaryLine(TextSlot slot, const std::string &line) override
    {
        summaryLines[index(slot)] = line;
        summaryWrites.push_back(slot);
    }
    void showAlignmentChecked(TextSlot slot, TextAlignment alignment) override
    {
        checkedAlignment[index(slot)] = alignment;
    }

    static std::size_t index(TextSlot slot) { return static_cast<std::size_t>(slot); }
    static ColorTarget targetOf(TextSlot slot)
    {
        switch (slot) {
        case TextSlot::FolderTitle:
            return ColorTarget::FolderTitleColor;
        case TextSlot::FolderContents:
            return ColorTarget::FolderContentsColor;
        case TextSlot::CaseTitle:
            return ColorTarget::CaseTitleColor;
        default:
            return ColorTarget::CaseContentsColor;
        }
    }

    // Every preview element shows the current value of its field.
    void expectShows(const DesignFields &design) const
    {
        for (ColorTarget target : kAllColorTargets) {
            SCOPED_TRACE(static_cast<int>(target));
            auto it = targetColors.find(target);
            ASSERT_NE(it, targetColors.end());
            EXPECT_EQ(it->second, targetColor(design, target));
        }
        for (TextSlot slot : kAllTextSlots) {
            SCOPED_TRACE(static_cast<int>(slot));
            ASSERT_TRUE(fontSamples[index(slot)].has_value());
            EXPECT_EQ(*fontSamples[index(slot)], design.style(slot));
            EXPECT_EQ(colorSamples[index(slot)], design.style(slot).color);
            EXPECT_EQ(summaryLines[index(slot)], fontSummaryLine(design.style(slot)));
            const std::optional<TextAlignment> checked = checkedAlignment[index(slot)];
            EXPECT_EQ(checked.value_or(TextAlignment::Center), design.style(slot).alignment);
        }
    }
};

// The font dialog, scripted: OK with a chosen font, or Cancel.
class ScriptedFontDialog : public FontChooser
{
public:
    std::optional<DialogFont> chooseOnOk; // nothing: the user presses Cancel
    std::vector<DialogFont> presets;
    int shown = 0;

    void setFont(const DialogFont &font) override
    {
        presets.push_back(font);
        current_ = font;
    }
    bool execute() override
    {
        ++shown;
        if (!chooseOnOk)
            return false;
        current_ = *chooseOnOk;
        return true;
    }
    DialogFont font() const override { return current_; }

private:
    DialogFont current_;
};
