#include "engine/conservation.h"

#include <vector>

#include "engine/cards.h"
#include "platform/vb_strings.h"

namespace {

class Census {
  public:
    explicit Census(int numCards)
        : seen_(static_cast<size_t>(numCards) + 1, 0), numCards_(numCards) {}

    // `where` names the place for the message; it is built only when something is wrong, since
    // self-play runs the check after every step.
    template <typename Where>
    void Add(i16 id, i16 rank, Where where) {
        if (!error_.empty()) return;
        if (id < 1 || id > numCards_) {
            error_ = Name(where) + ": card id" + Str(id) + " out of range";
        } else if (rank != RankOf(id)) {
            error_ = Name(where) + ": card" + Str(id) + " has rank" + Str(rank);
        } else if (++seen_[static_cast<size_t>(id)] > 1) {
            error_ = Name(where) + ": card" + Str(id) + " is in two places";
        }
    }

    void Fail(const std::string& what) {
        if (error_.empty()) error_ = what;
    }

    std::string Finish() {
        for (int id = 1; error_.empty() && id <= numCards_; ++id)
            if (seen_[static_cast<size_t>(id)] == 0) error_ = "card" + Str(id) + " is lost";
        return error_;
    }

  private:
    static std::string Name(const char* where) { return where; }
    template <typename F>
    static std::string Name(F where) {
        return where();
    }
    std::vector<int> seen_;
    int numCards_;
    std::string error_;
};

struct PlayerView {
    std::string name;
    const PorC& cards;
    const SidePile& side;
    i16 sideCount;
    const HoldPiles& hold;
    i16 holdCount[5];
    bool topInHold;  // a computer seat keeps its hold top at position count as well
};

void CheckSlotMatches(Census& c, const PlayerView& v, int slot, i16 id, const std::string& what) {
    if (v.cards[kId][slot] != id) c.Fail(v.name + ": " + what + " is not in slot" + Str(slot));
}

void CountPlayer(Census& c, const PlayerView& v) {
    if (v.sideCount < 0 || v.sideCount > kMaxSidePile) return c.Fail(v.name + ": side count");
    for (int i = 1; i <= v.sideCount; ++i)
        c.Add(v.side[kId][i], v.side[kRank][i], [&] { return v.name + " side " + Str(i); });
    CheckSlotMatches(c, v, kSideSlot, v.sideCount ? v.side[kId][v.sideCount] : 0, "side top");
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s)
        if (v.cards[kId][s] != 0)
            c.Add(v.cards[kId][s], v.cards[kRank][s], [&] { return v.name + " hand"; });
    for (int p = 1; p <= 4; ++p) {
        int n = v.holdCount[p];
        if (n < 0 || n > kHoldCapacity) return c.Fail(v.name + ": hold count of pile" + Str(p));
        for (int i = 1; i <= n; ++i)
            c.Add(v.hold[kId][p][i], v.hold[kRank][p][i],
                  [&] { return v.name + " hold" + Str(p); });
        if (v.topInHold) {
            CheckSlotMatches(c, v, 6 + p, n ? v.hold[kId][p][n] : 0, "hold top");
        } else if (v.cards[kId][6 + p] != 0) {
            c.Add(v.cards[kId][6 + p], v.cards[kRank][6 + p], [&] { return v.name + " hold top"; });
        } else if (n != 0) {
            c.Fail(v.name + ": hold pile" + Str(p) + " has cards under an empty top");
        }
    }
}

PlayerView HumanView(const Game& g) {
    PlayerView v{"player 1", g.HumanCards, g.HumanSide, g.HumanSideCount, g.HumanHold, {}, false};
    for (int p = 1; p <= 4; ++p) v.holdCount[p] = g.HumanHoldCount[p];
    return v;
}

PlayerView OpponentView(const Game& g, int k) {
    const std::string name = "player" + Str(k + 1);
    if (g.WorkingOpp == k) {
        PlayerView v{name, g.CurCards, g.CurSide, g.CurSideCount, g.HoldCards, {}, true};
        for (int p = 1; p <= 4; ++p) v.holdCount[p] = g.HoldPileInfo[p][1];
        return v;
    }
    const OpponentRecord& r = g.Opp[k];
    PlayerView v{name, r.Cards, r.Side, r.SideCount, r.Hold, {}, true};
    for (int p = 1; p <= 4; ++p) v.holdCount[p] = r.HoldPileInfo[p][1];
    return v;
}

// The last side card of a game may finish a center pile, which then stays on the table.
bool GameIsWon(const Game& g) {
    if (g.HumanSideCount == 0) return true;
    for (int k = 1; k < g.NumPlayers; ++k)
        if ((g.WorkingOpp == k ? g.CurSideCount : g.Opp[k].SideCount) == 0) return true;
    return false;
}

void CountCenters(Census& c, const Game& g) {
    if (g.NumCenters < 3 || g.NumCenters > kMaxCenters) return c.Fail("NumCenters");
    const int most = GameIsWon(g) ? 12 : 11;
    for (int k = 1; k <= g.NumCenters; ++k) {
        int n = g.CenterCount[k];
        if (n < 0 || n > most) return c.Fail("center" + Str(k) + " count" + Str(n));
        for (int i = 1; i <= n; ++i) {
            i16 rank = g.Center[kRank][k][i];
            if (rank != i && rank != kKing) c.Fail("center" + Str(k) + " out of sequence");
            c.Add(g.Center[kId][k][i], rank, [&] { return "center" + Str(k); });
        }
    }
}

}  // namespace

std::string CheckConservation(const Game& g) {
    if (g.NumPlayers < 2 || g.NumPlayers > kMaxPlayers) return "NumPlayers" + Str(g.NumPlayers);
    if (g.NumCards != 52 * g.NumPlayers) return "NumCards" + Str(g.NumCards);
    if (g.NumPlayers > 2 && g.NumCenters != 4) return "more than two players need four centers";
    Census c(g.NumCards);
    if (g.StockCount < 0 || g.StockCount > g.NumCards) return "StockCount" + Str(g.StockCount);
    for (int i = 1; i <= g.StockCount; ++i) c.Add(g.Deck[kId][i], g.Deck[kRank][i], "stock");
    if (g.UsedCount < 0 || g.UsedCount > g.NumCards) return "UsedCount" + Str(g.UsedCount);
    for (int i = 1; i <= g.UsedCount; ++i) c.Add(g.UsedPile[kId][i], g.UsedPile[kRank][i], "used");
    CountCenters(c, g);
    CountPlayer(c, HumanView(g));
    for (int k = 1; k < g.NumPlayers; ++k) CountPlayer(c, OpponentView(g, k));
    return c.Finish();
}
