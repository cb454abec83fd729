#include <algorithm>
#include <vector>

#include "engine/opp_swap.h"
#include "engine_fixture.h"
#include "platform/vb_strings.h"
#include "position_fixture.h"

namespace {

struct RefillTest : EngineFixture {
    void SetUp() override {
        Players(2, 3);
        g.Pturn = 1;
    }
    // Moves every stock card but the top `keep` onto center piles and hold piles so that the
    // used pile and the rest of the stock are empty.
    void LeaveStock(int keep) {
        RestToStock();
        std::vector<std::pair<i16, i16>> spare;
        while (g.StockCount > keep) {
            spare.emplace_back(g.Deck[kId][1], g.Deck[kRank][1]);
            for (int i = 1; i < g.StockCount; ++i)
                for (int r : {kId, kRank}) g.Deck[r][i] = g.Deck[r][i + 1];
            for (int r : {kId, kRank}) g.Deck[r][g.StockCount] = 0;
            --g.StockCount;
        }
        // The cards set aside go under the opponent's hold piles (its tops at position count).
        OpponentRecord& o = g.Opp[1];
        size_t next = 0;
        for (int p = 1; p <= 4 && next < spare.size(); ++p) {
            int n = 0;
            while (n < kHoldCapacity && next < spare.size()) {
                ++n;
                o.Hold[kId][p][n] = spare[next].first;
                o.Hold[kRank][p][n] = spare[next].second;
                ++next;
            }
            o.HoldPileInfo[p][1] = static_cast<i16>(n);
            o.Cards[kId][6 + p] = o.Hold[kId][p][n];
            o.Cards[kRank][6 + p] = o.Hold[kRank][p][n];
        }
        ASSERT_EQ(next, spare.size()) << "too many cards for the test's hold piles";
    }
};

}  // namespace

// Online, the Internet game ended during the glide of the refill's first card: no further card
// is dealt onto the table that is gone.
TEST_F(RefillTest, OnlineARefillStopsWhenTheGameEndsDuringIt) {
    struct EndingPump : EventPump {
        ManualClock& clock;
        Game& game;
        EndingPump(ManualClock& c, Game& g) : clock(c), game(g) {}
        void Pump(bool, double wait) override {
            clock.Advance(wait);
            game.NetConnected = 0;
        }
    };
    HumanSide({9});
    OppSide(1, {9});
    Hand({3, 0, 4, 0, 0});
    RestToStock();
    g.NetConnected = 1;
    g.MovePause = 0.5;
    const i16 stock = g.StockCount;
    ManualClock clock;
    EndingPump pump(clock, g);
    const i16 flip = VbFalse;
    Pauser pauser(clock, pump, g.StopFlag, flip);
    h.services.pauser = &pauser;
    e.Deal_Players(PileRow::Human, g.HumanCards);
    EXPECT_EQ(g.StockCount, stock - 1);
    EXPECT_EQ(CountHand(g.HumanCards), 3);
}

TEST_F(RefillTest, OnlyEmptySlotsAreFilledInSlotOrder) {
    HumanSide({9});
    OppSide(1, {9});
    Hand({3, 0, 4, 0, 5});
    RestToStock();
    const i16 top = g.Deck[kId][g.StockCount], next = g.Deck[kId][g.StockCount - 1];
    e.Deal_Players(PileRow::Human, g.HumanCards);
    EXPECT_EQ(g.HumanCards[kId][3], top);
    EXPECT_EQ(g.HumanCards[kId][5], next);
    EXPECT_EQ(h.board.messages[1], "");
    EXPECT_EQ(g.HandCount, 5);
    ExpectSound();

    g.Pturn = 2;
    OppSwap(g, 1, false);
    g.HandCount = 0;
    e.Deal_Players(PileRow::Opp1, g.CurCards);
    EXPECT_EQ(CountHand(g.CurCards), 5);
    EXPECT_EQ(h.board.messages[1], "Seat1 Picked Up");
    ExpectSound();
}

