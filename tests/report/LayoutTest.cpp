#include "ReportColor.h"
#include "ReportTestSupport.h"
#include "ReportUnits.h"
#include "TextFonts.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string rowName(const char *name)
{
    return name;
}

// Every element of the form at its box, in declaration order (memos after a run without a
// picture: 93 mm high).
struct ElementRow
{
    const char *name;
    double left, top, width, height;
};

class TemplateElement : public testing::TestWithParam<std::pair<int, ElementRow>>
{
};

TEST_P(TemplateElement, StandsAtItsBoxInDeclarationOrder)
{
    const auto &[index, row] = GetParam();
    TQuickReport2 form;
    ASSERT_TRUE(form.run());
    ASSERT_EQ(form.elements().size(), 18u);
    const TQRElement *element = form.elements()[static_cast<std::size_t>(index)];
    EXPECT_EQ(element->name(), QString::fromLatin1(row.name));
    EXPECT_NEAR(element->box().left(), row.left, 1e-9);
    EXPECT_NEAR(element->box().top(), row.top, 1e-9);
    EXPECT_NEAR(element->box().width(), row.width, 1e-9);
    EXPECT_NEAR(element->box().height(), row.height, 1e-9);
}

const ElementRow kElements[] = {
    {"QRShape1", 30.00, 20.00, 120.00, 120.00}, {"QRShape2", 36.00, 150.00, 138.00, 117.00},
    {"QRLabel1", 31.75, 23.81, 116.75, 10.91},  {"QRMemo1", 31.75, 42.00, 116.75, 93.00},
    {"QRShape3", 30.00, 150.00, 6.00, 117.00},  {"QRLabel2", 37.04, 153.79, 135.27, 8.27},
    {"QRShape4", 174.00, 150.00, 6.00, 117.00}, {"QRMemo2", 37.04, 167.02, 135.27, 93.00},
    {"QRLabel3", 21.83, 16.21, 6.95, 5.62},     {"QRLabel4", 19.51, 145.52, 6.95, 5.62},
    {"QRLabel5", 34.07, 268.88, 4.63, 7.28},    {"QRLabel6", 172.97, 268.88, 4.63, 7.28},
    {"QRLabel7", 73.09, 10.58, 123.03, 6.61},   {"QRLabel8", 29.00, 151.80, 8.27, 112.78},
    {"QRLabel9", 173.00, 152.14, 8.27, 112.45}, {"QRMemo3", 153.46, 21.17, 42.66, 18.85},
    {"QRImage1", 68.79, 90.00, 45.00, 45.00},   {"QRImage2", 82.02, 215.00, 44.98, 44.98},
};

std::vector<std::pair<int, ElementRow>> elementRows()
{
    std::vector<std::pair<int, ElementRow>> rows;
    rows.reserve(std::size(kElements));
    for (int i = 0; i < int(std::size(kElements)); ++i)
        rows.emplace_back(i, kElements[i]);
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Form, TemplateElement, testing::ValuesIn(elementRows()),
                         [](const auto &info) { return rowName(info.param.second.name); });

TEST(TemplateElement, DrawsTheSpinesAfterTheCaseTexts)
{
    TQuickReport2 form;
    QStringList order;
    for (const TQRElement *element : form.drawOrder())
        order.append(element->name());
    EXPECT_EQ(
        order.join(QLatin1Char(' ')),
        QStringLiteral("QRShape1 QRShape2 QRLabel1 QRMemo1 QRLabel2 QRMemo2 QRShape3 QRShape4 "
                       "QRLabel3 QRLabel4 QRLabel5 QRLabel6 QRLabel7 QRLabel8 QRLabel9 QRMemo3 "
                       "QRImage1 QRImage2"));
}

TEST(TemplateElement, ShapesAtWholeDotsOnA300DpiDevice)
{
    const LaidOutPage page = composedPage(DesignFields());
    const PageMapping dots = PageMapping::forDevice(300, 300);
    struct Expected
    {
        const char *name;
        QRect rect; // left, top, right + 1, bottom + 1 in dots
    } expected[] = {
        {"QRShape1", QRect(QPoint(354, 236), QPoint(1771, 1653))},
        {"QRShape2", QRect(QPoint(425, 1772), QPoint(2054, 3153))},
        {"QRShape3", QRect(QPoint(354, 1772), QPoint(424, 3153))},
        {"QRShape4", QRect(QPoint(2055, 1772), QPoint(2125, 3153))},
    };
    for (const Expected &e : expected) {
        const FilledBox *box = page.filledBox(QString::fromLatin1(e.name));
        ASSERT_NE(box, nullptr) << e.name;
        const QRectF mapped = dots.map(box->boxMm);
        EXPECT_EQ(QRect(QPoint(qRound(mapped.left()), qRound(mapped.top())),
                        QPoint(qRound(mapped.right()) - 1, qRound(mapped.bottom()) - 1)),
                  e.rect)
            << e.name;
    }
}

