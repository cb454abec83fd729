#pragma once
// An engine on a game with headless services, for the game-flow tests.
#include <gtest/gtest.h>

#include "engine/cards.h"
#include "engine/conservation.h"
#include "engine/engine.h"
#include "tests/support/headless_services.h"

// A table for `n` players and `centers` center piles, with seats named Seat1 to Seat3.
inline void SetPlayers(Game& g, int n, int centers) {
    g.NumPlayers = static_cast<i16>(n);
    g.NumCards = static_cast<i16>(52 * n);
    g.NumCenters = static_cast<i16>(centers);
    for (int k = 1; k <= 3; ++k) {
        g.Opp[k].Name = "Seat" + std::to_string(k);
        g.Opp[k].CommentFile = "Default Personality";
    }
}

struct EngineFixture : ::testing::Test {
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};

    void Players(int n, int centers = 4) { SetPlayers(g, n, centers); }
    // Puts card `id` into `cards` slot `slot`.
    static void Put(PorC& cards, int slot, i16 id) {
        cards[kId][slot] = id;
        cards[kRank][slot] = RankOf(id);
    }
    // A card of rank `rank` not yet used anywhere by the test (ids from the last deck down).
    i16 Card(i16 rank) {
        for (i16 id = static_cast<i16>(g.NumCards - 13 + rank); id > 0; id -= 13)
            if (!used_[id]) {
                used_[id] = true;
                return id;
            }
        ADD_FAILURE() << "no card of rank " << rank << " left";
        return 0;
    }
    // Every card the test has not placed goes into the stock.
    void RestToStock() {
        g.StockCount = 0;
        for (i16 id = 1; id <= g.NumCards; ++id)
            if (!used_[id]) {
                ++g.StockCount;
                g.Deck[kId][g.StockCount] = id;
                g.Deck[kRank][g.StockCount] = RankOf(id);
            }
    }
    // A side pile of the given ranks, bottom to top, for player 1 or opponent k.
    void HumanSide(std::initializer_list<i16> ranks) {
        FillSide(g.HumanSide, g.HumanSideCount, g.HumanCards, ranks);
    }
    void OppSide(int k, std::initializer_list<i16> ranks) {
        OpponentRecord& o = g.Opp[k];
        FillSide(o.Side, o.SideCount, o.Cards, ranks);
    }
    void Center(int k, int count) {
        g.CenterCount[k] = static_cast<i16>(count);
        for (int n = 1; n <= count; ++n) {
            g.Center[kId][k][n] = Card(static_cast<i16>(n));
            g.Center[kRank][k][n] = static_cast<i16>(n);
        }
    }
    void Hand(std::initializer_list<i16> ranks) {
        int s = kFirstHandSlot;
        for (i16 r : ranks) {
            if (r != 0) Put(g.HumanCards, s, Card(r));
            ++s;
        }
        g.HandCount = CountHand(g.HumanCards);
    }
    // Starts again from an empty game (for tables of cases).
    void Fresh() {
        g = Game{};
        for (bool& u : used_) u = false;
    }
    void ExpectSound() { EXPECT_EQ(CheckConservation(g), ""); }

  private:
    void FillSide(SidePile& side, i16& count, PorC& cards, std::initializer_list<i16> ranks) {
        count = 0;
        for (i16 r : ranks) {
            const i16 n = ++count;
            side[kId][n] = Card(r);
            side[kRank][n] = r;
        }
        cards[kId][1] = side[kId][count];
        cards[kRank][1] = side[kRank][count];
    }
    bool used_[kMaxCards + 1] = {};
};
