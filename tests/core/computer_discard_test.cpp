#include <gtest/gtest.h>

#include "computer_fixture.h"

using computer_test::Table;

TEST(CompDups, PrefersAPairOfThePayoffValueAndStopsAtThreeOfAKind) {
    struct Case {
        std::initializer_list<i16> hand;
        i16 payoff, level, forced, dupSlot;
    } cases[] = {
        {{9, 9, 5, 5, 2}, 5, 0, 0, 5},   // the payoff pair wins over the higher pair
        {{9, 9, 5, 5, 2}, 7, 0, 0, 3},   // otherwise the highest pair
        {{8, 6, 6, 6, 2}, 12, 0, 0, 5},  // three equal cards: the last of the three
        {{9, 7, 5, 1, 1}, 12, 2, 1, 0},  // Ruthless keeps a pair of Aces under forced Aces
        {{9, 7, 5, 1, 1}, 12, 2, 5, 0},
        {{9, 7, 5, 1, 1}, 12, 2, 7, 6},
        {{9, 7, 5, 1, 1}, 12, 1, 1, 6},
        {{9, 7, 5, 1, 1}, 1, 2, 1, 6},  // ... unless the Aces equal its payoff card
    };
    for (const auto& c : cases) {
        Table t;
        t.g.CompLevel = c.level;
        t.g.ForcedCards = c.forced;
        t.Hand(c.hand);
        t.Payoff(c.payoff);
        t.cp.Comp_Dups();
        EXPECT_EQ(t.cp.st.DupSlot, c.dupSlot) << c.payoff << " " << c.level << " " << c.forced;
        if (c.dupSlot != 0) {
            EXPECT_EQ(t.g.PileSel, c.dupSlot);
        }
    }
}

TEST(CompDrop, ACardEqualToAPileOfEqualCardsGoesThereFirst) {
    Table t;
    t.Centers({3, 5, 7, 9});
    t.Hand({9, 9, 6, 4, 2});
    t.Payoff(11);
    t.Hold(1, {12, 10});
    t.Hold(2, {8});
    t.Hold(3, {4, 4});
    t.Hold(4, {});
    t.cp.Comp_Drop();
    EXPECT_EQ(t.cp.st.DropPile, 3);
    EXPECT_EQ(t.g.PileSel, 5);
}

TEST(CompDrop, OntoAnEmptyPile) {
    struct Case {
        std::initializer_list<i16> hand;
        i16 payoff, level, slot;
    } cases[] = {
        {{8, 7, 3, 1, 1}, 8, 0, 6},  // the duplicate
        {{8, 7, 3, 1, 1}, 8, 2, 2},  // Ruthless keeps its duplicate Ace: first card not payoff - 1
        {{9, 7, 3, 1, 1}, 8, 2, 2},
        {{7, 8, 3, 1, 1}, 8, 2, 3},  // sorted as dealt here: slot 2 holds payoff - 1
        {{6}, 7, 0, 2},              // one card, one below the payoff card
    };
    for (const auto& c : cases) {
        Table t;
        t.g.CompLevel = c.level;
        t.Centers({3, 5, 7, 9});
        t.Hand(c.hand);
        t.Payoff(c.payoff);
        t.Hold(1, {});
        t.Hold(2, {10});
        t.Hold(3, {11});
        t.Hold(4, {12});
        t.cp.Comp_Drop();
        EXPECT_EQ(t.cp.st.DropPile, 1);
        EXPECT_EQ(t.g.PileSel, c.slot) << c.payoff << " level " << c.level;
    }
}

TEST(CompDrop, ACardThatContinuesARunGoesOnIt) {
    Table t;
    t.Centers({3, 5, 7, 9});
    t.g.HumanCenter = 1;
    t.cp.st.PayoffCenter = 1;
    t.Hand({11, 9, 8, 6, 2});
    t.Payoff(12);
    t.Hold(1, {10, 9, 8, 7});
    t.Hold(2, {5});
    t.Hold(3, {3});
    t.Hold(4, {12, 4});
    t.cp.Comp_Drop();
    EXPECT_EQ(t.cp.st.DropPile, 1);  // the 6 under the run 10-9-8-7
    EXPECT_EQ(t.g.PileSel, 5);
}

