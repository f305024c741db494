#include "CaseDesign.h"

#include "DesignTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::ElementsAre;

namespace {

// Fills every field with something other than its start-up value.
void scramble(CaseDesign &design)
{
    design.title = "Low";
    design.contents = {"Speed of Life", "Breaking Glass"};
    for (TextSlot slot : kAllTextSlots) {
        TextStyle &s = design.style(slot);
        s.fontName = "Courier";
        s.size = 33;
        s.color = clRed;
        s.bold = false;
        s.italic = s.underline = s.strikeout = true;
        s.alignment = TextAlignment::Right;
        s.charset = SYMBOL_CHARSET;
    }
    design.folderBackground = clNavy;
    design.caseBackground = clTeal;
    design.sideBackground = clYellow;
    design.sideTitleColor = clGreen;
    design.imagePlacement = ImagePlacement::Both;
    design.imagePath = "/pictures/cover.bmp";
    design.picture = std::make_shared<FakePicture>();
    design.fileName = "/designs/low.vnx";
    design.modified = true;
}

TEST(CaseDesign, ResetToNewGivesTheStartUpDesignButKeepsPictureAndCharsets)
{
    CaseDesign design;
    scramble(design);
    const auto picture = design.picture;
    design.resetToNew();

    DesignFields expected; // the start-up values
    expected.imagePath = "/pictures/cover.bmp";
    expected.picture = picture;
    for (TextStyle &s : expected.styles)
        s.charset = SYMBOL_CHARSET;
    EXPECT_EQ(design.fields(), expected);
}

TEST(CaseDesign, StartUpValues)
{
    const CaseDesign design;
    for (TextSlot slot : kAllTextSlots) {
        const TextStyle &s = design.style(slot);
        const bool title = slot == TextSlot::FolderTitle || slot == TextSlot::CaseTitle;
        EXPECT_EQ(s.fontName, "Arial");
        EXPECT_EQ(s.size, title ? 18 : 10);
        EXPECT_EQ(s.color, clBlack);
        EXPECT_TRUE(s.bold);
        EXPECT_FALSE(s.italic || s.underline || s.strikeout);
        EXPECT_EQ(s.alignment, TextAlignment::Center);
        EXPECT_EQ(s.charset, title ? ANSI_CHARSET : DEFAULT_CHARSET);
    }
    EXPECT_EQ(design.folderBackground, clWhite);
    EXPECT_EQ(design.caseBackground, clWhite);
    EXPECT_EQ(design.sideBackground, clBlack);
    EXPECT_EQ(design.sideTitleColor, clWhite);
    EXPECT_EQ(design.imagePlacement, ImagePlacement::None);
    EXPECT_EQ(design.fileName, "Untitled");
    EXPECT_FALSE(design.modified);
}

TEST(CaseDesign, ResetColoursTouchesOnlyColoursRefreshesThenSetsModified)
{
    CaseDesign design;
    scramble(design);
    design.modified = false;
    RecordingObserver seen;
    design.addObserver(&seen);
    design.resetColours();

    EXPECT_EQ(design.folderBackground, clWhite);
    EXPECT_EQ(design.caseBackground, clWhite);
    EXPECT_EQ(design.sideBackground, clBlack);
    EXPECT_EQ(design.sideTitleColor, clWhite);
    for (TextSlot slot : kAllTextSlots) {
        EXPECT_EQ(design.style(slot).color, clBlack);
        EXPECT_EQ(design.style(slot).fontName, "Courier");
        EXPECT_EQ(design.style(slot).alignment, TextAlignment::Right);
    }
    EXPECT_TRUE(design.modified);
    EXPECT_THAT(seen.events, ElementsAre("fontsRefresh"));
}

TEST(CaseDesign, ResetToNewNotifiesInTheOrderOfItsSteps)
{
    CaseDesign design;
    scramble(design);
    design.style(TextSlot::FolderContents).alignment = TextAlignment::Center;
    RecordingObserver seen;
    design.addObserver(&seen);
    design.resetToNew();

    // The alignment of a slot that is already Center is not applied again.
    EXPECT_THAT(seen.events,
                ElementsAre("fileName Untitled", "fontsRefresh", "placement 0", "textReplaced",
                            "fontsRefresh", "align 0 1", "align 2 1", "align 3 1"));
    EXPECT_FALSE(design.modified);
}

TEST(CaseDesign, PlacementAndAlignmentApplyOnlyOnAChange)
{
    CaseDesign design;
    RecordingObserver seen;
    design.addObserver(&seen);
    design.applyPlacement(ImagePlacement::None);
    design.applyAlignment(TextSlot::CaseTitle, TextAlignment::Center);
    EXPECT_TRUE(seen.events.empty());
    EXPECT_FALSE(design.modified);

    design.applyPlacement(ImagePlacement::CaseOnly);
    EXPECT_TRUE(design.modified);
    design.modified = false;
    design.applyAlignment(TextSlot::CaseTitle, TextAlignment::Left);
    EXPECT_TRUE(design.modified);
    EXPECT_THAT(seen.events, ElementsAre("placement 2", "align 2 0"));
}

TEST(CaseDesign, RemovedObserverHearsNothing)
{
    CaseDesign design;
    RecordingObserver seen;
    design.addObserver(&seen);
    design.addObserver(&seen); // added once only
    design.refreshFontsPage();
    design.removeObserver(&seen);
    design.refreshFontsPage();
    EXPECT_THAT(seen.events, ElementsAre("fontsRefresh"));
}

struct FontNameCase
{
    const char *name;
    std::string given;
    std::string expected;
};

class FontNameCases : public testing::TestWithParam<FontNameCase>
{
};

TEST_P(FontNameCases, EmptyKeepsLongIsCutToCharacters)
{
    TextStyle style;
    style.fontName = "Previous";
    style.setFontName(GetParam().given);
    EXPECT_EQ(style.fontName, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    CaseDesign, FontNameCases,
    testing::Values(FontNameCase {"plain", "Liberation Sans", "Liberation Sans"},
                    FontNameCase {"empty_keeps_previous", "", "Previous"},
                    FontNameCase {"exactly_31", std::string(31, 'a'), std::string(31, 'a')},
                    FontNameCase {"cut_to_31", std::string(40, 'b'), std::string(31, 'b')},
                    // 40 two-byte characters: 31 characters are 62 bytes, never half a character.
                    FontNameCase {"cut_counts_characters",
                                  [] {
                                      std::string s;
                                      for (int i = 0; i < 40; ++i)
                                          s += "\xC3\xA9";
                                      return s;
                                  }(),
                                  [] {
                                      std::string s;
                                      for (int i = 0; i < 31; ++i)
                                          s += "\xC3\xA9";
                                      return s;
                                  }()}),
    [](const testing::TestParamInfo<FontNameCase> &info) { return std::string(info.param.name); });

} // namespace
