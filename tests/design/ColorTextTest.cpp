#include "ColorText.h"

#include <gtest/gtest.h>

TEST(ColorText, IdentifierAndHexForms)
{
    EXPECT_EQ(ColorToText(clRed), "clRed");
    EXPECT_EQ(ColorToText(0x00FF8000), "$00FF8000");
    EXPECT_EQ(TextToColor("CLRED"), clRed);
    EXPECT_EQ(TextToColor("$000000FF"), clRed);
    EXPECT_EQ(StringToInteger("$FFFFFFFF"), -1);
}

TEST(ColorText, NotANumberFailsQuotingTheText)
{
    try {
        TextToColor(" clRed");
        FAIL() << "no error";
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), "' clRed' is not a valid integer value");
    }
}