// The human's refilled hand takes plays card by card in a local game; online only once it is
// whole, as the other machines deal it whole before they replay the turn's first play.
TEST_F(RefillTest, OnlineTheHandTakesPlaysOnceItIsWhole) {
    struct Case {
        i16 netConnected;
        std::vector<std::string> enables;
    };
    const Case cases[] = {
        {0, {"EnableHumanPiles 1 3-3", "EnableHumanPiles 1 5-5"}},
        {1, {"EnableHumanPiles 0 2-6", "EnableHumanPiles 1 2-6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.netConnected);
        HumanSide({9});
        OppSide(1, {9});
        Hand({3, 0, 4, 0, 5});
        RestToStock();
        g.NetConnected = c.netConnected;
        h.log.Clear();
        e.Deal_Players(PileRow::Human, g.HumanCards);
        std::vector<std::string> enables;
        for (const std::string& line : h.log.lines)
            if (line.rfind("EnableHumanPiles", 0) == 0) enables.push_back(line);
        EXPECT_EQ(enables, c.enables);
        EXPECT_EQ(CountHand(g.HumanCards), 5);
    }
}

TEST_F(RefillTest, AnEmptyStockIsReshuffledFromTheUsedPile) {
    HumanSide({9});
    OppSide(1, {9});
    Hand({0, 0, 0, 0, 0});
    RestToStock();
    std::vector<i16> used;
    while (g.StockCount > 0) {  // the whole stock has gone to the used pile
        used.push_back(g.Deck[kId][g.StockCount]);
        ++g.UsedCount;
        for (int r : {kId, kRank}) {
            g.UsedPile[r][g.UsedCount] = g.Deck[r][g.StockCount];
            g.Deck[r][g.StockCount] = 0;
        }
        --g.StockCount;
    }
    const i16 usedCount = g.UsedCount;
    e.RESHUFFLE();
    EXPECT_EQ(g.UsedCount, 0);
    EXPECT_EQ(g.StockCount, usedCount);
    std::vector<i16> stock(g.Deck[kId].begin() + 1, g.Deck[kId].begin() + 1 + g.StockCount);
    std::sort(stock.begin(), stock.end());
    std::sort(used.begin(), used.end());
    EXPECT_EQ(stock, used);
    EXPECT_EQ(h.board.messages[2], " ");
    ExpectSound();
}

// A single used card is a stock of one: the refill goes on instead of calling a stalemate.
TEST_F(RefillTest, AUsedPileOfOneCardIsReshuffledToo) {
    HumanSide({9});
    OppSide(1, {9});
    Hand({0, 0, 0, 0, 0});
    RestToStock();
    const i16 id = g.Deck[kId][g.StockCount], rank = g.Deck[kRank][g.StockCount];
    for (int i = 1; i <= g.StockCount; ++i)
        for (int r : {kId, kRank}) g.Deck[r][i] = 0;
    g.StockCount = 0;
    g.UsedCount = 1;
    g.UsedPile[kId][1] = id;
    g.UsedPile[kRank][1] = rank;
    e.RESHUFFLE();
    EXPECT_EQ(g.StockCount, 1);
    EXPECT_EQ(g.UsedCount, 0);
    EXPECT_EQ(g.Deck[kId][1], id);
    EXPECT_EQ(g.Deck[kRank][1], rank);
}

TEST_F(RefillTest, AStalemateAtTheThirdSlotIsGivenUpOnNo) {
    HumanSide({9});
    OppSide(1, {9});
    Hand({0, 0, 0, 0, 0});
    LeaveStock(2);
    h.dialogs.answers.push_back(mb::No);
    e.Deal_Players(PileRow::Human, g.HumanCards);
    EXPECT_EQ(CountHand(g.HumanCards), 2);
    EXPECT_EQ(h.dialogs.lastTitle, "Stalemate");
    EXPECT_EQ(g.AbortTurn, 1);
    EXPECT_EQ(g.Pturn, 0);
    EXPECT_EQ(h.board.messages[2],
              "You tossed the Stalemated game. Press F2 to start a new game or select New Game "
              "from the menu.");
    ExpectSound();
}

TEST_F(RefillTest, ARecoveryFromARefillLeavesAFullHandThatIsCounted) {
    HumanSide({9, 8});
    OppSide(1, {9, 7});
    Hand({0, 0, 0, 0, 0});
    g.HandCount = 0;
    LeaveStock(2);
    OppSwap(g, 1, false);  // the seat that played last, stored back: its copy stays loaded
    OppSwap(g, 1, true);
    h.dialogs.answers.push_back(mb::Yes);
    e.Deal_Players(PileRow::Human, g.HumanCards);
    EXPECT_EQ(g.AbortTurn, 2);
    // The seen marks start again from the two side tops on view.
    EXPECT_EQ(g.Deck[2][g.HumanSide[kId][2]], 1);
    EXPECT_EQ(g.Deck[2][g.Opp[1].Side[kId][2]], 1);
    EXPECT_EQ(CountHand(g.HumanCards), 5);
    EXPECT_EQ(g.HandCount, 5);
    EXPECT_EQ(CountHand(g.Opp[1].Cards), 5);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(g.Opp[1].HoldPileInfo[p][1], 0);
    EXPECT_EQ(g.HumanSideCount, 2);
    EXPECT_EQ(g.Opp[1].SideCount, 2);
    EXPECT_EQ(g.StockCount, 104 - 4 - 10);
    EXPECT_EQ(g.Pturn, 1);
    ExpectSound();
}

TEST_F(RefillTest, ARecoveryGathersEveryCardOnceFromEveryPlayer) {
    for (int players : {2, 3, 4}) {
        g = MidGamePosition(players);
        g.Pturn = 2;
        OppSwap(g, 1, false);
        ASSERT_EQ(CheckConservation(g), "");
        int sides = g.HumanSideCount;
        for (int k = 1; k < players; ++k) sides += g.Opp[k].SideCount;
        e.Stale_Recover();
        EXPECT_EQ(g.PileLoop, 0);
        EXPECT_EQ(CheckConservation(g), "") << players;
        EXPECT_EQ(g.StockCount, g.NumCards - sides - 5 * players) << players;
        EXPECT_EQ(g.UsedCount, 0);
        EXPECT_EQ(g.WorkingOpp, 1);
        EXPECT_EQ(g.NoMissCheck, 2);
        for (int k = 1; k <= g.NumCenters; ++k) EXPECT_EQ(g.CenterCount[k], 0);
    }
}

TEST_F(RefillTest, TheHostSendsTheReshuffledStock) {
    HumanSide({9});
    OppSide(1, {9});
    RestToStock();
    for (int i = 1; i <= 3; ++i) {
        ++g.UsedCount;
        for (int r : {kId, kRank}) g.UsedPile[r][i] = g.Deck[r][g.StockCount];
        for (int r : {kId, kRank}) g.Deck[r][g.StockCount] = 0;
        --g.StockCount;
    }
    const i16 rest = g.StockCount;
    for (int i = 1; i <= rest; ++i) {  // the stock is dealt out: only the used pile is left
        ++g.UsedCount;
        for (int r : {kId, kRank}) g.UsedPile[r][g.UsedCount] = g.Deck[r][i];
        for (int r : {kId, kRank}) g.Deck[r][i] = 0;
    }
    g.StockCount = 0;
    g.NetConnected = 1;
    g.IsHost = 1;
    g.PeerVersion = "80";
    h.net.replies.push_back([this] {
        g.NetCode = net::DK;
        ++g.NetAnswers;
    });
    e.RESHUFFLE();
    ASSERT_FALSE(h.net.sent.empty());
    const std::string& line = h.net.sent.back().second;
    std::string want = "DK ";
    for (int i = 1; i <= g.StockCount; ++i) want += Str(g.Deck[kId][i]) + "#";
    EXPECT_EQ(line, want);
    EXPECT_EQ(line.substr(0, 4), "DK  ");
    ExpectSound();
}
