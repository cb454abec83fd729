#include <gtest/gtest.h>

#include "engine/cards.h"
#include "engine/engine.h"
#include "tests/support/headless_services.h"

namespace {

struct CenterFixture : ::testing::Test {
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};

    void SetCenters(std::initializer_list<int> counts) {
        g.NumCenters = static_cast<i16>(counts.size());
        int k = 1;
        for (int c : counts) g.CenterCount[k++] = static_cast<i16>(c);
    }
};

}  // namespace

TEST_F(CenterFixture, CenterBestToPlayPicksThePileTheSideCardReachesSoonest) {
    struct Case {
        std::initializer_list<int> centers;
        i16 side;
        i16 want;
    } cases[] = {
        {{4, 2, 0}, 5, 1},     // d = 1 on pile 1
        {{7, 9, 7}, 5, 2},     // round through the Queen: d = 8 beats d = 10
        {{11, 0}, 4, 2},       // Queen, Ace, Two, Three, Four is d = 5; the empty pile needs d = 4
        {{5, 5, 5}, 5, 1},     // every pile stands at the value
        {{0, 0, 0, 3}, 1, 1},  // an Ace fits any empty pile: the lowest wins
        {{11, 3, 3, 0}, 12, 1}, {{2, 2, 2, 2}, 13, 1},  // someone else's King
    };
    for (const auto& c : cases) {
        SetCenters(c.centers);
        EXPECT_EQ(e.CenterBestToPlay(c.side), c.want) << "side" << c.side;
    }
}

TEST_F(CenterFixture, CenterBestToPlayKeepsOwnWildKingOffTheHumansPile) {
    struct Case {
        std::initializer_list<int> centers;
        i16 humanCenter;
        i16 noWildAce;
        i16 want;
    } cases[] = {
        {{3, 0, 5, 3}, 4, VbTrue, 3},   // highest non-empty other than the human's
        {{0, 0, 0, 3}, 4, VbTrue, 4},   // only the human's is non-empty
        {{0, 0, 0, 0}, 2, VbTrue, 1},   // all empty
        {{3, 5, 3, 3}, 4, VbFalse, 2},  // highest with a count unlike the human's pile
        {{3, 3, 3, 3}, 1, VbFalse, 1},  // none differs
        {{0, 3, 5, 0}, 0, VbFalse, 3},  // no pile chosen for the human yet: reads as empty
        {{0, 0, 0, 0}, 0, VbFalse, 1},
    };
    for (const auto& c : cases) {
        SetCenters(c.centers);
        g.HumanCenter = c.humanCenter;
        g.NoWildAce = c.noWildAce;
        EXPECT_EQ(e.CenterBestToPlay(kKing, true), c.want);
    }
}

TEST_F(CenterFixture, PlayerMissedMoveSeesAPlayableSideTopButNotAKing) {
    SetCenters({3, 0, 7});
    for (auto [side, want] : {std::pair{4, true}, {1, true}, {8, true}, {6, false}, {13, false}}) {
        g.HumanCards[kRank][kSideSlot] = static_cast<i16>(side);
        EXPECT_EQ(e.PlayerMissedMove(), want) << side;
    }
}

TEST_F(CenterFixture, AFinishedPileGoesToTheUsedPileInOrder) {
    SetCenters({0, 0, 0});
    g.PileSel = 2;
    g.UsedCount = 3;  // cards already there stay below
    for (i16 n = 1; n <= 12; ++n) {
        i16 id = n == 6 ? 13 : n;  // a King standing for the Six
        g.MoveCard = {id, RankOf(id)};
        e.Add_Center();
        EXPECT_EQ(g.CenterCount[2], n);
    }
    EXPECT_EQ(h.board.wildLabels[2], "");
    g.MoveCard = {13, kKing};
    g.PileSel = 1;
    e.Add_Center();
    EXPECT_EQ(h.board.wildLabels[1], " 1 ");

    g.PileSel = 2;
    e.Add_Used();
    EXPECT_EQ(g.CenterCount[2], 0);
    EXPECT_EQ(g.UsedCount, 15);
    EXPECT_EQ(g.UsedPile[kId][4], 1);
    EXPECT_EQ(g.UsedPile[kId][9], 13);
    EXPECT_EQ(g.UsedPile[kId][15], 12);
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(g.Center[kId][2][n], 0);
    EXPECT_TRUE(h.log.Contains("Label9(0)  CLEARING "));
    EXPECT_EQ(h.board.messages[0], "");
}

TEST_F(CenterFixture, ACardLaidInTheTutorialWaitsForTheNextTip) {
    for (i16 tutorial : {VbFalse, VbTrue}) {
        SetCenters({0, 0, 0});
        h.log.Clear();
        g.TutorialOn = tutorial;
        g.PileSel = 1;
        g.MoveCard = {1, kAce};
        e.Add_Center();
        EXPECT_EQ(h.log.Contains("EnablePlayerPiles 0"), tutorial != 0);
    }
}
