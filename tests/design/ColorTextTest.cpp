#include "ColorText.h"

#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

struct ParseCase
{
    const char *name;
    std::string text;
    bool ok;
    std::int32_t value = 0;
};

std::string rowName(const char *name)
{
    return name;
}

class StringToIntegerCases : public testing::TestWithParam<ParseCase>
{
};

TEST_P(StringToIntegerCases, ParsesOrFailsQuotingTheWholeText)
{
    const ParseCase &c = GetParam();
    if (c.ok) {
        EXPECT_EQ(StringToInteger(c.text), c.value);
        return;
    }
    try {
        StringToInteger(c.text);
        FAIL() << "parsed '" << c.text << "'";
    } catch (const EConvertError &e) {
        EXPECT_EQ(std::string(e.what()), "'" + c.text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    ColorText, StringToIntegerCases,
    testing::Values(
        ParseCase {"zero", "0", true, 0}, ParseCase {"leading_zeros", "007", true, 7},
        ParseCase {"two_leading_blanks", "  42", true, 42}, ParseCase {"plus", "+42", true, 42},
        ParseCase {"minus_zero", "-0", true, 0}, ParseCase {"negative", "-5", true, -5},
        ParseCase {"int_max", "2147483647", true, 2147483647},
        ParseCase {"int_max_negative", "-2147483647", true, -2147483647},
        ParseCase {"hex_dollar", "$FF", true, 255}, ParseCase {"hex_lower_0x", "0xff", true, 255},
        ParseCase {"hex_upper_0X", "0XFF", true, 255}, ParseCase {"hex_x", "xFF", true, 255},
        ParseCase {"hex_X", "XfF", true, 255},
        ParseCase {"hex_eight_digits", "$000000FF", true, 255},
        ParseCase {"hex_many_leading_zeros", "$0000000000000001", true, 1},
        ParseCase {"hex_all_ones", "$FFFFFFFF", true, -1},
        ParseCase {"hex_top_bit", "$80000000", true, INT32_MIN},
        ParseCase {"hex_after_blanks", "   $10", true, 16}, ParseCase {"empty", "", false},
        ParseCase {"blanks_only", "   ", false}, ParseCase {"trailing_blank", "42 ", false},
        ParseCase {"leading_tab", "\t42", false}, ParseCase {"dollar_alone", "$", false},
        ParseCase {"zero_x_alone", "0x", false}, ParseCase {"minus_alone", "-", false},
        ParseCase {"plus_alone", "+", false}, ParseCase {"exponent", "1e3", false},
        ParseCase {"word", "center", false}, ParseCase {"int_max_plus_one", "2147483648", false},
        ParseCase {"int_min", "-2147483648", false},
        ParseCase {"huge_decimal", "99999999999999999999", false},
        ParseCase {"minus_hex", "-$10", false}, ParseCase {"plus_hex", "+0x10", false},
        ParseCase {"blank_after_sign", "- 5", false},
        ParseCase {"hex_nine_digits", "$100000000", false},
        ParseCase {"hex_bad_digit", "$FG", false}, ParseCase {"double_sign", "--5", false},
        ParseCase {"decimal_point", "1.0", false}, ParseCase {"digit_then_control", "1\x01", false},
        ParseCase {"non_ascii_digit", "\xD9\xA1", false}),
    [](const testing::TestParamInfo<ParseCase> &info) { return rowName(info.param.name); });

struct ColorCase
{
    const char *name;
    std::string text;
    bool ok;
    TColor value = 0;
};

class TextToColorCases : public testing::TestWithParam<ColorCase>
{
};

TEST_P(TextToColorCases, IdentifierOrNumber)
{
    const ColorCase &c = GetParam();
    if (c.ok) {
        EXPECT_EQ(TextToColor(c.text), c.value);
        return;
    }
    try {
        TextToColor(c.text);
        FAIL() << "converted '" << c.text << "'";
    } catch (const EConvertError &e) {
        EXPECT_EQ(std::string(e.what()), "'" + c.text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    ColorText, TextToColorCases,
    testing::Values(
        ColorCase {"ident", "clRed", true, clRed}, ColorCase {"ident_upper", "CLRED", true, clRed},
        ColorCase {"ident_lower", "clred", true, clRed},
        ColorCase {"ident_mixed", "cLrEd", true, clRed}, ColorCase {"decimal", "255", true, clRed},
        ColorCase {"hex_short", "$FF", true, clRed},
        ColorCase {"hex_long", "$000000FF", true, clRed}, ColorCase {"hex_0x", "0xff", true, clRed},
        ColorCase {"hex_x", "xFF", true, clRed}, ColorCase {"none", "clNone", true, clNone},
        ColorCase {"system", "clBtnFace", true, static_cast<TColor>(0x8000000Fu)},
        ColorCase {"system_digit_ident", "CL3DLIGHT", true, static_cast<TColor>(0x80000016u)},
        ColorCase {"system_without_ident", "$80000019", true, static_cast<TColor>(0x80000019u)},
        ColorCase {"blank_before_ident", " clRed", false},
        ColorCase {"blank_after_ident", "clRed ", false},
        ColorCase {"unknown_ident", "clOrange", false}, ColorCase {"empty", "", false},
        // Only a to z fold: a Latin-1 capital in place of a letter is no identifier.
        ColorCase {"non_ascii_letter", "cl\xC3\x84qua", false}),
    [](const testing::TestParamInfo<ColorCase> &info) { return rowName(info.param.name); });

struct TextCase
{
    const char *name;
    TColor value;
    const char *text;
};

class ColorToTextCases : public testing::TestWithParam<TextCase>
{
};

TEST_P(ColorToTextCases, IdentifierOrEightHexDigits)
{
    EXPECT_EQ(ColorToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    ColorText, ColorToTextCases,
    testing::Values(TextCase {"red", clRed, "clRed"}, TextCase {"black", clBlack, "clBlack"},
                    TextCase {"white", clWhite, "clWhite"}, TextCase {"none", clNone, "clNone"},
                    TextCase {"btn_face", static_cast<TColor>(0x8000000Fu), "clBtnFace"},
                    TextCase {"info_bk", static_cast<TColor>(0x80000018u), "clInfoBk"},
                    TextCase {"plain_without_ident", 0x00FF8000, "$00FF8000"},
                    TextCase {"small_value_keeps_zeros", 0x00000001, "$00000001"},
                    TextCase {"system_index_25", static_cast<TColor>(0x80000019u), "$80000019"},
                    TextCase {"minus_one", -1, "$FFFFFFFF"},
                    TextCase {"top_bit_high_index", static_cast<TColor>(0x800000FFu), "$800000FF"}),
    [](const testing::TestParamInfo<TextCase> &info) { return rowName(info.param.name); });

TEST(ColorText, IntMinIsTheScrollBarIdentifier)
{
    // $80000000 is a row of the table, so it never takes the hexadecimal form.
    EXPECT_EQ(ColorToText(INT32_MIN), "clScrollBar");
}

TEST(ColorText, IdentifierTableHasUniqueValuesAndNames)
{
    std::set<TColor> values;
    std::set<std::string> names;
    int systemColours = 0;
    for (const TIdentMapEntry &entry : kColorIdents) {
        values.insert(entry.value);
        std::string upper(entry.ident);
        for (char &c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        names.insert(upper);
        if (entry.value < 0) {
            EXPECT_EQ(static_cast<std::uint32_t>(entry.value) & 0x7FFFFF00u, 0u) << entry.ident;
            ++systemColours;
        }
        EXPECT_EQ(ColorToText(entry.value), entry.ident);
        EXPECT_EQ(TextToColor(entry.ident), entry.value);
    }
    EXPECT_EQ(values.size(), 42u);
    EXPECT_EQ(names.size(), 42u);
    EXPECT_EQ(systemColours, 25);
}

TEST(ColorText, EveryColourSurvivesItsText)
{
    std::vector<std::uint32_t> samples;
    for (std::uint32_t edge : {0u, 1u, 0xFFu, 0x100u, 0xFFFFFFu, 0x1000000u, 0x1FFFFFFEu,
                               0x1FFFFFFFu, 0x20000000u, 0x7FFFFFFEu, 0x7FFFFFFFu, 0x80000000u,
                               0x80000018u, 0x80000019u, 0x800000FFu, 0xFFFFFFFEu, 0xFFFFFFFFu}) {
        for (std::uint32_t delta = 0; delta < 3; ++delta) {
            samples.push_back(edge + delta);
            samples.push_back(edge - delta);
        }
    }
    for (std::uint64_t v = 0; v <= 0xFFFFFFFFull; v += 65521) // a prime stride over the space
        samples.push_back(static_cast<std::uint32_t>(v));
    std::mt19937 random(20240611);
    for (int i = 0; i < 100000; ++i)
        samples.push_back(static_cast<std::uint32_t>(random()));

    for (std::uint32_t bits : samples) {
        const auto color = static_cast<TColor>(bits);
        ASSERT_EQ(TextToColor(ColorToText(color)), color) << ColorToText(color);
    }
}

struct DecimalCase
{
    const char *name;
    std::int64_t value;
    const char *text;
};

class IntegerToTextCases : public testing::TestWithParam<DecimalCase>
{
};

TEST_P(IntegerToTextCases, PlainDecimal)
{
    EXPECT_EQ(IntegerToText(GetParam().value), GetParam().text);
    if (GetParam().value >= INT32_MIN + 1 && GetParam().value <= INT32_MAX) {
        EXPECT_EQ(StringToInteger(GetParam().text), GetParam().value);
    }
}

INSTANTIATE_TEST_SUITE_P(ColorText, IntegerToTextCases,
                         testing::Values(DecimalCase {"zero", 0, "0"},
                                         DecimalCase {"negative", -5, "-5"},
                                         DecimalCase {"positive", 1048576, "1048576"},
                                         DecimalCase {"int_max", INT32_MAX, "2147483647"}),
                         [](const testing::TestParamInfo<DecimalCase> &info) {
                             return rowName(info.param.name);
                         });

} // namespace