// The largest title that prints differs between the folder (10.91 mm box) and the case paper
// (8.27 mm box); a line taller than its box plus 0.1 mm prints nothing at all.
struct TitleRow
{
    const char *name;
    int size;
    bool folderPrints;
    bool casePrints;
};

class TitleHeight : public testing::TestWithParam<TitleRow>
{
};

TEST_P(TitleHeight, TitleTallerThanItsBoxPrintsNothing)
{
    const TitleRow &row = GetParam();
    DesignFields design;
    design.title = "Title";
    design.style(TextSlot::FolderTitle).size = row.size;
    design.style(TextSlot::CaseTitle).size = row.size;
    const LaidOutPage page = composedPage(design);
    EXPECT_EQ(page.textRuns(QStringLiteral("QRLabel1")).size(), row.folderPrints ? 1u : 0u);
    EXPECT_EQ(page.textRuns(QStringLiteral("QRLabel2")).size(), row.casePrints ? 1u : 0u);
    for (const TextRun *run : page.textRuns(QStringLiteral("QRLabel2")))
        EXPECT_LE(run->lineMm.bottom(), 153.79 + 8.27 + 0.1);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TitleHeight,
                         testing::Values(TitleRow {"default_18", 18, true, true},
                                         TitleRow {"largest_on_case_21", 21, true, true},
                                         TitleRow {"too_tall_for_case_22", 22, true, false},
                                         TitleRow {"largest_on_folder_27", 27, true, false},
                                         TitleRow {"too_tall_for_folder_28", 28, false, false}),
                         [](const auto &info) { return rowName(info.param.name); });

TEST(TitleLine, SitsAtTheTopOfItsBoxCentred)
{
    DesignFields design;
    design.title = "Title";
    const LaidOutPage page = composedPage(design);
    const auto runs = page.textRuns(QStringLiteral("QRLabel1"));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_DOUBLE_EQ(runs[0]->lineMm.top(), 23.81);
    EXPECT_NEAR(runs[0]->lineMm.center().x(), 31.75 + 116.75 / 2, 1e-9);
    // ascent plus descent of 18-point Liberation Sans: 1.117 em
    EXPECT_NEAR(runs[0]->lineMm.height(), 18 * 1.1172 * kMmPerPoint, 0.01);
    EXPECT_EQ(runs[0]->font, (FontSpec {QStringLiteral("Arial"), 18, true, false, false, false}));
}

TEST(SideTitle, StacksOneCharacterPerLineCentredInTheStrip)
{
    DesignFields design;
    design.title = "AB";
    const LaidOutPage page = composedPage(design);
    for (const char *side : {"QRLabel8", "QRLabel9"}) {
        const auto runs = page.textRuns(QString::fromLatin1(side));
        ASSERT_EQ(runs.size(), 2u) << side; // the empty third line leaves no mark
        EXPECT_EQ(runs[0]->text, QStringLiteral("A"));
        EXPECT_EQ(runs[1]->text, QStringLiteral("B"));
        EXPECT_NEAR(runs[1]->lineMm.top() - runs[0]->lineMm.top(), runs[0]->lineMm.height(), 1e-9);
        const double left = side == std::string("QRLabel8") ? 29.00 : 173.00;
        EXPECT_NEAR(runs[0]->lineMm.center().x(), left + 8.27 / 2, 1e-9);
        EXPECT_EQ(runs[0]->color, QColor(Qt::white));
    }
}

TEST(SideTitle, LongTitleShowsTheSameLeadingCharactersOnBothSpines)
{
    DesignFields design;
    design.title = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const LaidOutPage page = composedPage(design);
    const QStringList left = runTexts(page, QStringLiteral("QRLabel8"));
    // 112.78 mm of 3.94 mm lines (10-point bold): 28 whole lines.
    ASSERT_EQ(left.size(), 28);
    EXPECT_EQ(left.join(QString()), QString::fromStdString(design.title).left(28));
    EXPECT_EQ(runTexts(page, QStringLiteral("QRLabel9")), left);
}

TEST(SideTitle, SpaceIsAnEmptyLookingLineOfItsOwn)
{
    DesignFields design;
    design.title = "A B";
    const LaidOutPage page = composedPage(design);
    const auto runs = page.textRuns(QStringLiteral("QRLabel8"));
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1]->text, QStringLiteral(" "));
    EXPECT_NEAR(runs[2]->lineMm.top() - runs[0]->lineMm.top(), 2 * runs[0]->lineMm.height(), 1e-9);
}

