#include "tests/support/position_digest.h"

#include <algorithm>
#include <vector>

#include "engine/seat_map.h"

namespace {

void Add(std::string& out, int v) {
    out += std::to_string(v);
    out += ',';
}

// One player's piles: side pile, visible cards, hold piles with their tops, wild counts.
struct PlayerView {
    i16 sideCount;
    const SidePile& side;
    const PorC& cards;
    // The cards of hold pile p beneath its top, and how many.
    const HoldPiles& under;
    std::array<i16, 5> underCount;
    i16 wildSide, wildHand;
};

PlayerView ViewOf(const Game& g, int local) {
    if (local == 1) {
        return {g.HumanSideCount, g.HumanSide,     g.HumanCards,   g.HumanHold,
                g.HumanHoldCount, g.HumanWildSide, g.HumanWildHand};
    }
    const bool working = g.WorkingOpp == local - 1;
    const OpponentRecord& r = g.Opp[static_cast<size_t>(local - 1)];
    const HoldInfo& info = working ? g.HoldPileInfo : r.HoldPileInfo;
    std::array<i16, 5> under{};
    for (int p = 1; p <= 4; ++p) under[p] = static_cast<i16>(info[p][1] > 0 ? info[p][1] - 1 : 0);
    if (working)
        return {g.CurSideCount, g.CurSide,     g.CurCards,   g.HoldCards,
                under,          g.CurWildSide, g.CurWildHand};
    return {r.SideCount, r.Side, r.Cards, r.Hold, under, r.WildSide, r.WildHand};
}

// `loose`: the hand is left out (its cards are counted with the stock's).
void AddPlayer(std::string& out, const PlayerView& v, bool loose = false) {
    out += "side:";
    for (int i = 1; i <= v.sideCount && i <= kMaxSidePile; ++i) Add(out, v.side[kId][i]);
    out += " cards:";
    for (int s = 1; s <= 10; ++s)
        if (!loose || s < kFirstHandSlot || s > kLastHandSlot) Add(out, v.cards[kId][s]);
    for (int p = 1; p <= 4; ++p) {
        out += " hold" + std::to_string(p) + ":";
        for (int n = 1; n <= v.underCount[p] && n <= kHoldCapacity; ++n)
            Add(out, v.under[kId][p][n]);
        Add(out, v.cards[kId][6 + p]);
    }
    out += " wild:";
    Add(out, v.wildSide);
    Add(out, v.wildHand);
}

}  // namespace

int HostNumberOf(const Game& g, int local, bool remote) {
    if (!remote) return local;
    return HostOfLocal(local, g.NumPlayers == 2 ? 1 : g.NetValue2, g.NumPlayers);
}

namespace {

// The center piles and every player's piles in the host's order; the hand of the player on turn
// is left out when `looseHand`.
void AddTable(std::string& out, const Game& g, bool remote, bool looseHand) {
    for (int c = 1; c <= g.NumCenters && c <= kMaxCenters; ++c) {
        out += " center" + std::to_string(c) + ":";
        for (int n = 1; n <= g.CenterCount[c] && n <= 12; ++n) Add(out, g.Center[kId][c][n]);
    }
    for (int k = 1; k <= g.NumPlayers; ++k) {
        for (int local = 1; local <= g.NumPlayers; ++local) {
            if (HostNumberOf(g, local, remote) != k) continue;
            out += " | player" + std::to_string(k) + " ";
            AddPlayer(out, ViewOf(g, local), looseHand && local == g.Pturn);
        }
    }
}

}  // namespace

std::string PositionText(const Game& g, bool remote) {
    std::string out = "turn:";
    Add(out, g.Pturn == 0 ? 0 : HostNumberOf(g, g.Pturn, remote));
    out += " stock:";
    for (int i = 1; i <= g.StockCount && i <= kMaxCards; ++i) Add(out, g.Deck[kId][i]);
    out += " used:";
    for (int i = 1; i <= g.UsedCount && i <= kMaxCards; ++i) Add(out, g.UsedPile[kId][i]);
    AddTable(out, g, remote, false);
    return out;
}

std::string TurnStartText(const Game& g, bool remote) {
    std::vector<int> loose;
    for (int i = 1; i <= g.StockCount && i <= kMaxCards; ++i) loose.push_back(g.Deck[kId][i]);
    for (int i = 1; i <= g.UsedCount && i <= kMaxCards; ++i) loose.push_back(g.UsedPile[kId][i]);
    const PlayerView onTurn = ViewOf(g, g.Pturn);
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s)
        if (onTurn.cards[kId][s] != 0) loose.push_back(onTurn.cards[kId][s]);
    std::sort(loose.begin(), loose.end());
    std::string out = "turn:";
    Add(out, HostNumberOf(g, g.Pturn, remote));
    out += " loose:";
    for (int id : loose) Add(out, id);
    AddTable(out, g, remote, true);
    return out;
}

std::uint64_t TextDigest(const std::string& text) {
    std::uint64_t h = 1469598103934665603ULL;  // FNV-1a
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::uint64_t PositionDigest(const Game& g, bool remote) {
    return TextDigest(PositionText(g, remote));
}
