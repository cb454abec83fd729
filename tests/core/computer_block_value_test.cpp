#include <gtest/gtest.h>

#include "computer_fixture.h"

using computer_test::Table;

namespace {

// The worked example: payoff 9, a hold pile with top 6 and 7, 8 under it; the chain starts at 6.
// The centers put the human's center at 3, below every result.
void WorkedExample(Table& t, i16 level) {
    t.g.CompLevel = level;
    t.Centers({1, 2, 3, 3});
    t.HumanPayoff(9);
    t.HumanPile(1, {8, 7}, 6);
}

}  // namespace

TEST(CkPlayer, WorkedExampleAndTheMarginOfEachLevel) {
    struct Case {
        i16 level;
        std::vector<i16> ownPiles;  // tops of the computer's hold piles (0 empty)
        i16 expected;
    } cases[] = {
        {0, {0, 0, 0, 0}, 5},  // Average: margin 1
        {1, {0, 0, 0, 0}, 3},  // Clever, no mixed pile: n = 1, margin 3
        {1, {4, 4, 4, 4}, 5},  // Clever, four mixed piles: n = 5, margin 1
        {2, {4, 4, 4, 4}, 3},  // Ruthless, n capped at 2: margin 4, then raised to the human's 3
        {2, {0, 4, 4, 4}, 3},  // Ruthless with an empty pile: margin 5, raised to 3
    };
    for (const auto& c : cases) {
        Table t;
        WorkedExample(t, c.level);
        for (int p = 1; p <= 4; ++p)
            if (c.ownPiles[p - 1] != 0) t.Hold(p, {9, c.ownPiles[p - 1]});
        t.cp.Ck_Player();
        EXPECT_EQ(t.cp.st.BlockValue, c.expected) << "level " << c.level;
        EXPECT_EQ(t.g.HumanCenter, 3);
        EXPECT_EQ(t.cp.st.EmptyCenter, 0);
    }
}

TEST(CkPlayer, TopsPassEndsOnAMismatchAndThePilePassDoesNotRestartForATop) {
    Table t;
    t.Centers({1, 2, 3, 4});
    t.HumanPayoff(8);
    t.HumanTops({5, 6, 7, 2});
    t.cp.Ck_Player();
    EXPECT_EQ(t.cp.st.BlockValue, 5);  // 6 before the Average margin; the 5 is not used
}

TEST(CkPlayer, AnAceWithAnEmptyCenterEndsAtOnceAndTheHighestEmptyCenterIsKept) {
    Table t;
    t.Centers({0, 5, 0, 7});
    t.HumanPayoff(1);
    t.g.HumanCenter = 2;
    t.cp.st.CenterReach[2] = 9;
    t.cp.Ck_Player();
    EXPECT_EQ(t.cp.st.BlockValue, 1);
    EXPECT_EQ(t.cp.st.EmptyCenter, 3);
    EXPECT_EQ(t.g.HumanCenter, 2);
    EXPECT_EQ(t.cp.st.CenterReach[2], 0);
}

TEST(CkPlayer, AverageWithAChainToTheAceAndNothingBelowTheHumanGives11) {
    Table t;
    t.Centers({5, 6, 7, 8});
    t.HumanPayoff(2);
    t.HumanTops({1, 0, 0, 0});
    t.cp.Ck_Player();
    EXPECT_EQ(t.cp.st.BlockValue, 11);
}

TEST(CkPlayer, CleverWithTwoMixedPilesAndAFullStockHasMargin3) {
    Table t;
    t.g.CompLevel = 1;
    t.Centers({0, 0, 1, 2});
    t.HumanPayoff(10);
    t.Hold(1, {9, 4});
    t.Hold(2, {9, 5});
    t.Hold(3, {6, 6});
    t.Hold(4, {7, 7});
    t.g.StockCount = 13;
    t.cp.Ck_Player();
    EXPECT_EQ(t.cp.st.BlockValue, 7);
}

// A descending run from the Queen down to an Ace under an Ace top, no center empty: the chain
// wraps through the Ace once and must stop there instead of walking the run for ever.
//
// Payoff 2: the Ace top brings the chain to 1 and wraps it to 13; pile 1's run reaches 12 twelve
// cards down, back to 1, where the second wrap ends the walk. With nothing low the margin wraps
// too: Average 11, Clever 1 + 12 - 3 = 10, Ruthless 1 + 12 - 5 = 8, none below the human's
// center at 8. Payoff 13 (a King): one wrap inside the pile pass, again ending at 1; every center
// is low, so the margin keeps 1, and with no reach mark the human's center (1, at 5) is taken.
TEST(CkPlayer, AQueenToAceRunWithNoEmptyCenterTerminates) {
    struct Case {
        i16 payoff, level, want;
    } cases[] = {
        {2, 0, 11}, {2, 1, 10}, {2, 2, 8}, {13, 0, 5}, {13, 1, 5}, {13, 2, 5},
    };
    for (const Case& c : cases) {
        Table t;
        t.g.CompLevel = c.level;
        t.Centers({5, 6, 7, 8});
        t.HumanPayoff(c.payoff);
        t.HumanPile(1, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2}, 1);
        t.HumanPile(2, {12, 11, 10, 9, 8, 7, 6, 5, 4, 3}, 2);
        t.cp.Ck_Player();
        EXPECT_EQ(t.cp.st.BlockValue, c.want) << c.payoff << " " << c.level;
    }
}

TEST(CkPlayer, RuthlessMarksKeepAResultBelowTheHumansCenter) {
    // Payoff 9, run 6-7-8 on a pile: the chain starts at 6 and center 2 at 5 is marked. With the
    // human's center at 8 (above the result) the mark keeps the lower value.
    Table t;
    t.g.CompLevel = 2;
    t.Centers({8, 5, 10, 11});
    t.HumanPayoff(9);
    t.HumanPile(1, {8, 7}, 6);
    t.cp.Ck_Player();
    EXPECT_EQ(t.g.HumanCenter, 1);
    EXPECT_EQ(t.cp.st.CenterReach[2], 6);
    EXPECT_EQ(t.cp.st.BlockValue, 1);  // 6 - 5, then no raise to 8

    t.cp.st.CenterReach = {};
    t.g.CompLevel = 0;
    t.cp.Ck_Player();
    EXPECT_EQ(t.cp.st.BlockValue, 8);  // Average: raised to the human's center
}

// Tops 5, 6, 7 and 2 with payoff 8: the pile pass lowers the chain to 6 with a hold top. A
// Ruthless computer marks the center below that start (center 1 at 5) as it does for a run, so
// the result keeps its full margin instead of being raised to the human's center; Clever, with
// no mark to keep, is raised.
TEST(CkPlayer, RuthlessMarksTheCenterBelowAHoldTopThatContinuesTheChain) {
    struct Case {
        i16 level, reach, expected;
    } cases[] = {
        {2, 6, 1},  // 6 - 5, kept by the mark
        {1, 0, 5},  // 6 - 3 = 3, raised to the human's center at 5
    };
    for (const auto& c : cases) {
        Table t;
        t.g.CompLevel = c.level;
        t.Centers({5, 1, 2, 3});
        t.HumanPayoff(8);
        t.HumanTops({5, 6, 7, 2});
        t.cp.Ck_Player();
        EXPECT_EQ(t.g.HumanCenter, 1);
        EXPECT_EQ(t.cp.st.CenterReach[1], c.reach) << "level " << c.level;
        EXPECT_EQ(t.cp.st.BlockValue, c.expected) << "level " << c.level;
    }
}
