#include "ContentsLines.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

struct ShownRow
{
    const char *name;
    Lines shown;
    Lines contents;
};

void PrintTo(const ShownRow &row, std::ostream *out)
{
    *out << row.name;
}

class ContentsFromShownLines : public ::testing::TestWithParam<ShownRow>
{
};

TEST_P(ContentsFromShownLines, dropsOnlyAnEmptyLastLine)
{
    EXPECT_EQ(contentsFromShownLines(GetParam().shown), GetParam().contents);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ContentsFromShownLines,
    ::testing::Values(ShownRow {"emptyBox", {}, {}}, ShownRow {"oneEmptyLine", {""}, {}},
                      ShownRow {"textWithoutBreak", {"a", "b"}, {"a", "b"}},
                      ShownRow {"textEndingInBreak", {"a", "b", ""}, {"a", "b"}},
                      ShownRow {"twoBreaksAtTheEnd", {"a", "", ""}, {"a", ""}},
                      ShownRow {"emptyLinesInside", {"", "a", "", "b"}, {"", "a", "", "b"}},
                      ShownRow {"blankIsNotEmpty", {"a", " "}, {"a", " "}}),
    [](const ::testing::TestParamInfo<ShownRow> &info) { return std::string(info.param.name); });

TEST(ContentsBoxText, everyLineEndsWithABreak)
{
    EXPECT_EQ(contentsBoxText({}), "");
    EXPECT_EQ(contentsBoxText({"a"}), "a\n");
    EXPECT_EQ(contentsBoxText({"a", "", "b"}), "a\n\nb\n");
}

// What the box shows for a text without wrapping: its lines split at the breaks.
Lines shownLinesOf(const std::string &text)
{
    Lines lines {""};
    for (char c : text) {
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    return lines;
}

TEST(ContentsBoxText, readingTheBoxBackGivesTheSameLines)
{
    for (const Lines &contents : {Lines {}, Lines {""}, Lines {"a"}, Lines {"a", ""},
                                  Lines {"", ""}, Lines {"Track 1", "", "Track 2", " "}}) {
        EXPECT_EQ(contentsFromShownLines(shownLinesOf(contentsBoxText(contents))), contents);
    }
}

} // namespace
