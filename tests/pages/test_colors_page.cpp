#include "ColorsPage.h"
#include "FontsPage.h"
#include "page_views_fake.h"

#include <gtest/gtest.h>

namespace {

class ColorsPageTest : public ::testing::Test
{
protected:
    CaseDesign design;
    FakePageViews views;
    ColorsPage colors {design, views};
    FontsPage fonts {design, views};

    void SetUp() override
    {
        // What the window shows when it is created.
        colors.selectTarget(ColorTarget::FolderTitleColor);
        colors.showAllColors();
        fonts.refresh();
    }

    void clickSwatch(std::string_view ident)
    {
        colors.swatchPressed(ident);
        colors.swatchReleased();
    }
};

struct TargetRow
{
    const char *name;
    ColorTarget target;
    TColor DesignFields::*field; // nullptr for a text target
    TextSlot slot;
};

void PrintTo(const TargetRow &row, std::ostream *out)
{
    *out << row.name;
}

class ColorTargetTest : public ColorsPageTest, public ::testing::WithParamInterface<TargetRow>
{
};

TEST_P(ColorTargetTest, swatchClickColoursOnlyTheSelectedTarget)
{
    const TargetRow row = GetParam();
    colors.selectTarget(row.target);
    EXPECT_FALSE(design.modified) << "selecting a target sets nothing";

    DesignFields expected = design.fields();
    if (row.field)
        expected.*row.field = clMaroon;
    else
        expected.style(row.slot).color = clMaroon;
    expected.modified = true;

    clickSwatch("clMaroon");

    EXPECT_EQ(design.fields(), expected);
    EXPECT_EQ(views.targetColors[row.target], clMaroon);
    views.expectShows(design);
    EXPECT_EQ(views.checkedTarget, row.target);
}

INSTANTIATE_TEST_SUITE_P(
    EightTargets, ColorTargetTest,
    ::testing::Values(TargetRow {"FolderTitleColor", ColorTarget::FolderTitleColor, nullptr,
                                 TextSlot::FolderTitle},
                      TargetRow {"FolderContentsColor", ColorTarget::FolderContentsColor, nullptr,
                                 TextSlot::FolderContents},
                      TargetRow {"FolderBackground", ColorTarget::FolderBackground,
                                 &DesignFields::folderBackground, TextSlot::FolderTitle},
                      TargetRow {"CaseTitleColor", ColorTarget::CaseTitleColor, nullptr,
                                 TextSlot::CaseTitle},
                      TargetRow {"CaseContentsColor", ColorTarget::CaseContentsColor, nullptr,
                                 TextSlot::CaseContents},
                      TargetRow {"CaseBackground", ColorTarget::CaseBackground,
                                 &DesignFields::caseBackground, TextSlot::FolderTitle},
                      TargetRow {"SideTitleColor", ColorTarget::SideTitleColor,
                                 &DesignFields::sideTitleColor, TextSlot::FolderTitle},
                      TargetRow {"SideBackground", ColorTarget::SideBackground,
                                 &DesignFields::sideBackground, TextSlot::FolderTitle}),
    [](const ::testing::TestParamInfo<TargetRow> &info) { return std::string(info.param.name); });

TEST_F(ColorsPageTest, startsWithFolderTitleSelectedAndNoColourName)
{
    EXPECT_EQ(colors.selectedTarget(), ColorTarget::FolderTitleColor);
    EXPECT_EQ(colors.currentColorName(), "");
    views.expectShows(design);
}

TEST_F(ColorsPageTest, pressOnlyRemembersTheIdentifier)
{
    const DesignFields before = design.fields();
    colors.swatchPressed("clTeal");
    EXPECT_EQ(colors.currentColorName(), "clTeal");
    EXPECT_EQ(design.fields(), before);
}

TEST_F(ColorsPageTest, releaseAppliesTheSwatchPressedLast)
{
    colors.swatchPressed("clRed");
    colors.swatchPressed("clBlue");
    colors.swatchReleased();
    EXPECT_EQ(design.style(TextSlot::FolderTitle).color, clBlue);
}

TEST_F(ColorsPageTest, sameSwatchTwiceKeepsTheColourAndSetsModifiedAgain)
{
    clickSwatch("clGreen");
    design.modified = false;
    clickSwatch("clGreen");
    EXPECT_EQ(design.style(TextSlot::FolderTitle).color, clGreen);
    EXPECT_TRUE(design.modified);
}

TEST_F(ColorsPageTest, swatchWithTheSameColourAsTheTargetStillSetsModified)
{
    clickSwatch("clBlack");
    EXPECT_EQ(design.style(TextSlot::FolderTitle).color, clBlack);
    EXPECT_TRUE(design.modified);
}

TEST_F(ColorsPageTest, unknownColourNameChangesNothing)
{
    // No swatch carries such a name; the conversion error must leave the design as it was.
    const DesignFields before = design.fields();
    colors.swatchPressed("clNoSuchColour");
    EXPECT_THROW(colors.swatchReleased(), EConvertError);
    EXPECT_EQ(design.fields(), before);
}

TEST_F(ColorsPageTest, everySwatchColoursWithItsOwnColour)
{
    const std::array<TColor, 16> expected {clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                                           clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                                           clBlue,  clFuchsia, clAqua,   clWhite};
    colors.selectTarget(ColorTarget::CaseBackground);
    for (std::size_t i = 0; i < kPaletteSwatches.size(); ++i) {
        const PaletteSwatch &swatch = kPaletteSwatches[i];
        EXPECT_EQ(swatch.imageIndex, static_cast<int>(i));
        EXPECT_EQ(swatch.row * 8 + swatch.column, static_cast<int>(i));
        clickSwatch(swatch.ident);
        EXPECT_EQ(design.caseBackground, expected[i]) << swatch.ident;
    }
}

TEST_F(ColorsPageTest, selectingTheSelectedTargetAgainChangesNothing)
{
    colors.selectTarget(ColorTarget::SideTitleColor);
    const DesignFields before = design.fields();
    colors.selectTarget(ColorTarget::SideTitleColor);
    EXPECT_EQ(design.fields(), before);
    EXPECT_EQ(colors.selectedTarget(), ColorTarget::SideTitleColor);
}

TEST_F(ColorsPageTest, blackAndWhiteOnABlackAndWhiteDesignSetsModifiedAndKeepsTheTarget)
{
    colors.selectTarget(ColorTarget::CaseContentsColor);
    colors.swatchPressed("clLime");
    const DesignFields before = design.fields();
    views.summaryWrites.clear();

    colors.blackAndWhite();

    DesignFields expected = before;
    expected.modified = true;
    EXPECT_EQ(design.fields(), expected);
    EXPECT_EQ(colors.selectedTarget(), ColorTarget::CaseContentsColor);
    EXPECT_EQ(views.checkedTarget, ColorTarget::CaseContentsColor);
    EXPECT_EQ(colors.currentColorName(), "clLime");
    EXPECT_EQ(views.summaryWrites.size(), 4u) << "the Fonts page refresh rewrote the lines";
    views.expectShows(design);
}

TEST_F(ColorsPageTest, blackAndWhiteShowsEveryColourAgain)
{
    for (ColorTarget target : kAllColorTargets) {
        colors.selectTarget(target);
        clickSwatch("clYellow");
    }
    views.expectShows(design);
    colors.blackAndWhite();
    EXPECT_EQ(design.folderBackground, clWhite);
    EXPECT_EQ(design.caseBackground, clWhite);
    EXPECT_EQ(design.sideBackground, clBlack);
    EXPECT_EQ(design.sideTitleColor, clWhite);
    for (TextSlot slot : kAllTextSlots)
        EXPECT_EQ(design.style(slot).color, clBlack);
    views.expectShows(design);
}

TEST_F(ColorsPageTest, textColourReachesTheFontsPageSampleButNotItsSummaryLine)
{
    colors.selectTarget(ColorTarget::FolderContentsColor);
    views.summaryWrites.clear();
    clickSwatch("clRed");
    EXPECT_EQ(views.colorSamples[1], clRed);
    EXPECT_EQ(views.fontSamples[1]->color, clRed);
    EXPECT_TRUE(views.summaryWrites.empty());
    views.expectShows(design);
}

TEST_F(ColorsPageTest, targetAndColourNameSurviveNew)
{
    colors.selectTarget(ColorTarget::SideBackground);
    clickSwatch("clNavy");
    design.resetToNew();
    EXPECT_EQ(colors.selectedTarget(), ColorTarget::SideBackground);
    EXPECT_EQ(views.checkedTarget, ColorTarget::SideBackground);
    EXPECT_EQ(colors.currentColorName(), "clNavy");
    EXPECT_EQ(design.sideBackground, clBlack);
    EXPECT_FALSE(design.modified);
    views.expectShows(design);
}

TEST_F(ColorsPageTest, showingThePageWritesTheSideTitleSample)
{
    design.title = "Greatest Hits";
    colors.pageShown();
    EXPECT_EQ(views.sideTitleSample, "T\ri\rt\rl\re");
    EXPECT_EQ(views.sideTitleSample.size(), 9u);
    EXPECT_FALSE(design.modified);
}

} // namespace
