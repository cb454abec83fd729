#include "records/tutorial_script.h"

#include <gtest/gtest.h>

TEST(TutorialScript, ReadsEveryDirectiveForm) {
    struct Case {
        const char* line;
        const char* text;
        char l1;
        int n1;
        char l2;
        int n2;
        bool moves, readOnly, loads, points;
    } cases[] = {
        {"Load it.<R 00R 31", "Load it.", 'R', 0, 'R', 31, false, false, true, false},
        {"Play your side card.<H 01C 01", "Play your side card.", 'H', 1, 'C', 1, true, false,
         false, true},
        {"Hold pile.<P-08H- 8", "Hold pile.", 'P', 8, 'H', 8, true, false, false, true},
        {"Just talk.<X 00X 00", "Just talk.", 'X', 0, 'X', 0, false, true, false, false},
        {"Odd numbers<H 7xC x7", "Odd numbers", 'H', 7, 'C', 0, true, false, false, true},
        {"Cut short<H 3", "Cut short", 'H', 3, ' ', 0, true, false, false, false},
        {"Read only loads nothing<X 00R 31", "Read only loads nothing", 'X', 0, 'R', 31, false,
         true, false, false},
    };
    for (const Case& c : cases) {
        TutorialStepLine s = ParseTutorialLine(c.line);
        ASSERT_TRUE(s.directive) << c.line;
        const TutorialDirective& d = *s.directive;
        EXPECT_EQ(s.text, c.text);
        EXPECT_EQ(d.L1, c.l1) << c.line;
        EXPECT_EQ(d.N1, c.n1) << c.line;
        EXPECT_EQ(d.L2, c.l2) << c.line;
        EXPECT_EQ(d.N2, c.n2) << c.line;
        EXPECT_EQ(d.MovesPile(), c.moves) << c.line;
        EXPECT_EQ(d.ReadOnly(), c.readOnly) << c.line;
        EXPECT_EQ(d.LoadsPosition(), c.loads) << c.line;
        EXPECT_EQ(d.ShowsPointer(), c.points) << c.line;
    }
}

TEST(TutorialScript, TextWithoutDirectiveKeepsItsParagraphs) {
    TutorialStepLine s = ParseTutorialLine("Brivo plays.~Watch him.~");
    EXPECT_FALSE(s.directive);
    EXPECT_EQ(s.text, "Brivo plays.\n\nWatch him.\n\n");
    EXPECT_EQ(ParseTutorialLine("One~two<X 00X 00").text, "One\n\ntwo");
}

TEST(TutorialScript, BackRangesNameTheirPositionAndFirstStep) {
    struct Case {
        int step;
        int first;
        int record;
    } inRange[] = {{6, 6, 31},   {8, 6, 31},   {10, 10, 32}, {11, 10, 32}, {14, 12, 33},
                   {16, 16, 34}, {19, 18, 35}, {21, 20, 36}, {28, 22, 37}, {32, 29, 38}};
    for (const Case& c : inRange) {
        auto r = TutorialBackRangeOf(c.step);
        ASSERT_TRUE(r) << c.step;
        EXPECT_EQ(r->first, c.first) << c.step;
        EXPECT_EQ(r->record, c.record) << c.step;
    }
    for (int step : {1, 5, 9, 15, 33}) EXPECT_FALSE(TutorialBackRangeOf(step)) << step;
}
