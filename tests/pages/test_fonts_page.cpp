#include "ColorsPage.h"
#include "DesignFile.h"
#include "FontsPage.h"
#include "page_views_fake.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class FontsPageTest : public ::testing::Test
{
protected:
    CaseDesign design;
    FakePageViews views;
    ColorsPage colors {design, views};
    FontsPage fonts {design, views};
    ScriptedFontDialog dialog;

    void SetUp() override
    {
        colors.selectTarget(ColorTarget::FolderTitleColor);
        colors.showAllColors();
        fonts.refresh();
        views.summaryWrites.clear();
    }
};

TEST_F(FontsPageTest, startsWithTheStartUpSummaryLines)
{
    EXPECT_EQ(views.summaryLines[0], "Arial, 18p");
    EXPECT_EQ(views.summaryLines[1], "Arial, 10p");
    EXPECT_EQ(views.summaryLines[2], "Arial, 18p");
    EXPECT_EQ(views.summaryLines[3], "Arial, 10p");
    views.expectShows(design);
}

TEST_F(FontsPageTest, dialogIsPresetWithTheWholeFont)
{
    TextStyle &style = design.style(TextSlot::CaseTitle);
    style = TextStyle {"Liberation Serif",   22, clPurple, false, true, true, true,
                       TextAlignment::Right, 161};
    fonts.setFont(TextSlot::CaseTitle, dialog);
    ASSERT_EQ(dialog.presets.size(), 1u);
    EXPECT_EQ(dialog.presets[0],
              (DialogFont {"Liberation Serif", 22, clPurple, false, true, true, true, 161}));
    EXPECT_EQ(dialog.shown, 1);
}

TEST_F(FontsPageTest, cancelChangesNothingButSetsModified)
{
    const DesignFields before = design.fields();
    fonts.setFont(TextSlot::FolderTitle, dialog);

    DesignFields expected = before;
    expected.modified = true;
    EXPECT_EQ(design.fields(), expected);
    EXPECT_EQ(views.summaryLines[0], "Arial, 18p");
    views.expectShows(design);
}

TEST_F(FontsPageTest, chosenFontRewritesOnlyItsOwnSummaryLine)
{
    dialog.chooseOnOk = DialogFont {"Courier New", 12, clBlack, false, false, false, false, 0};
    fonts.setFont(TextSlot::CaseContents, dialog);

    EXPECT_EQ(views.summaryLines[3], "Courier New, 12p");
    EXPECT_EQ(views.summaryWrites, std::vector<TextSlot> {TextSlot::CaseContents});
    EXPECT_EQ(views.summaryLines[0], "Arial, 18p");
    EXPECT_EQ(views.summaryLines[1], "Arial, 10p");
    EXPECT_EQ(views.summaryLines[2], "Arial, 18p");
    const TextStyle &style = design.style(TextSlot::CaseContents);
    EXPECT_EQ(style.fontName, "Courier New");
    EXPECT_EQ(style.size, 12);
    EXPECT_FALSE(style.bold);
    EXPECT_EQ(style.alignment, TextAlignment::Center) << "the dialog has no alignment";
    EXPECT_TRUE(design.modified);
    views.expectShows(design);
}

TEST_F(FontsPageTest, colourChosenInTheDialogColoursTheColoursPageSample)
{
    dialog.chooseOnOk = DialogFont {"Arial", 18, clRed, true, false, false, false, 0};
    fonts.setFont(TextSlot::FolderTitle, dialog);
    EXPECT_EQ(design.style(TextSlot::FolderTitle).color, clRed);
    EXPECT_EQ(views.colorSamples[0], clRed);
    EXPECT_EQ(views.targetColors[ColorTarget::FolderTitleColor], clRed);
    views.expectShows(design);
}

TEST_F(FontsPageTest, fontNameFollowsTheDesignRulesForNames)
{
    dialog.chooseOnOk = DialogFont {"", 14, clBlack, true, false, false, false, 0};
    fonts.setFont(TextSlot::FolderContents, dialog);
    EXPECT_EQ(design.style(TextSlot::FolderContents).fontName, "Arial") << "empty name is ignored";
    EXPECT_EQ(views.summaryLines[1], "Arial, 14p");

    dialog.chooseOnOk->name = std::string(40, 'W');
    fonts.setFont(TextSlot::FolderContents, dialog);
    EXPECT_EQ(design.style(TextSlot::FolderContents).fontName, std::string(31, 'W'));
    EXPECT_EQ(views.summaryLines[1], std::string(31, 'W') + ", 14p");
}

TEST_F(FontsPageTest, scriptStaysWithTheBlockThroughNew)
{
    dialog.chooseOnOk = DialogFont {"DejaVu Sans", 30, clNavy, false, true, false, false, 204};
    fonts.setFont(TextSlot::FolderContents, dialog);
    EXPECT_EQ(design.style(TextSlot::FolderContents).charset, 204);

    design.resetToNew();
    const TextStyle &style = design.style(TextSlot::FolderContents);
    EXPECT_EQ(style.charset, 204);
    EXPECT_EQ(style.fontName, "Arial");
    EXPECT_EQ(style.size, 10);
    EXPECT_EQ(style.color, clBlack);
    EXPECT_EQ(views.summaryLines[1], "Arial, 10p");
    views.expectShows(design);
}

TEST_F(FontsPageTest, alignmentActsOnlyOnAChange)
{
    fonts.chooseAlignment(TextSlot::CaseTitle, TextAlignment::Right);
    EXPECT_EQ(design.style(TextSlot::CaseTitle).alignment, TextAlignment::Right);
    EXPECT_EQ(views.fontSamples[2]->alignment, TextAlignment::Right);
    EXPECT_EQ(views.fontSamples[0]->alignment, TextAlignment::Center);
    EXPECT_TRUE(design.modified);
    views.expectShows(design);

    design.modified = false;
    fonts.chooseAlignment(TextSlot::CaseTitle, TextAlignment::Right);
    EXPECT_FALSE(design.modified);
}