// A long contents list ends at the last whole line of each memo.
struct MemoRow
{
    const char *name;
    ImagePlacement placement;
    int folderLines;
    int caseLines;
};

class MemoLines : public testing::TestWithParam<MemoRow>
{
};

TEST_P(MemoLines, EndAtTheLastWholeLineOfTheMemo)
{
    const MemoRow &row = GetParam();
    DesignFields design;
    for (int i = 1; i <= 60; ++i)
        design.contents.push_back("Track " + std::to_string(i));
    design.imagePlacement = row.placement;
    const LaidOutPage page = composedPage(design);
    const QStringList folder = runTexts(page, QStringLiteral("QRMemo1"));
    const QStringList caseLines = runTexts(page, QStringLiteral("QRMemo2"));
    EXPECT_EQ(folder.size(), row.folderLines);
    EXPECT_EQ(caseLines.size(), row.caseLines);
    EXPECT_EQ(folder.last(), QStringLiteral("Track %1").arg(row.folderLines));
    const auto runs = page.textRuns(QStringLiteral("QRMemo2"));
    EXPECT_NEAR(runs.front()->lineMm.top(), 167.02, 1e-9);
    EXPECT_LE(runs.back()->lineMm.bottom(),
              167.02 + (row.caseLines > 20 ? 93.0 : 42.0) + kLineOverflowToleranceMm);
}

// 93 mm holds 23 lines of 3.94 mm, 42 mm holds 10.
INSTANTIATE_TEST_SUITE_P(Placements, MemoLines,
                         testing::Values(MemoRow {"None", ImagePlacement::None, 23, 23},
                                         MemoRow {"FolderOnly", ImagePlacement::FolderOnly, 10, 23},
                                         MemoRow {"CaseOnly", ImagePlacement::CaseOnly, 23, 10},
                                         MemoRow {"Both", ImagePlacement::Both, 10, 10}),
                         [](const auto &info) { return rowName(info.param.name); });

TEST(MemoLines, LineThatReachesAtMostATenthBelowTheBoxIsDrawn)
{
    FontSpec wanted {QStringLiteral("Arial"), 10, false, false, false, false};
    const QFontMetricsF metrics(layoutFont(wanted));
    const double lineMm = (metrics.ascent() + metrics.descent()) * kMmPerLayoutUnit;
    for (const auto &[height, lines] : std::vector<std::pair<double, int>> {
             {2 * lineMm - 0.099, 2}, {2 * lineMm - 0.101, 1}, {lineMm - 0.101, 0}}) {
        auto memo = textElement<TQRMemo>(QRectF(10, 10, 100, height), true);
        memo->setLines({"one", "two", "three"});
        EXPECT_EQ(runTexts(pageOf(*memo), QStringLiteral("Text")).size(), lines)
            << "height " << height;
    }
}

// Alignment, with the italic right-alignment rule: the line ends one space short.
struct AlignRow
{
    const char *name;
    TAlignment alignment;
    bool italic;
};

class Alignment : public testing::TestWithParam<AlignRow>
{
};

TEST_P(Alignment, PlacesTheLineInItsBox)
{
    const AlignRow &row = GetParam();
    const QRectF boxMm(20, 30, 100, 20);
    auto memo = textElement<TQRMemo>(boxMm, true, row.italic);
    memo->setAlignment(row.alignment);
    memo->setLines({"Some words"});
    const LaidOutPage page = pageOf(*memo);
    const auto runs = page.textRuns(QStringLiteral("Text"));
    ASSERT_EQ(runs.size(), 1u);
    const QRectF &line = runs[0]->lineMm;
    const QFontMetricsF metrics(layoutFont(runs[0]->font));
    const double spaceMm = metrics.horizontalAdvance(QLatin1Char(' ')) * kMmPerLayoutUnit;
    switch (row.alignment) {
    case TAlignment::taLeftJustify:
        EXPECT_NEAR(line.left(), boxMm.left(), 1e-9);
        break;
    case TAlignment::taCenter:
        EXPECT_NEAR(line.center().x(), boxMm.center().x(), 1e-9);
        break;
    case TAlignment::taRightJustify:
        EXPECT_NEAR(line.right(), boxMm.right() - (row.italic ? spaceMm : 0.0), 1e-9);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, Alignment,
                         testing::Values(AlignRow {"left", TAlignment::taLeftJustify, false},
                                         AlignRow {"left_italic", TAlignment::taLeftJustify, true},
                                         AlignRow {"centre", TAlignment::taCenter, false},
                                         AlignRow {"centre_italic", TAlignment::taCenter, true},
                                         AlignRow {"right", TAlignment::taRightJustify, false},
                                         AlignRow {"right_italic_one_space_short",
                                                   TAlignment::taRightJustify, true}),
                         [](const auto &info) { return rowName(info.param.name); });

TEST(Alignment, NoteEndsOneItalicSpaceShortOfItsBox)
{
    const LaidOutPage page = composedPage(DesignFields());
    const auto runs = page.textRuns(QStringLiteral("QRMemo3"));
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0]->text, QStringLiteral("I'm using CD Vennix Designer."));
    // A space of 8-point Liberation Sans Italic is 0.784 mm.
    EXPECT_NEAR(runs[0]->lineMm.right(), 196.12 - 0.784, 0.001);
    const FilledBox *white = page.filledBox(QStringLiteral("QRMemo3"));
    ASSERT_NE(white, nullptr);
    EXPECT_EQ(white->fill, QColor(Qt::white));
}

