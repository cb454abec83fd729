#include "engine/cards.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/conservation.h"
#include "engine/opp_swap.h"

TEST(CardRank, GivesTheRankAndReducesTheId) {
    struct Case {
        i16 id, rank, reduced;
    } cases[] = {{0, 0, 0},  {1, 1, 1},     {13, 13, 13}, {52, 13, 52},
                 {53, 1, 1}, {104, 13, 52}, {118, 1, 14}, {208, 13, 52}};
    for (auto c : cases) {
        i16 id = c.id;
        EXPECT_EQ(CardRank(id), c.rank) << c.id;
        EXPECT_EQ(id, c.reduced) << c.id;
    }
}

namespace {
void FillStock(CardState& s, int numCards) {
    s.StockCount = static_cast<i16>(numCards);
    for (i16 i = 1; i <= numCards; ++i) {
        s.Deck[kId][i] = i;
        s.Deck[kRank][i] = RankOf(i);
    }
}
}  // namespace

TEST(Shuffle, KeepsTheCardsAndChangesNothingForAnEmptyStretch) {
    CardState s;
    VbRandom rng;
    FillStock(s, 104);
    auto before = s.Deck;
    Shuffle(s, rng, 10, 9, 104);
    EXPECT_EQ(s.Deck, before);

    Shuffle(s, rng, 1, 104, 104);
    EXPECT_NE(s.Deck, before);
    std::vector<i16> ids(s.Deck[kId].begin() + 1, s.Deck[kId].begin() + 105);
    std::sort(ids.begin(), ids.end());
    for (i16 i = 1; i <= 104; ++i) EXPECT_EQ(ids[static_cast<size_t>(i - 1)], i);
    for (int i = 1; i <= 104; ++i) EXPECT_EQ(s.Deck[kRank][i], RankOf(s.Deck[kId][i]));
}

TEST(Shuffle, SeparateDecksStayInTheirOwnPositionsTogetherTheyMix) {
    CardState s;
    VbRandom rng;
    FillStock(s, 208);
    for (int d = 1; d <= 4; ++d) Shuffle(s, rng, 52 * (d - 1) + 1, 52 * d, 52, 52 * (d - 1));
    for (int i = 1; i <= 208; ++i) EXPECT_EQ((s.Deck[kId][i] - 1) / 52, (i - 1) / 52) << i;

    Shuffle(s, rng, 1, 208, 208);
    int moved = 0;
    for (int i = 1; i <= 208; ++i) moved += (s.Deck[kId][i] - 1) / 52 != (i - 1) / 52;
    EXPECT_GT(moved, 100);
}

TEST(Shuffle, SameSeedSameOrder) {
    CardState a, b;
    VbRandom ra, rb;
    ra.Rnd(-1), rb.Rnd(-1);
    ra.Randomize(5), rb.Randomize(5);
    FillStock(a, 156), FillStock(b, 156);
    Shuffle(a, ra, 1, 156, 156);
    Shuffle(b, rb, 1, 156, 156);
    EXPECT_EQ(a.Deck, b.Deck);
}

