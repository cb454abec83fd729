#include <gtest/gtest.h>

#include "computer_fixture.h"

using computer_test::Table;

namespace {

// Plans for `target` as the turn asks for it: the first pass aims at the target center.
void PlanFor(Table& t, i16 target) {
    t.g.PileSel = target;
    t.cp.st.MatchSlot = target;
    t.cp.st.TrimPhase = 0;
    t.cp.st.WildSlot = 2;
    t.cp.Move_Comp();
}

std::vector<i16> PlanOf(const Table& t, int c) {
    std::vector<i16> slots;
    for (int i = 1; i <= t.Steps(c); ++i) slots.push_back(t.cp.st.PlanSlot[c][i]);
    return slots;
}

}  // namespace

TEST(MoveComp, HandCardsUpToThePayoffCardAreAccepted) {
    Table t;
    t.Centers({2, 7, 8, 9});
    t.Hand({3, 4, 5, 11, 11});
    t.Payoff(6);
    t.HumanPayoff(11);
    t.cp.st.PayoffCenter = 1;
    PlanFor(t, 1);
    EXPECT_EQ(t.cp.st.PlayFlag, 1);
    EXPECT_EQ(t.g.PileSel, 1);
    EXPECT_EQ(PlanOf(t, 1), (std::vector<i16>{2, 3, 4}));
    EXPECT_EQ(t.Sim(1), 5);
}

TEST(MoveComp, AHoldCardThatOpensARunTakesThePlaceOfTheHandCard) {
    Table t;
    t.Centers({4, 8, 9, 10});
    t.Hand({5, 11});
    t.Hold(1, {6, 5});
    t.Payoff(7);
    t.HumanPayoff(11);
    t.cp.st.PayoffCenter = 1;
    PlanFor(t, 1);
    EXPECT_EQ(t.cp.st.PlayFlag, 1);
    EXPECT_EQ(PlanOf(t, 1), (std::vector<i16>{7, 7}));
}

// A hold run 5 under 4 on a center at 3, with the human's payoff 5: the plan brings the center
// to 5 while its last card reads as the pile's top, 4.
TEST(MoveComp, ReachingTheHumansPayoffValueIsAcceptedFromCleverOn) {
    for (i16 level : {0, 1, 2}) {
        Table t;
        t.g.CompLevel = level;
        t.Centers({3, 8, 9, 10});
        t.Hand({1, 1, 1, 1, 1});
        t.Hold(1, {5, 4});
        t.Payoff(12);
        t.HumanPayoff(5);
        t.cp.st.PayoffCenter = 2;
        t.cp.st.BlockValue = 5;
        PlanFor(t, 1);
        if (level == 0) {
            EXPECT_EQ(t.cp.st.PlayFlag, 0);
            EXPECT_EQ(t.g.PileSel, 4);  // nothing passed: the last center
        } else {
            EXPECT_EQ(t.cp.st.PlayFlag, 1) << level;
            EXPECT_EQ(t.g.PileSel, 1);
            EXPECT_EQ(t.Sim(1), 5);
        }
    }
}

TEST(MoveComp, NoWildKingStartsAnEmptyCenterUnderTheNoWildAceRule) {
    for (i16 noWildAce : {VbFalse, VbTrue}) {
        Table t;
        t.g.NoWildAce = noWildAce;
        t.Centers({0, 3, 4, 5});
        t.Hand({13, 13, 9});
        t.Payoff(2);
        t.HumanPayoff(11);
        t.cp.st.PayoffCenter = 1;
        PlanFor(t, 1);
        if (noWildAce) {
            EXPECT_EQ(t.cp.st.PlayFlag, 0);
        } else {
            EXPECT_EQ(t.cp.st.PlayFlag, 1);
            EXPECT_EQ(PlanOf(t, 1), (std::vector<i16>{2}));
        }
    }
}

TEST(MovePlan, AFinishedCenterEmptiesAndDroppingTheQueenRestoresIt) {
    Table t;
    t.Centers({10, 0, 0, 0});
    t.Hand({11, 12});
    t.Payoff(5);
    t.HumanPayoff(9);
    t.Plan(1, {2, 3});
    EXPECT_EQ(t.Sim(1), 0);
    EXPECT_FALSE(t.cp.Move_ReduceSet());
    EXPECT_EQ(t.Sim(1), 11);
    EXPECT_EQ(t.Steps(1), 1);
    EXPECT_TRUE(t.cp.Move_ReduceSet());
    EXPECT_EQ(t.Sim(1), 10);
}

TEST(MovePlan, APlanStopsGrowingAtFifteenSteps) {
    Table t;
    t.Centers({0, 0, 0, 0});
    t.Hand({13});
    t.Payoff(13);
    t.HumanPayoff(13);
    t.g.PileSel = 1;
    t.cp.StartPlan(1);
    t.cp.st.PlanHandCount = 3;
    for (int i = 0; i < 20; ++i) {
        t.cp.st.StepSlot = 2;
        t.cp.Move_Plan();
    }
    EXPECT_EQ(t.Steps(1), 15);
}

