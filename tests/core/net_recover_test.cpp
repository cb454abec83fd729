// The whole game as one line: random positions written by the host and read on every seat are
// the same position, each player in its seat; damaged transfers are refused whole.
#include <gtest/gtest.h>

#include <random>

#include "engine/conservation.h"
#include "engine/seat_map.h"
#include "engine/snapshot_codec.h"
#include "engine_fixture.h"
#include "net/recover.h"
#include "platform/vb_strings.h"

namespace {

// Every card a player has, in a form that does not depend on where the game keeps the top of a
// hold pile.
struct Holding {
    std::vector<i16> side;
    std::array<i16, 5> hand{};
    std::array<std::vector<i16>, 5> holds;  // bottom to top
    i16 wildSide = 0, wildHand = 0;
    bool operator==(const Holding&) const = default;
};

Holding HoldingOf(const Game& g, int player) {
    Holding h;
    if (player == 1) {
        for (int i = 1; i <= g.HumanSideCount; ++i) h.side.push_back(g.HumanSide[kId][i]);
        for (int s = 2; s <= 6; ++s) h.hand[s - 2] = g.HumanCards[kId][s];
        for (int p = 1; p <= 4; ++p) {
            for (int n = 1; n <= g.HumanHoldCount[p]; ++n)
                h.holds[p].push_back(g.HumanHold[kId][p][n]);
            if (g.HumanCards[kId][6 + p] != 0) h.holds[p].push_back(g.HumanCards[kId][6 + p]);
        }
        h.wildSide = g.HumanWildSide;
        h.wildHand = g.HumanWildHand;
        return h;
    }
    const OpponentRecord& o = g.Opp[player - 1];
    for (int i = 1; i <= o.SideCount; ++i) h.side.push_back(o.Side[kId][i]);
    for (int s = 2; s <= 6; ++s) h.hand[s - 2] = o.Cards[kId][s];
    for (int p = 1; p <= 4; ++p)
        for (int n = 1; n <= o.HoldPileInfo[p][1]; ++n) h.holds[p].push_back(o.Hold[kId][p][n]);
    h.wildSide = o.WildSide;
    h.wildHand = o.WildHand;
    return h;
}

struct RecoverTest : EngineFixture {
    std::mt19937 rng{11};
    int Rand(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    i16 TakeStock() {
        const i16 id = g.Deck[kId][g.StockCount];
        g.Deck[kId][g.StockCount] = g.Deck[kRank][g.StockCount] = 0;
        --g.StockCount;
        return id;
    }
    void ToUsed(i16 id) {
        ++g.UsedCount;
        g.UsedPile[kId][g.UsedCount] = id;
        g.UsedPile[kRank][g.UsedCount] = RankOf(id);
    }
    void Discard(int player, int p, i16 id) {
        if (player == 1) {
            const i16 top = g.HumanCards[kId][6 + p];
            if (top != 0) {
                const i16 n = ++g.HumanHoldCount[p];
                g.HumanHold[kId][p][n] = top;
                g.HumanHold[kRank][p][n] = RankOf(top);
            }
            Put(g.HumanCards, 6 + p, id);
            return;
        }
        OpponentRecord& o = g.Opp[player - 1];
        const i16 n = ++o.HoldPileInfo[p][1];
        o.Hold[kId][p][n] = id;
        o.Hold[kRank][p][n] = RankOf(id);
        Put(o.Cards, 6 + p, id);
    }
    int HoldSize(int player, int p) {
        if (player == 1) return g.HumanHoldCount[p] + (g.HumanCards[kId][6 + p] != 0 ? 1 : 0);
        return g.Opp[player - 1].HoldPileInfo[p][1];
    }
    // A dealt game played on at random: cards discarded, laid on the centers and finished piles
    // put on the used pile, with the first opponent's first pile full.
    void RandomPosition(int players, int centers, int sidePileSize = 0) {
        Fresh();
        Players(players, centers);
        g.SidePileSize = static_cast<i16>(
            sidePileSize ? sidePileSize : std::array<int, 4>{9, 14, 19, 25}[Rand(4)]);
        e.SetUp();
        e.Deal_All();
        while (HoldSize(2, 1) < kHoldCapacity) Discard(2, 1, TakeStock());
        for (int step = 0; step < 400 && g.StockCount > 0; ++step) {
            const int kind = Rand(4), player = 1 + Rand(players), p = 1 + Rand(4);
            if (kind == 0 && HoldSize(player, p) < kHoldCapacity) {
                Discard(player, p, TakeStock());
            } else if (kind == 1) {
                const int c = 1 + Rand(centers);
                const i16 id = g.Deck[kId][g.StockCount];
                if (RankOf(id) != g.CenterCount[c] + 1 && RankOf(id) != kKing) continue;
                const i16 n = ++g.CenterCount[c];
                g.Center[kId][c][n] = TakeStock();
                g.Center[kRank][c][n] = RankOf(id);
                if (n == kQueen) {
                    for (int k = 1; k <= 12; ++k) ToUsed(g.Center[kId][c][k]);
                    g.Center[kId][c] = g.Center[kRank][c] = {};
                    g.CenterCount[c] = 0;
                }
            } else if (kind == 2) {
                ToUsed(TakeStock());
            }
        }
        g.HumanWildSide = 2;
        g.Opp[1].WildHand = 3;
        g.Pturn = static_cast<i16>(1 + Rand(players));
        ASSERT_EQ(CheckConservation(g), "");
    }
};

}  // namespace

TEST_F(RecoverTest, ARandomPositionReadOnEverySeatIsTheSamePositionTurned) {
    for (int round = 0; round < 30; ++round) {
        const int players = 2 + round % 3;
        RandomPosition(players, players == 2 && round % 2 ? 3 : 4);
        const Game host = g;
        const std::string text = net::RecoverText(host, "84");
        for (int seat = 1; seat < players; ++seat) {
            net::Fault fault;
            auto rec = net::ReadRecover(text, "84", seat, fault);
            ASSERT_TRUE(rec) << fault.text << " round " << round << " seat " << seat;
            Game remote;
            RecordToState(*rec, remote);
            EXPECT_EQ(CheckConservation(remote), "");
            EXPECT_EQ(remote.Pturn, LocalOfHost(host.Pturn, seat, players));
            EXPECT_EQ(remote.StockCount, host.StockCount);
            EXPECT_EQ(remote.Deck[kId], host.Deck[kId]);
            EXPECT_EQ(remote.UsedPile[kId], host.UsedPile[kId]);
            EXPECT_EQ(remote.Center, host.Center);
            EXPECT_EQ(remote.SidePileSize, host.SidePileSize);
            for (int k = 1; k <= players; ++k)
                EXPECT_TRUE(HoldingOf(remote, LocalOfHost(k, seat, players)) == HoldingOf(host, k))
                    << "host player " << k << " seat " << seat << " round " << round;
            const PorC& onTurn =
                remote.Pturn == 1 ? remote.HumanCards : remote.Opp[remote.Pturn - 1].Cards;
            EXPECT_EQ(remote.HandCount, CountHand(onTurn));
        }
    }
}

TEST_F(RecoverTest, TheOlderLayoutCarriesATwoPlayerGame) {
    for (int round = 0; round < 10; ++round) {
        RandomPosition(2, 3);
        const Game host = g;
        for (const std::string version : {"74", "51"}) {
            const std::string text = net::RecoverText(host, version);
            net::Fault fault;
            auto rec = net::ReadRecover(text, version, 1, fault);
            // A peer below 5.2 knows only the house rules' side pile of 20 cards.
            if (version == "51" && host.SidePileSize != 19) {
                EXPECT_FALSE(rec.has_value());
                continue;
            }
            ASSERT_TRUE(rec) << fault.text << " " << version;
            Game remote;
            RecordToState(*rec, remote);
            EXPECT_EQ(CheckConservation(remote), "");
            EXPECT_EQ(remote.Pturn, 3 - host.Pturn);
            EXPECT_TRUE(HoldingOf(remote, 1) == HoldingOf(host, 2)) << version;
            EXPECT_TRUE(HoldingOf(remote, 2) == HoldingOf(host, 1)) << version;
        }
    }
}

TEST_F(RecoverTest, APeerWithoutVersionsSendsRanksAndEveryCardStaysOneCard) {
    RandomPosition(2, 3, 19);
    const std::string text = net::RecoverText(g, "40");
    net::Fault fault;
    auto rec = net::ReadRecover(text, "40", 1, fault);
    ASSERT_TRUE(rec) << fault.text;
    Game remote;
    RecordToState(*rec, remote);
    EXPECT_EQ(CheckConservation(remote), "");
    for (int i = 1; i <= remote.StockCount; ++i) EXPECT_EQ(remote.Deck[kRank][i], g.Deck[kRank][i]);
}

TEST_F(RecoverTest, DamagedTransfersAreRefusedWhole) {
    RandomPosition(3, 4);
    const std::string text = net::RecoverText(g, "84");
    std::string overfull = text;  // the host's own pile 1 of 30 under its top: 31 on a seat
    {
        Fresh();
        Players(2, 4);
        e.SetUp();
        e.Deal_All();
        g.Pturn = 1;
        while (g.HumanHoldCount[1] < kHoldCapacity) Discard(1, 1, TakeStock());
        ASSERT_EQ(CheckConservation(g), "");
        overfull = net::RecoverText(g, "84");
    }
    const std::pair<std::string, std::string> cases[] = {
        {text.substr(0, text.size() / 2), "a game with a damaged or missing number"},
        {text + " 0#", "more numbers than a game holds"},
        {" 1e10#" + text.substr(text.find('#') + 1), "a damaged number"},
        {" 9#" + text.substr(text.find('#') + 1), "a game with a damaged or missing number"},
        {overfull, "a hold pile of more cards than a seat can hold"},
        {"", "a game with a damaged or missing number"},
    };
    for (const auto& [payload, why] : cases) {
        net::Fault fault;
        EXPECT_FALSE(net::ReadRecover(payload, "84", 1, fault).has_value());
        EXPECT_EQ(fault.text, why) << payload.substr(0, 30);
    }
    // One card in two places: the saved-game checks refuse it.
    net::Fault fault;
    const std::string swapped = [&] {
        // The first stock card (field 9) replaced by the second.
        std::vector<std::string> f;
        size_t at = 0;
        for (size_t h = text.find('#'); h != std::string::npos; h = text.find('#', at)) {
            f.push_back(text.substr(at, h - at));
            at = h + 1;
        }
        f[8] = f[9];
        std::string out;
        for (const auto& x : f) out += x + "#";
        return out;
    }();
    EXPECT_FALSE(net::ReadRecover(swapped, "84", 1, fault).has_value());
    EXPECT_EQ(fault.text.rfind("a game that cannot be played:", 0), 0u) << fault.text;
}