namespace {
// A two-player position with every kind of place filled: stock, used pile, centers, both
// players' side piles, hands and hold piles.
Game SmallPosition() {
    Game g;
    g.NumPlayers = 2;
    g.NumCards = 104;
    g.NumCenters = 4;
    std::vector<i16> free;
    for (i16 id = 1; id <= 104; ++id) free.push_back(id);
    auto take = [&](i16 rank) {
        auto it =
            std::find_if(free.begin(), free.end(), [&](i16 id) { return RankOf(id) == rank; });
        i16 id = *it;
        free.erase(it);
        return id;
    };
    for (i16 n = 1; n <= 3; ++n) {
        g.Center[kId][1][n] = take(n);
        g.Center[kRank][1][n] = n;
    }
    g.CenterCount[1] = 3;
    g.Center[kId][2][1] = take(kKing), g.Center[kRank][2][1] = kKing, g.CenterCount[2] = 1;
    auto put = [&](i16& id, i16& rank, i16 r) { id = take(r), rank = r; };
    for (int i = 1; i <= 5; ++i) put(g.HumanSide[kId][i], g.HumanSide[kRank][i], 5);
    g.HumanSideCount = 5;
    g.HumanCards[kId][1] = g.HumanSide[kId][5], g.HumanCards[kRank][1] = 5;
    put(g.HumanCards[kId][3], g.HumanCards[kRank][3], 7);
    put(g.HumanHold[kId][2][1], g.HumanHold[kRank][2][1], 8);
    put(g.HumanCards[kId][8], g.HumanCards[kRank][8], 9);
    g.HumanHoldCount[2] = 1;
    OpponentRecord& o = g.Opp[1];
    for (int i = 1; i <= 4; ++i) put(o.Side[kId][i], o.Side[kRank][i], 6);
    o.SideCount = 4;
    o.Cards[kId][1] = o.Side[kId][4], o.Cards[kRank][1] = 6;
    put(o.Cards[kId][2], o.Cards[kRank][2], 10);
    put(o.Hold[kId][1][1], o.Hold[kRank][1][1], 11);
    put(o.Hold[kId][1][2], o.Hold[kRank][1][2], 12);
    o.Cards[kId][7] = o.Hold[kId][1][2], o.Cards[kRank][7] = 12;
    o.HoldPileInfo[1][1] = 2;
    for (int i = 0; i < 3; ++i) put(g.UsedPile[kId][i + 1], g.UsedPile[kRank][i + 1], 4);
    g.UsedCount = 3;
    for (i16 id : free) {
        ++g.StockCount;
        g.Deck[kId][g.StockCount] = id;
        g.Deck[kRank][g.StockCount] = RankOf(id);
    }
    return g;
}
}  // namespace

TEST(Conservation, AcceptsASoundPositionAndNamesEachFault) {
    Game g = SmallPosition();
    ASSERT_EQ(CheckConservation(g), "");

    struct Fault {
        const char* expect;
        void (*spoil)(Game&);
    } faults[] = {
        {"two places",
         [](Game& x) {
             x.UsedPile[kId][1] = x.Deck[kId][1];
             x.UsedPile[kRank][1] = x.Deck[kRank][1];
         }},
        {"lost", [](Game& x) { --x.StockCount; }},
        {"rank", [](Game& x) { x.Deck[kRank][2] = 0; }},
        {"sequence",
         [](Game& x) {
             std::swap(x.Center[kId][1][1], x.Center[kId][1][2]);
             std::swap(x.Center[kRank][1][1], x.Center[kRank][1][2]);
         }},
        {"side top", [](Game& x) { x.HumanCards[kId][1] = 0; }},
        {"hold top", [](Game& x) { x.Opp[1].Cards[kId][7] = 0; }},
        {"empty top",
         [](Game& x) {
             x.HumanCards[kId][8] = 0;
             x.HumanCards[kRank][8] = 0;
         }},
        {"centers",
         [](Game& x) {
             x.NumPlayers = 3;
             x.NumCards = 156;
             x.NumCenters = 3;
         }},
    };
    for (const auto& f : faults) {
        Game bad = g;
        f.spoil(bad);
        EXPECT_NE(CheckConservation(bad).find(f.expect), std::string::npos)
            << f.expect << ": " << CheckConservation(bad);
    }
}

TEST(OppSwap, StoreThenLoadKeepsTheWorkingCopyAndTheCheckFollowsIt) {
    Game g = SmallPosition();
    g.Opp[1].Level = 2;
    g.Opp[1].Comments[5] = "Hmm.";
    g.Opp[1].CommentFile = "Default Personality";
    OppSwap(g, 1, false);
    EXPECT_EQ(g.WorkingOpp, 1);
    EXPECT_EQ(g.CompLevel, 2);
    EXPECT_EQ(g.CompComments[5], "Hmm.");
    // A play in the working copy: the check reads the working copy, not the stale record.
    std::swap(g.CurCards[kId][2], g.CurCards[kId][3]);
    std::swap(g.CurCards[kRank][2], g.CurCards[kRank][3]);
    EXPECT_EQ(CheckConservation(g), "");
    auto cards = g.CurCards;
    OppSwap(g, 1, true);
    EXPECT_EQ(g.WorkingOpp, 0);
    OppSwap(g, 1, false);
    EXPECT_EQ(g.CurCards, cards);

    g.Opp[1].CommentFile = "No Comments";
    g.CompComments[5] = "kept";
    OppSwap(g, 1, false);
    EXPECT_EQ(g.QuietComp, VbTrue);
    EXPECT_EQ(g.CompComments[5], "kept");
}
