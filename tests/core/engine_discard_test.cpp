#include "engine_fixture.h"

namespace {

struct DiscardTest : EngineFixture {
    int computerTurns = 0;
    void SetUp() override {
        Players(2, 3);
        g.Pturn = 1;
        g.NumPlayers = 2;
        g.TurnOrder = {0, 1, 2, 0, 0};
        g.TurnPos = 1;
        h.turns.run = [this] { ++computerTurns; };
    }
    // Discards hand slot `slot` onto hold pile `pile`; true when the turn passed on.
    bool Discard(int slot, int pile) {
        g.PickSlot = static_cast<i16>(slot);
        g.DropSlot = static_cast<i16>(6 + pile);
        e.Player_EndTurn();
        return g.Pturn != 1;
    }
};

}  // namespace

TEST_F(DiscardTest, ForcedCardsHoldBackTheDiscard) {
    struct Case {
        i16 forced;
        i16 side;  // side top rank
        std::initializer_list<i16> hand;
        i16 holdTop;      // rank on hold pile 4, 0 none
        int centerCount;  // of center 1 (the others hold 5)
        int discardSlot;
        const char* refusedFor;  // "" accepted
    } cases[] = {
        {5, 9, {4, 1, 6, 7, 8}, 0, 0, 2, ""},     // visible only: a hand Ace does not count
        {5, 9, {4, 1, 6, 7, 8}, 0, 0, 3, "Ace"},  // ...unless it is the card discarded
        {5, 1, {4, 6, 6, 7, 8}, 0, 0, 2, "Ace"},  // the side top is an Ace
        {5, 9, {4, 6, 6, 7, 8}, 1, 0, 2, "Ace"},  // a hold top is an Ace
        {1, 9, {4, 6, 6, 7, 1}, 0, 0, 2, "Ace"},  // any hand Ace
        {1, 9, {4, 6, 6, 7, 1}, 0, 3, 2, ""},     // no empty center
        {2, 9, {2, 6, 6, 7, 8}, 0, 1, 3, "Two"},
        {3, 9, {2, 1, 6, 7, 8}, 0, 1, 4, "Two"},  // Ace rule idle (no empty pile)
        {4, 9, {1, 6, 6, 7, 8}, 1, 0, 3, ""},     // visible only, alone: no forced card
        {0, 1, {1, 2, 6, 7, 8}, 1, 0, 4, ""},
    };
    for (const auto& c : cases) {
        Fresh();
        SetUp();
        g.ForcedCards = c.forced;
        HumanSide({5, c.side});
        Hand(c.hand);
        if (c.holdTop) Put(g.HumanCards, 10, Card(c.holdTop));
        Center(1, c.centerCount);
        Center(2, 5);
        Center(3, 5);
        RestToStock();
        h.dialogs.lastText.clear();
        const bool passed = Discard(c.discardSlot, 1);
        EXPECT_EQ(passed, *c.refusedFor == 0) << "forced " << c.forced << " slot " << c.discardSlot;
        if (*c.refusedFor) {
            EXPECT_EQ(h.dialogs.lastTitle, "Rule Enforced");
            EXPECT_EQ(h.dialogs.lastText, std::string("Forced ") + c.refusedFor +
                                              " rule is in effect. You must play your " +
                                              c.refusedFor);
        }
        ExpectSound();
    }
}

TEST_F(DiscardTest, AHoldPileTakesThirtyBeneathItsTop) {
    HumanSide({5});
    Hand({3, 4, 6, 7, 8});
    Put(g.HumanCards, 7, Card(9));
    g.HumanHoldCount[1] = 29;
    for (int n = 1; n <= 29; ++n) {
        const i16 id = Card(static_cast<i16>(n % 12 + 1));
        g.HumanHold[kId][1][n] = id;
        g.HumanHold[kRank][1][n] = RankOf(id);
    }
    RestToStock();
    ASSERT_TRUE(Discard(2, 1));
    EXPECT_EQ(g.HumanHoldCount[1], 30);
    EXPECT_EQ(g.Pturn, 2);
    EXPECT_EQ(computerTurns, 1);
    EXPECT_EQ(g.HandCount, 5);
    ExpectSound();

    g.Pturn = 1;
    g.TurnPos = 1;
    EXPECT_FALSE(Discard(3, 1));
    EXPECT_EQ(h.board.messages[1], "That HOLD pile is too full. PICK ANOTHER PILE!");
    EXPECT_EQ(g.HumanHoldCount[1], 30);
    ASSERT_TRUE(Discard(3, 2));  // onto an empty pile: the card is the top, nothing beneath
    EXPECT_EQ(g.HumanHoldCount[2], 0);
    EXPECT_EQ(g.HumanCards[kRank][8], 4);
    ExpectSound();
}

TEST_F(DiscardTest, TheTurnPassesInOrderAndNotWhileAPlayRunsOrOffTurn) {
    Players(4);
    HumanSide({5});
    Hand({3, 4, 6, 7, 8});
    RestToStock();
    g.TurnOrder = {0, 2, 3, 4, 1};
    g.TurnPos = 4;
    g.PlayRunning = VbTrue;
    EXPECT_FALSE(Discard(2, 1));
    g.PlayRunning = VbFalse;
    g.Pturn = 3;
    Discard(2, 1);
    EXPECT_EQ(computerTurns, 0);
    g.Pturn = 1;
    ASSERT_TRUE(Discard(2, 1));
    EXPECT_EQ(g.TurnPos, 1);
    EXPECT_EQ(g.Pturn, 2);
}

TEST_F(DiscardTest, HandSortMovesOneCardAndShiftsTheOthers) {
    const i16 a = 1, b = 2, c = 3, d = 4, x = 5;
    struct Case {
        i16 from, to;
        std::array<i16, 5> want;
    } cases[] = {{2, 5, {b, c, d, a, x}}, {5, 2, {d, a, b, c, x}}, {3, 3, {a, b, c, d, x}}};
    for (const auto& t : cases) {
        PorC cards{};
        for (int s = 0; s < 5; ++s) Put(cards, s + 2, std::array<i16, 5>{a, b, c, d, x}[s]);
        e.Hand_Sort(cards, PileRow::Human, t.from, t.to);
        for (int s = 0; s < 5; ++s) EXPECT_EQ(cards[kId][s + 2], t.want[s]) << t.from << t.to;
    }
}