TEST_F(FontsPageTest, refreshDoesNotTouchModified)
{
    fonts.refresh();
    EXPECT_FALSE(design.modified);
    design.modified = true;
    fonts.refresh();
    EXPECT_TRUE(design.modified);
}

TEST_F(FontsPageTest, blackAndWhiteRewritesTheLinesWithTheSameText)
{
    for (TextSlot slot : kAllTextSlots)
        design.style(slot).color = clFuchsia;
    colors.showAllColors();
    colors.blackAndWhite();
    EXPECT_EQ(views.summaryWrites.size(), 4u);
    EXPECT_EQ(views.summaryLines[0], "Arial, 18p");
    for (TextSlot slot : kAllTextSlots)
        EXPECT_EQ(views.fontSamples[FakePageViews::index(slot)]->color, clBlack);
    views.expectShows(design);
}

// Every edit that touches what a sample shows, followed by the check that all of them show
// the design.
struct EditRow
{
    const char *name;
    std::function<void(CaseDesign &, ColorsPage &, FontsPage &, ScriptedFontDialog &)> edit;
};

void PrintTo(const EditRow &row, std::ostream *out)
{
    *out << row.name;
}

class SamplesStayTrue : public FontsPageTest, public ::testing::WithParamInterface<EditRow>
{
};

TEST_P(SamplesStayTrue, afterEachEdit)
{
    // Start from a design unlike the start-up one.
    colors.selectTarget(ColorTarget::CaseContentsColor);
    colors.swatchPressed("clOlive");
    colors.swatchReleased();
    fonts.chooseAlignment(TextSlot::FolderTitle, TextAlignment::Left);
    dialog.chooseOnOk = DialogFont {"DejaVu Serif", 9, clAqua, false, true, true, false, 0};
    fonts.setFont(TextSlot::FolderContents, dialog);
    dialog.chooseOnOk.reset();

    GetParam().edit(design, colors, fonts, dialog);
    views.expectShows(design);
}

std::filesystem::path writeDesignFixture()
{
    auto path = std::filesystem::temp_directory_path()
        / ("fonts_page_test_" + std::to_string(::getpid()) + ".vnx");
    std::ofstream out(path, std::ios::binary);
    out << "[title]\r\ntext=Loaded\r\n[cont]\r\nno=1\r\n1=one\r\n"
           "[backg]\r\nfold=clRed\r\ncase=clBlue\r\nside=clGreen\r\n"
           "[ftf]\r\nname=Liberation Serif\r\nsize=20\r\ncolor=clNavy\r\nalign=0\r\nbold=0\r\n"
           "italic=1\r\nunderline=0\r\nstrikeout=0\r\n"
           "[fcf]\r\nname=Arial\r\nsize=11\r\ncolor=clTeal\r\nalign=2\r\nbold=1\r\n"
           "[ctf]\r\nname=Arial\r\nsize=16\r\ncolor=$000080FF\r\nalign=1\r\n"
           "[ccf]\r\nname=DejaVu Sans\r\nsize=8\r\ncolor=clMaroon\r\nalign=2\r\nunderline=1\r\n";
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Edits, SamplesStayTrue,
    ::testing::Values(
        EditRow {"paletteOnText",
                 [](CaseDesign &, ColorsPage &c, FontsPage &, ScriptedFontDialog &) {
                     c.selectTarget(ColorTarget::FolderTitleColor);
                     c.swatchPressed("clPurple");
                     c.swatchReleased();
                 }},
        EditRow {"paletteOnSpines",
                 [](CaseDesign &, ColorsPage &c, FontsPage &, ScriptedFontDialog &) {
                     c.selectTarget(ColorTarget::SideBackground);
                     c.swatchPressed("clSilver");
                     c.swatchReleased();
                 }},
        EditRow {"blackAndWhite",
                 [](CaseDesign &, ColorsPage &c, FontsPage &, ScriptedFontDialog &) {
                     c.blackAndWhite();
                 }},
        EditRow {"setFontOk",
                 [](CaseDesign &, ColorsPage &, FontsPage &f, ScriptedFontDialog &d) {
                     d.chooseOnOk
                         = DialogFont {"Liberation Mono", 64, clLime, true, true, true, true, 2};
                     f.setFont(TextSlot::CaseTitle, d);
                 }},
        EditRow {"setFontCancel",
                 [](CaseDesign &, ColorsPage &, FontsPage &f, ScriptedFontDialog &d) {
                     f.setFont(TextSlot::FolderContents, d);
                 }},
        EditRow {"alignment",
                 [](CaseDesign &, ColorsPage &, FontsPage &f, ScriptedFontDialog &) {
                     f.chooseAlignment(TextSlot::CaseContents, TextAlignment::Right);
                 }},
        EditRow {"new",
                 [](CaseDesign &design, ColorsPage &, FontsPage &, ScriptedFontDialog &) {
                     design.resetToNew();
                 }},
        EditRow {"open",
                 [](CaseDesign &design, ColorsPage &, FontsPage &, ScriptedFontDialog &) {
                     const auto path = writeDesignFixture();
                     readDesignFile(design, path.string());
                     std::filesystem::remove(path);
                     EXPECT_EQ(design.style(TextSlot::CaseTitle).color, 0x000080FF);
                     EXPECT_EQ(design.style(TextSlot::FolderTitle).alignment, TextAlignment::Left);
                     EXPECT_EQ(design.sideBackground, clGreen);
                 }}),
    [](const ::testing::TestParamInfo<EditRow> &info) { return std::string(info.param.name); });

} // namespace