// Breaking lines into pieces after spaces and hyphens. Box widths are made from the measured
// widths of the pieces so that the rows hold for any font version.
struct WrapRow
{
    const char *name;
    bool wordWrap;
    QString text;
    QStringList widthOf; // the box is as wide as the widest of these, plus a hair
    QStringList expected;
};

void PrintTo(const WrapRow &row, std::ostream *os)
{
    *os << row.name;
}

class WordWrap : public testing::TestWithParam<WrapRow>
{
};

TEST_P(WordWrap, BreaksAfterSpacesAndHyphens)
{
    const WrapRow &row = GetParam();
    const QFontMetricsF metrics(
        layoutFont(FontSpec {QStringLiteral("Arial"), 10, false, false, false, false}));
    double widest = 0;
    for (const QString &piece : row.widthOf)
        widest = std::max(widest, metrics.horizontalAdvance(piece));
    const QRectF boxMm(10, 10, widest * kMmPerLayoutUnit + 0.01, 100);
    auto label = textElement<TQRLabel>(boxMm, row.wordWrap);
    label->setText(row.text);
    EXPECT_EQ(runTexts(pageOf(*label), QStringLiteral("Text")), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WordWrap,
    testing::Values(
        WrapRow {
            "space_breaks", true, "alpha beta gamma", {"alpha beta "}, {"alpha beta ", "gamma"}},
        WrapRow {"hyphen_stays_at_end_of_its_piece",
                 true,
                 "well-known art",
                 {"well-", "known "},
                 {"well-", "known ", "art"}},
        WrapRow {"piece_wider_than_box_keeps_leading_characters",
                 true,
                 "abcdefghijklmnop xy",
                 {"abcdef"},
                 {"abcdef", "xy"}},
        WrapRow {"no_wrap_drops_rest_of_line",
                 false,
                 "alpha beta gamma",
                 {"alpha beta "},
                 {"alpha beta "}},
        WrapRow {"no_wrap_first_piece_cut", false, "abcdefghijklmnop xy", {"abcdef"}, {"abcdef"}},
        WrapRow {"carriage_return_breaks_line_feed_removed",
                 false,
                 "one\r\ntwo",
                 {"one two"},
                 {"one", "two"}},
        WrapRow {"trailing_carriage_return_adds_empty_line", true, "one\r", {"one two"}, {"one"}},
        WrapRow {"everything_fits", true, "one two", {"one two"}, {"one two"}}),
    [](const auto &info) { return rowName(info.param.name); });

TEST(WordWrap, EmptyLineTakesItsRoom)
{
    auto memo = textElement<TQRMemo>(QRectF(10, 10, 100, 100), true);
    memo->setLines({"one", "", "three"});
    const LaidOutPage page = pageOf(*memo);
    const auto runs = page.textRuns(QStringLiteral("Text"));
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[1]->lineMm.top() - runs[0]->lineMm.top(), 2 * runs[0]->lineMm.height(), 1e-9);
}

