#pragma once
// A sound mid-game position for 2-4 players, built card by card so that every pile, count and
// wild counter holds something distinct: side piles, hands with a wild King for the human, hold
// piles of different heights (opponents' tops at position count, with pattern flags), center
// piles in sequence with a King standing in, a used pile and the stock.
#include <algorithm>
#include <random>
#include <vector>

#include "engine/cards.h"
#include "engine/conservation.h"
#include "engine/game.h"

inline Game MidGamePosition(int players, unsigned seed = 7) {
    Game g;
    g.NumPlayers = static_cast<i16>(players);
    g.NumCards = static_cast<i16>(52 * players);
    g.NumCenters = players > 2 ? 4 : 3;
    g.SidePileSize = 14;
    g.ForcedCards = 3;
    g.NoWildAce = VbTrue;
    g.Pturn = 1;
    std::vector<i16> free;
    for (i16 id = 1; id <= g.NumCards; ++id) free.push_back(id);
    std::shuffle(free.begin(), free.end(), std::mt19937(seed));
    auto take = [&](i16 rank) {
        auto it = std::find_if(free.begin(), free.end(),
                               [&](i16 id) { return rank == 0 || RankOf(id) == rank; });
        const i16 id = *it;
        free.erase(it);
        return id;
    };
    auto put = [&](i16& id, i16& rank, i16 wanted = 0) {
        id = take(wanted);
        rank = RankOf(id);
    };
    for (int k = 1; k <= g.NumCenters; ++k) {
        g.CenterCount[k] = static_cast<i16>(k + 1);
        for (int n = 1; n <= k + 1; ++n)
            put(g.Center[kId][k][n], g.Center[kRank][k][n], n == 2 && k == 2 ? kKing : n);
    }
    for (int i = 1; i <= 12; ++i) put(g.UsedPile[kId][i], g.UsedPile[kRank][i]);
    g.UsedCount = 12;

    g.HumanSideCount = 11;
    for (int i = 1; i <= 11; ++i) put(g.HumanSide[kId][i], g.HumanSide[kRank][i]);
    g.HumanCards[kId][1] = g.HumanSide[kId][11], g.HumanCards[kRank][1] = g.HumanSide[kRank][11];
    put(g.HumanCards[kId][2], g.HumanCards[kRank][2], kKing);
    for (int s = 3; s <= 5; ++s) put(g.HumanCards[kId][s], g.HumanCards[kRank][s]);
    for (int p = 1; p <= 4; ++p) {
        put(g.HumanCards[kId][6 + p], g.HumanCards[kRank][6 + p]);
        g.HumanHoldCount[p] = static_cast<i16>(p - 1);
        for (int n = 1; n < p; ++n) put(g.HumanHold[kId][p][n], g.HumanHold[kRank][p][n]);
    }
    g.HumanSideShape = 25 - g.SidePileSize + 4;
    g.HumanWildSide = 1, g.HumanWildHand = 2;

    for (int k = 1; k < players; ++k) {
        OpponentRecord& o = g.Opp[k];
        o.SideCount = static_cast<i16>(8 + k);
        for (int i = 1; i <= o.SideCount; ++i) put(o.Side[kId][i], o.Side[kRank][i]);
        o.Cards[kId][1] = o.Side[kId][o.SideCount], o.Cards[kRank][1] = o.Side[kRank][o.SideCount];
        for (int s = 2; s <= 2 + k; ++s) put(o.Cards[kId][s], o.Cards[kRank][s]);
        for (int p = 1; p <= 4; ++p) {
            const int count = (p + k) % 4;
            for (int n = 1; n <= count; ++n) put(o.Hold[kId][p][n], o.Hold[kRank][p][n]);
            if (count)
                o.Cards[kId][6 + p] = o.Hold[kId][p][count],
                                 o.Cards[kRank][6 + p] = o.Hold[kRank][p][count];
            o.HoldPileInfo[p][1] = static_cast<i16>(count);
            o.HoldPileInfo[p][2] = static_cast<i16>(10 * k + p);
        }
        o.SideShape = static_cast<i16>(25 * (k + 1) - g.SidePileSize + 3);
        o.WildSide = static_cast<i16>(2 * k + 1), o.WildHand = static_cast<i16>(2 * k + 2);
    }
    for (i16 id : free) {
        ++g.StockCount;
        g.Deck[kId][g.StockCount] = id;
        g.Deck[kRank][g.StockCount] = RankOf(id);
    }
    g.HandCount = 4;
    return g;
}
