// The end-of-game animation's counts, drift and life, and the test keys of the card row.
#include "mainwindow/cards_flow.h"

#include <gtest/gtest.h>

#include "engine/conservation.h"
#include "mainwindow/dev_keys.h"
#include "tests/core/engine_fixture.h"

TEST(CardsFlow, CountsCoverTheBoardWithAnExtraMarginForANarrowLastColumn) {
    // 1024 leaves 41 pixels of the last card over the edge: the wide margin.
    EXPECT_EQ(CardsFlowCounts(1024, 700, 71, 96, 1), (FlowCounts{14, 16}));
    // 994 is whole cards: the last card lies entirely outside, 3 or 5 more by style.
    EXPECT_EQ(CardsFlowCounts(994, 700, 71, 96, 1), (FlowCounts{11, 15}));
    EXPECT_EQ(CardsFlowCounts(994, 700, 71, 96, 0), (FlowCounts{13, 15}));
    EXPECT_EQ(CardsFlowCounts(994, 700, 71, 96, 2), (FlowCounts{13, 15}));
    EXPECT_EQ(CardsFlowCounts(994, 700, 0, 96, 0), (FlowCounts{0, 0}));
}

TEST(CardsFlow, FramesLayAGridOrAStripAndDriftRightAndUp) {
    using P = std::pair<int, int>;
    EXPECT_EQ(CardsFlowCopies({2, 1}, 1, 3, -2, 71, 96),
              (std::vector<P>{{-68, 0}, {3, 0}, {74, 0}}));
    // A wide board: the columns follow the larger count, so its right edge is covered too.
    const std::vector<P> wide = CardsFlowCopies({1, 2}, 0, 0, 0, 71, 96);
    ASSERT_EQ(wide.size(), 9u);
    EXPECT_EQ(wide.back(), P(71, 96));
    EXPECT_EQ(CardsFlowCopies({1, 1}, 0, 3, -2, 71, 96),
              (std::vector<P>{{-68, -98}, {-68, -2}, {3, -98}, {3, -2}}));
    int dx = 0, dy = 0;
    CardsFlowStep(dx, dy, 71, 96);
    EXPECT_EQ(P(dx, dy), P(2, -1));
    dx = 70, dy = -96;
    CardsFlowStep(dx, dy, 71, 96);
    EXPECT_EQ(P(dx, dy), P(1, -1));
}

TEST(CardsFlow, TheSmallBackFlowsWithSmallCardsOrACrowdedNarrowTable) {
    EXPECT_FALSE(CardsFlowSmallBack(0, 2, 9000));
    EXPECT_FALSE(CardsFlowSmallBack(1, 4, 12001));
    EXPECT_TRUE(CardsFlowSmallBack(0, 3, 12000));
    EXPECT_TRUE(CardsFlowSmallBack(2, 2, 19200));
}

TEST(CardsFlow, OneAnimationAtATimeEndedOnce) {
    Game g;
    MainWindowState w;
    EXPECT_FALSE(StopCardsFlowForDeal(g, w));  // no animation: the button deals
    w.AnimationStop = true;
    ASSERT_TRUE(BeginCardsFlow(g, w));
    EXPECT_FALSE(w.AnimationStop);
    EXPECT_FALSE(BeginCardsFlow(g, w));
    EXPECT_FALSE(CardsFlowStopAsked(g, w));
    EXPECT_TRUE(StopCardsFlowForDeal(g, w));
    EXPECT_TRUE(StopCardsFlowForDeal(g, w));
    EXPECT_TRUE(CardsFlowStopAsked(g, w));
    EXPECT_TRUE(EndCardsFlow(g, w));   // press Deal now
    EXPECT_FALSE(EndCardsFlow(g, w));  // a second ending does nothing
    EXPECT_EQ(g.AnimationRunning, VbFalse);

    // Stopped by the program's close: no new game follows.
    ASSERT_TRUE(BeginCardsFlow(g, w));
    w.AnimationStop = w.DealAfterAnimation = true;
    g.StopFlag = VbTrue;
    EXPECT_FALSE(EndCardsFlow(g, w));
    EXPECT_FALSE(w.DealAfterAnimation);
}

TEST(DevKeys, KeyTable) {
    EXPECT_EQ(Picture7KeyAction('P', true, true, false), DevKey::HumanSideToTwo);
    EXPECT_EQ(Picture7KeyAction('S', true, true, true), DevKey::OppSideToTwo);
    // The player's own Ctrl+Shift keys (a tutorial position saved, restored, the sample games)
    // and Ctrl+Shift+Alt+Home stay theirs.
    EXPECT_EQ(Picture7KeyAction('S', true, true, false), DevKey::None);
    EXPECT_EQ(Picture7KeyAction('R', true, true, false), DevKey::None);
    EXPECT_EQ(Picture7KeyAction('X', true, true, false), DevKey::None);
    EXPECT_EQ(Picture7KeyAction(36, true, true, true), DevKey::None);
    EXPECT_EQ(Picture7KeyAction('P', true, true, true), DevKey::None);
    EXPECT_EQ(Picture7KeyAction('A', true, true, true), DevKey::OwnAddress);
    EXPECT_EQ(Picture7KeyAction('H', true, true, true), DevKey::HostAddress);
    EXPECT_EQ(Picture7KeyAction('V', true, true, true), DevKey::PeerVersion);
    EXPECT_EQ(Picture7KeyAction('P', false, true, false), DevKey::None);
    EXPECT_EQ(Picture7KeyAction('P', true, false, false), DevKey::None);
}

TEST(DevKeys, SideDownToTwoKeepsBottomAndTopAndLosesNoCard) {
    Game g;
    g.HumanSideCount = 5;
    for (int i = 1; i <= 5; ++i) {
        g.HumanSide[kId][i] = static_cast<i16>(10 + i);
        g.HumanSide[kRank][i] = static_cast<i16>(10 + i);
    }
    HumanSideToTwo(g);
    EXPECT_EQ(g.HumanSideCount, 2);
    EXPECT_EQ(g.HumanSide[kId][1], 11);
    EXPECT_EQ(g.HumanSide[kId][2], 15);
    EXPECT_EQ(g.HumanSide[kId][5], 0);
    EXPECT_EQ(g.UsedCount, 3);
    EXPECT_EQ(g.UsedPile[kId][1], 12);
    EXPECT_EQ(g.UsedPile[kId][3], 14);
    HumanSideToTwo(g);
    EXPECT_EQ(g.UsedCount, 3);

    g.Opp[1].SideCount = 3;
    g.Opp[1].Side[kId] = {0, 1, 2, 3};
    OppSideToTwo(g);
    EXPECT_EQ(g.Opp[1].SideCount, 2);
    EXPECT_EQ(g.Opp[1].Side[kId][2], 3);
    EXPECT_EQ(g.UsedPile[kId][4], 2);
}

TEST_F(EngineFixture, SideDownToTwoOnADealtGameKeepsEveryCardInPlay) {
    Players(2);
    g.Rng.Randomize(7);
    e.SetUp();
    e.GoDeal();
    ASSERT_EQ(CheckConservation(g), "");
    HumanSideToTwo(g);
    OppSideToTwo(g);
    EXPECT_EQ(g.HumanSideCount, 2);
    EXPECT_EQ(CheckConservation(g), "");
}
