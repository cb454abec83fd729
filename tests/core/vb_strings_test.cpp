#include "platform/vb_strings.h"

#include <gtest/gtest.h>

TEST(VbStrings, StrPutsABlankBeforeNonNegativeNumbers) {
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(19), " 19");
    EXPECT_EQ(Str(-4), "-4");
    EXPECT_EQ(Str(2.5), " 2.5");
    EXPECT_EQ(Str(0.5), " .5");
    EXPECT_EQ(Str(-0.25), "-.25");
}

TEST(VbStrings, ValReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},      {"abc", 0}, {"42", 42},      {"  42abc", 42}, {"1 2 3", 123},
        {"-7", -7},   {"+3", 3},  {"3.75x", 3.75}, {".5", 0.5},     {"1e3", 1000},
        {"2D2", 200}, {"1e", 1},  {"&HFF", 255},   {"&o17", 15},    {"\t\n 9", 9},
        {"12-3", 12}, {"-", 0},   {"0019", 19},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

TEST(VbStrings, TrimRemovesOnlyBlanks) {
    EXPECT_EQ(Trim("  word  "), "word");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\tx "), "\tx");
}