// Payoff 10 with its center at 2, a pile topped by the payoff value and every other top apart
// from the hand: the scan of low cards weighs the payoff-top pile only when the hand holds a card
// at or below the payoff center; otherwise the scan of all cards puts the 5 under the 6.
TEST(CompDrop, ThePayoffTopPileIsChosenAfterTheLowCardScanOnlyWithALowCard) {
    struct Case {
        std::initializer_list<i16> hand;
        i16 pile, slot;
    } cases[] = {
        {{7, 5}, 4, 3},     // no card at or below 2: straight on to the scan of all cards
        {{7, 5, 1}, 1, 2},  // the Ace is weighed first: the payoff-top pile with the first card
    };
    for (const auto& c : cases) {
        Table t;
        t.Centers({2, 4, 6, 8});
        t.cp.st.PayoffCenter = 1;
        t.Hand(c.hand);
        t.Payoff(10);
        t.Hold(1, {10});
        t.Hold(2, {12});
        t.Hold(3, {11});
        t.Hold(4, {9, 6});
        t.cp.Comp_Drop();
        EXPECT_EQ(t.cp.st.DropPile, c.pile) << c.hand.size() << " cards";
        EXPECT_EQ(t.g.PileSel, c.slot) << c.hand.size() << " cards";
    }
}

// With its payoff center at or past the payoff value (payoff 3, center at 9), a card up to three
// below a pile's top goes straight onto that pile; one further away goes onto the pile topped by
// the payoff value instead.
TEST(CompDrop, ACardWithinThreeOfAPileGoesStraightOntoItFurtherOnesOntoThePayoffTopPile) {
    const struct {
        i16 card;
        int distance;
        i16 pile;
    } cases[] = {
        {8, 1, 2}, {7, 2, 2}, {6, 3, 2},  // straight onto the 9
        {5, 4, 1}, {4, 5, 1},             // onto the 3, the payoff value
    };
    for (const auto& c : cases) {
        Table t;
        t.Centers({9, 0, 0, 0});
        t.cp.st.PayoffCenter = 1;
        t.Payoff(3);
        t.Hand({c.card});
        t.Hold(1, {3});
        t.Hold(2, {12, 9});
        t.Hold(3, {12, 10});
        t.Hold(4, {12, 11});
        t.cp.Comp_Drop();
        EXPECT_EQ(t.cp.st.DropPile, c.pile) << "distance " << c.distance;
        EXPECT_EQ(t.g.PileSel, 2) << "distance " << c.distance;
    }
}

// A Ruthless player under the visible forced-Ace rule keeps its Aces back from the later scans;
// a hand of Aces only must not walk past its first hand slot.
TEST(CompDrop, KeepingBackAcesStaysWithinTheHand) {
    for (i16 forced : {5, 7}) {
        Table t;
        t.g.CompLevel = 2;
        t.g.ForcedCards = forced;
        t.Centers({3, 8, 0, 0});
        t.cp.st.PayoffCenter = 1;
        t.Hand({1, 1, 1, 1, 1});
        t.Payoff(9);
        t.Hold(1, {5});
        t.Hold(2, {6});
        t.Hold(3, {7});
        t.Hold(4, {12, 8});
        t.cp.Comp_Drop();
        // Every later scan is left without a card; the final choice goes through the centers:
        // center 1 (3) is below every top, center 2 (8) is at least the first pile's 5.
        EXPECT_EQ(t.g.PileSel, 2) << forced;
        EXPECT_EQ(t.cp.st.DropPile, 1) << forced;
    }
}

TEST(CompBeforeDrop, AHandOfWildKingsIsPlayedUnlessKingsMayNotStartACenter) {
    for (i16 noWildAce : {VbFalse, VbTrue}) {
        Table t;
        t.g.NoWildAce = noWildAce;
        t.Centers({3, 5, 7, 9});
        t.Hand({13, 13});
        t.Payoff(6);
        t.HumanPayoff(11);
        t.cp.Comp_BeforeDrop();
        EXPECT_EQ(t.cp.st.FallbackSlot, 2);
        EXPECT_EQ(t.cp.st.PlayFlag, noWildAce ? 0 : 1);
        EXPECT_EQ(t.cp.st.PlanMode, noWildAce ? 0 : 13);
        EXPECT_EQ(t.cp.st.NoReplan, noWildAce ? 1 : 0);
    }
}