TEST(Marks, StandInGlyphsOnAutoSizedWhiteBoxes)
{
    const LaidOutPage page = composedPage(DesignFields());
    struct Mark
    {
        const char *name;
        char16_t glyph;
        QPointF topLeft;
    } marks[] = {
        {"QRLabel3", 0x2702, {21.83, 16.21}},
        {"QRLabel4", 0x2702, {19.51, 145.52}},
        {"QRLabel5", 0x21B2, {34.07, 268.88}},
        {"QRLabel6", 0x21B3, {172.97, 268.88}},
    };
    for (const Mark &mark : marks) {
        const auto runs = page.textRuns(QString::fromLatin1(mark.name));
        ASSERT_EQ(runs.size(), 1u) << mark.name;
        const FilledBox *white = page.filledBox(QString::fromLatin1(mark.name));
        ASSERT_NE(white, nullptr);
        EXPECT_EQ(white->fill, QColor(Qt::white));
        EXPECT_EQ(white->boxMm.topLeft(), mark.topLeft);
        // The box takes the width of its text.
        EXPECT_NEAR(white->boxMm.width(), runs[0]->lineMm.width(), 1e-9);
        if (!fontFamilyInstalled(QStringLiteral("Wingdings"))) {
            EXPECT_EQ(runs[0]->text, QString(QChar(mark.glyph))) << mark.name;
            EXPECT_EQ(runs[0]->font.family, QStringLiteral("DejaVu Sans"));
            EXPECT_EQ(runs[0]->font.pointSize, 14);
        }
    }
}

struct ClampRow
{
    const char *name;
    int size;
    int clamped;
};

class FontSize : public testing::TestWithParam<ClampRow>
{
};

TEST_P(FontSize, IsClampedAtTheElement)
{
    const ClampRow &row = GetParam();
    DesignFields design;
    design.title = "Title";
    design.contents = {"line"};
    for (TextSlot slot : kAllTextSlots)
        design.style(slot).size = row.size;
    TQuickReport2 form(&design);
    ASSERT_TRUE(form.run());
    EXPECT_EQ(form.QRLabel1.font().size, row.clamped);
    EXPECT_EQ(form.QRMemo2.font().size, row.clamped);
}

INSTANTIATE_TEST_SUITE_P(Rows, FontSize,
                         testing::Values(ClampRow {"zero", 0, kMinFontPoints},
                                         ClampRow {"negative", -12, kMinFontPoints},
                                         ClampRow {"smallest", 1, 1}, ClampRow {"normal", 18, 18},
                                         ClampRow {"largest", kMaxFontPoints, kMaxFontPoints},
                                         ClampRow {"absurd", 2000000000, kMaxFontPoints}),
                         [](const auto &info) { return rowName(info.param.name); });

TEST(HostileDesign, HugeTitleAndContentsLayOutToWhatFits)
{
    DesignFields design;
    design.title = std::string(1'000'000, 'W');
    design.contents.assign(2'000, std::string(4096, 'i'));
    design.contents.front() = std::string(200'000, ' ');
    design.style(TextSlot::FolderContents).size = 1;
    const LaidOutPage page = composedPage(design);
    const auto title = page.textRuns(QStringLiteral("QRLabel1"));
    ASSERT_EQ(title.size(), 1u);
    EXPECT_LE(title[0]->lineMm.width(), 116.75);
    EXPECT_EQ(page.textRuns(QStringLiteral("QRLabel8")).size(), 28u);
    // 93 mm of 1-point lines
    EXPECT_LE(page.textRuns(QStringLiteral("QRMemo1")).size(), 237u);
}

TEST(TextColour, NoColourDrawsNoText)
{
    DesignFields design;
    design.title = "Title";
    design.style(TextSlot::FolderTitle).color = clNone;
    design.folderBackground = clNone;
    const LaidOutPage page = composedPage(design);
    EXPECT_TRUE(page.textRuns(QStringLiteral("QRLabel1")).empty());
    EXPECT_EQ(page.textRuns(QStringLiteral("QRLabel2")).size(), 1u);
    EXPECT_FALSE(page.filledBox(QStringLiteral("QRShape1"))->fill.isValid());
}

struct ColourRow
{
    const char *name;
    TColor color;
    QColor expected;
};

class ColourOnPaper : public testing::TestWithParam<ColourRow>
{
};

TEST_P(ColourOnPaper, FromTColor)
{
    EXPECT_EQ(colorFromTColor(GetParam().color), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ColourOnPaper,
    testing::Values(
        ColourRow {"red", clRed, QColor(255, 0, 0)},
        ColourRow {"bytes_bbggrr", 0x00332211, QColor(0x11, 0x22, 0x33)},
        ColourRow {"window_text", clWindowText, QColor(0, 0, 0)},
        ColourRow {"info_background", static_cast<TColor>(0x80000018u), QColor(255, 255, 225)},
        ColourRow {"unknown_system_element", static_cast<TColor>(0x800000FFu), QColor(0, 0, 0)},
        ColourRow {"palette_relative", 0x02FF0000, QColor(0, 0, 255)},
        ColourRow {"none", clNone, QColor()}),
    [](const auto &info) { return rowName(info.param.name); });

} // namespace