// A one-card plan whose card equals one of the human's hold tops is safe for Average and Clever;
// Ruthless only takes it when that top is also the human's payoff card.
TEST(MoveWait, OneCardEqualToAHumanHoldTop) {
    struct Case {
        i16 level, humanPayoff, accepted;
    } cases[] = {{0, 9, 1}, {1, 9, 1}, {2, 9, 0}, {2, 5, 1}};
    for (auto c : cases) {
        Table t;
        t.g.CompLevel = c.level;
        t.Centers({4, 8, 9, 10});
        t.Hand({5});
        t.Payoff(12);
        t.HumanPayoff(c.humanPayoff);
        t.HumanTops({0, 5, 0, 0});
        t.Plan(1, {2});
        t.cp.Move_Wait(t.g.HumanCards);
        EXPECT_EQ(t.cp.st.PlayFlag, c.accepted) << c.level << " " << c.humanPayoff;
        EXPECT_EQ(t.Steps(1), 1);
    }
}

TEST(MoveWait, AWildLastCardPassesUnchanged) {
    Table t;
    t.Centers({4, 8, 9, 10});
    t.Hand({5, 13});
    t.Payoff(8);
    t.HumanPayoff(11);
    t.Plan(1, {2, 3});
    t.cp.Move_Wait(t.g.HumanCards);
    EXPECT_EQ(t.cp.st.PlayFlag, 0);
    EXPECT_EQ(t.Steps(1), 2);
}

TEST(MoveWait, ACardJustBelowTheOwnPayoffIsDropped) {
    // Own payoff 9, margin 2: a plan ending on 7 or 8 only serves the next player.
    Table t;
    t.Centers({4, 10, 10, 11});
    t.Hand({5, 6, 7});
    t.Payoff(9);
    t.HumanPayoff(12);
    t.Plan(1, {2, 3, 4});
    t.cp.Move_Wait(t.g.HumanCards);
    EXPECT_EQ(t.cp.st.PlayFlag, 0);
    EXPECT_EQ(t.Steps(1), 2);  // 7 dropped; 6 is below 9 - 2 and stays
}

// Clever, a plan ending at 6 and an opponent payoff of 8: shortened until the gap is above 3,
// unless a center already stands at the plan's value.
TEST(CheckOppsSide, ShortensThePlanAwayFromTheOpponentsPayoff) {
    struct Case {
        i16 otherCenter, steps, sim;
    } cases[] = {{10, 1, 4}, {6, 3, 6}};
    for (auto c : cases) {
        Table t;
        t.g.CompLevel = 1;
        t.Centers({3, c.otherCenter, 10, 11});
        t.Hand({4, 5, 6});
        t.Payoff(12);
        t.HumanPayoff(12);
        t.Plan(1, {2, 3, 4});
        t.cp.CheckOppsSide(8);
        EXPECT_EQ(t.Steps(1), c.steps) << c.otherCenter;
        EXPECT_EQ(t.Sim(1), c.sim) << c.otherCenter;
    }
}

TEST(MoveWaitOpps, ChecksOnlyThePlayersThatMoveBeforeTheNextTurn) {
    // Player 3 on turn in a three-player game: only player 2's payoff value is weighed (it moves
    // right after the human); with four players, player 4's cards and payoff value instead.
    for (i16 players : {3, 4}) {
        Table t;
        t.g.NumPlayers = players;
        t.g.Pturn = 3;
        t.Centers({3, 10, 10, 11});
        t.Hand({4, 5, 6});
        t.Payoff(12);
        t.HumanPayoff(12);
        Table::Put(t.g.Opp[1].Cards, kSideSlot, 9);  // player 2
        Table::Put(t.g.Opp[3].Cards, kSideSlot, 8);  // player 4
        t.Plan(1, {2, 3, 4});
        t.cp.Move_WaitOpps();
        // Average: k runs to 2. Against 9: 6 + 2 = 8 no, 6 + 3 not checked; against 8: dropped.
        EXPECT_EQ(t.Steps(1), players == 3 ? 3 : 2) << players;
    }
}

TEST(MoveBlockOppsCk, AcceptsACardEqualToALaterComputersPayoff) {
    struct Case {
        i16 players, pturn, card, accepted;
    } cases[] = {{3, 2, 7, 1}, {3, 2, 8, 0}, {4, 2, 8, 1},
                 {4, 3, 8, 1}, {4, 3, 7, 0}, {4, 4, 7, 0}};
    for (auto c : cases) {
        Table t;
        t.g.NumPlayers = c.players;
        t.g.Pturn = c.pturn;
        Table::Put(t.g.Opp[2].Cards, kSideSlot, 7);
        Table::Put(t.g.Opp[3].Cards, kSideSlot, 8);
        t.cp.Move_BlockOppsCk(c.card);
        EXPECT_EQ(t.cp.st.PlayFlag, c.accepted) << c.players << " " << c.pturn << " " << c.card;
    }
}