TEST(CompBeforeDrop, SortsTheHandAndNotesTheLastKing) {
    Table t;
    t.Centers({3, 5, 7, 9});
    t.Hand({4, 13, 9, 13, 1});
    t.Payoff(6);
    t.HumanPayoff(11);
    t.cp.Comp_BeforeDrop();
    std::vector<i16> hand(t.g.CurCards[kRank].begin() + 2, t.g.CurCards[kRank].begin() + 7);
    EXPECT_EQ(hand, (std::vector<i16>{13, 13, 9, 4, 1}));
    EXPECT_EQ(t.cp.st.WildSlot, 3);
    EXPECT_EQ(t.cp.st.FallbackSlot, 4);
    for (int s = 2; s <= 6; ++s) EXPECT_EQ(RankOf(t.g.CurCards[kId][s]), t.g.CurCards[kRank][s]);
}

// A forced Ace or Two is a plan of its own: whatever an earlier plan left on that center, the
// plan holds the forced card alone and plays it.
TEST(CompBeforeDrop, AForcedCardStartsAFreshPlan) {
    struct Case {
        i16 forced, mode, slot, center;
        std::initializer_list<i16> hand;
        std::vector<i16> hold1;
    } cases[] = {
        {1, 1, 6, 2, {9, 7, 5, 3, 1}, {12}},
        {5, 1, 7, 2, {9, 7, 5, 3, 1}, {12, 1}},
        {2, 2, 6, 1, {9, 7, 5, 2, 12}, {12}},  // sorted first: the Two ends in slot 6
        {6, 2, 7, 1, {9, 7, 5, 2, 12}, {12, 2}},
    };
    for (const auto& c : cases) {
        Table t;
        t.g.ForcedCards = c.forced;
        t.Centers({c.mode == 2 ? i16{1} : i16{3}, 0, 7, 9});
        t.Hand(c.hand);
        t.Hold(1, c.hold1);
        t.Payoff(11);
        t.HumanPayoff(11);
        t.cp.st.PlanState[c.center] = {5, 14};
        for (auto& s : t.cp.st.PlanSlot[c.center]) s = 3;
        t.cp.Comp_BeforeDrop();
        ASSERT_EQ(t.cp.st.PlayFlag, 1) << c.forced;
        EXPECT_EQ(t.cp.st.PlanMode, c.mode);
        EXPECT_EQ(t.cp.st.StepSlot, c.slot);
        EXPECT_EQ(t.g.PileSel, c.center);
        t.cp.Move_Plan();
        EXPECT_EQ(t.Steps(c.center), 1);
        const i16 before = t.g.CenterCount[c.center];
        t.cp.Comp_Play();
        EXPECT_EQ(t.g.CenterCount[c.center], before + 1) << c.forced;
    }
}

// Between two piles with equal tops the discard prefers the one that keeps equal cards or a whole
// descending run together.
TEST(CompAnalyze, LinksPilesWithEqualTops) {
    struct Case {
        std::vector<i16> pile1, pile2;
        i16 link1, link2;
    } cases[] = {
        {{5, 5}, {9, 5}, 1, 1},        // a pile of equal cards keeps to itself
        {{7, 6, 5}, {9, 6, 5}, 2, 2},  // a whole run links to the broken one
        {{3, 5}, {4, 5}, 2, 2},        // mixed tops: the pile whose second card is higher
    };
    for (const auto& c : cases) {
        Table t;
        t.Hand({12, 11});
        t.Hold(1, c.pile1);
        t.Hold(2, c.pile2);
        t.cp.Comp_Analyze();
        EXPECT_EQ(t.g.HoldPileInfo[1][3], c.link1);
        EXPECT_EQ(t.g.HoldPileInfo[2][3], c.link2);
        EXPECT_EQ(t.cp.st.LinkPile, c.link1);
        EXPECT_EQ(t.cp.st.LinkSlot, t.cp.st.FallbackSlot);
    }
}
