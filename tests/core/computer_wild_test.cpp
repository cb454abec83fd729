#include <gtest/gtest.h>

#include "computer_fixture.h"

using computer_test::Table;

namespace {

void WildPayoffTable(Table& t, std::initializer_list<i16> centers, i16 humanPayoff, i16 blockValue,
                     i16 emptyCenter) {
    t.Centers(centers);
    t.Payoff(13);
    t.Hand({1, 1, 1, 1, 1});
    t.HumanPayoff(humanPayoff);
    t.cp.st.WildPayoff = VbTrue;
    t.cp.st.BlockValue = blockValue;
    t.cp.st.EmptyCenter = emptyCenter;
}

}  // namespace

// The center for a wild payoff card, by how the block value stands to the human's payoff value.
TEST(MoveWild, TakesTheFirstCenterThatKeepsTheHumanAway) {
    struct Case {
        std::initializer_list<i16> centers;
        i16 humanPayoff, blockValue, emptyCenter, expected;
    } cases[] = {
        {{0, 3, 5, 9}, 5, 9, 1, 3},   // block above payoff: 5 < v < 8
        {{5, 6, 2, 9}, 8, 4, 0, 3},   // block at or below payoff: v > 8 or v <= 3
        {{11, 3, 8, 2}, 6, 1, 0, 3},  // block 1, none empty: v > 6 and not a Queen
        {{11, 3, 0, 2}, 6, 1, 3, 1},  // block 1, one empty: v > 6
    };
    for (const auto& c : cases) {
        for (i16 level : {0, 1}) {
            Table t;
            t.g.CompLevel = level;
            WildPayoffTable(t, c.centers, c.humanPayoff, c.blockValue, c.emptyCenter);
            t.cp.Move_Wild();
            EXPECT_EQ(t.g.PileSel, c.expected) << c.humanPayoff << " level " << level;
        }
    }
}

TEST(MoveWild, TheBlockCenterWinsAndIsCleared) {
    Table t;
    WildPayoffTable(t, {0, 3, 5, 9}, 5, 9, 1);
    t.cp.st.BlockCenter = 2;
    t.cp.Move_Wild();
    EXPECT_EQ(t.g.PileSel, 2);
    EXPECT_EQ(t.cp.st.BlockCenter, 0);
}

TEST(MoveWild, UnderTheNoWildAceRuleNoEmptyCenterIsTaken) {
    Table t;
    t.g.NoWildAce = VbTrue;
    WildPayoffTable(t, {0, 0, 11, 4}, 6, 1, 2);
    t.cp.Move_Wild();
    EXPECT_EQ(t.g.PileSel, 3);  // center 1 would qualify (v = 1 < 6 is not, 12 > 6 is): 3
    Table u;
    u.g.NoWildAce = VbTrue;
    WildPayoffTable(u, {0, 0, 2, 4}, 9, 1, 2);
    u.cp.Move_Wild();
    EXPECT_EQ(u.g.PileSel, 3);  // nothing found: the first center that holds cards
}

TEST(MoveWild, RuthlessWithNothingFoundComparesCenterOneWithTwoAndThree) {
    Table t;
    t.g.CompLevel = 2;
    WildPayoffTable(t, {5, 3, 4}, 7, 1, 0);
    t.cp.Move_Wild();
    EXPECT_EQ(t.g.PileSel, 3);
    EXPECT_EQ(t.cp.st.PlayFlag, 0);
}

// Ruthless tries a plan on the human's center first. With a hand card that blocks it the card is
// played and the wild payoff card still waits; without one the wild card itself is the plan.
TEST(MoveWild, RuthlessBlocksTheHumansCenterWithAPlan) {
    struct Case {
        std::initializer_list<i16> hand;
        i16 payoffChoice, center1, handLeft;
    } cases[] = {{{6, 10, 11, 12, 1}, 99, 6, 4}, {{10, 11, 12, 1, 1}, 0, 5, 5}};
    for (const auto& c : cases) {
        Table t;
        t.g.CompLevel = 2;
        WildPayoffTable(t, {5, 3, 4, 9}, 6, 1, 0);
        t.Hand(c.hand);
        t.g.HumanCenter = 1;
        t.cp.Move_Wild();
        EXPECT_EQ(t.cp.st.PlayFlag, 1);
        EXPECT_EQ(t.g.PileSel, 1);
        EXPECT_EQ(t.cp.st.PayoffChoice, c.payoffChoice);
        EXPECT_EQ(t.cp.st.WildSlot, 2);
        EXPECT_EQ(t.g.CenterCount[1], c.center1);
        EXPECT_EQ(t.g.HandCount, c.handLeft);
    }
}

TEST(FindBlockCenter, NoMatchingCenterCountsAsNotStoppingOnACard) {
    struct Case {
        std::initializer_list<i16> centers;
        i16 humanPayoff, noWildAce, blockCenter, nonEmpty;
    } cases[] = {
        {{2, 4, 6, 8}, 5, VbFalse, 2, 1},
        {{2, 4, 6, 8}, 12, VbFalse, 0, 0},  // none: the search ran past the last center
        {{3, 0, 0, 1}, 1, VbTrue, 0, 0},    // an Ace under the rule: stops at the empty center
        {{3, 0, 0, 1}, 1, VbFalse, 2, 0},
    };
    for (const auto& c : cases) {
        Table t;
        t.g.NoWildAce = c.noWildAce;
        t.Centers(c.centers);
        t.HumanPayoff(c.humanPayoff);
        EXPECT_EQ(t.cp.Find_BlockCenter(), c.nonEmpty != 0) << c.humanPayoff;
        EXPECT_EQ(t.cp.st.BlockCenter, c.blockCenter) << c.humanPayoff;
        EXPECT_GE(t.g.PileSel, 0);
        EXPECT_LE(t.g.PileSel, t.g.NumCenters);
    }
}

TEST(FindBlockCenter, SkipsACenterTheNextComputerWouldFollow) {
    Table t;
    t.g.NumPlayers = 3;
    t.Centers({4, 7, 4, 0});
    t.HumanPayoff(5);
    Table::Put(t.g.Opp[2].Cards, kSideSlot, 6);
    t.cp.Find_BlockCenter();
    EXPECT_EQ(t.cp.st.BlockCenter, 0);  // both centers at 4 would give player 3 its 6
}
