#include "net/recover.h"

#include <vector>

#include "engine/cards.h"
#include "engine/seat_map.h"
#include "engine/snapshot_codec.h"
#include "platform/vb_strings.h"

namespace net {

namespace {

using Rec = GameStateRecord;

class Writer {
  public:
    void operator()(int v) { text_ += Str(v) + "#"; }
    std::string Take() { return std::move(text_); }

  private:
    std::string text_;
};

// One player's record in the current layout. `who` 0 is the host itself, whose hold counts
// leave out the top; an opponent's include it.
void WritePlayer(Writer& w, const Rec& r, int who) {
    const int sideCount = who == 0 ? r.HumanSideCount : r.OppSideCount[who - 1];
    w(sideCount);
    for (int i = 1; i <= sideCount; ++i) w(r.Side[who][kId][i]);
    for (int s = 1; s <= 10; ++s) w(r.Cards[who][kId][s]);
    for (int p = 1; p <= 4; ++p) {
        const int n = who == 0 ? r.HumanHoldCount[p] : r.OppHoldCount[p][who - 1];
        w(n);
        for (int k = 1; k <= n; ++k)
            w(who == 0 ? r.HumanHold[kId][p][k] : r.OppHold[who - 1][kId][p][k]);
    }
    w(r.Wild(2 * who + 1));
    w(r.Wild(2 * who + 2));
}

std::string CurrentText(const Rec& r) {
    Writer w;
    w(r.Pturn);
    for (int v : {r.NumPlayers, r.NumCenters, r.SidePileSize == 0 ? i16{19} : r.SidePileSize,
                  r.ForcedCards, r.NoWildAce, r.StockCount, r.UsedCount})
        w(v);
    for (int i = 1; i <= r.StockCount; ++i) w(r.Stock[kId][i]);
    for (int i = 1; i <= r.UsedCount; ++i) w(r.Used[kId][i]);
    for (int c = 1; c <= r.NumCenters; ++c) {
        w(r.CenterCount[c]);
        for (int n = 1; n <= 12; ++n) w(r.Center[kId][c][n]);
    }
    for (int who = 0; who < r.NumPlayers; ++who) WritePlayer(w, r, who);
    return w.Take();
}

// The older two-player layout: every array at its full size, ranks (row 1) before ids (row 0),
// each value of the remote's side first where the host pairs its opponent's and its own.
std::string OlderText(const Rec& r, const std::string& version) {
    Writer w;
    const bool noVersion = version == kNoVersion;
    w(r.Pturn == 1 ? 2 : 1);
    for (int v : {r.OppSideCount[0], r.HumanSideCount, static_cast<i16>(r.OppSideShape[0] - 25),
                  static_cast<i16>(r.HumanSideShape + 25), r.StockCount, r.UsedCount, r.HandCount})
        w(v);
    if (!noVersion)
        for (int n : {3, 4, 1, 2}) w(r.Wild(n));
    const std::vector<int> rows =
        noVersion ? std::vector<int>{kRank} : std::vector<int>{kRank, kId};
    for (int row : rows)
        for (int j = 1; j <= 104; ++j) {
            w(r.Stock[row][j]);
            w(r.Used[row][j]);
        }
    const int side = r.SidePileSize == 0 ? 19 : r.SidePileSize;
    if (Val(version) > 51)
        for (int v : {side, static_cast<int>(r.ForcedCards), static_cast<int>(r.NoWildAce)}) w(v);
    for (int row : rows)
        for (int j = 1; j <= side + 1; ++j) {
            w(r.Side[1][row][j]);
            w(r.Side[0][row][j]);
        }
    for (int row : rows)
        for (int s = 1; s <= 10; ++s) {
            w(r.Cards[1][row][s]);
            w(r.Cards[0][row][s]);
        }
    for (int row : rows)
        for (int c = 1; c <= 3; ++c) {
            for (int n = 1; n <= 12; ++n) w(r.Center[row][c][n]);
            if (row == kRank) w(r.CenterCount[c]);
        }
    for (int row : rows)
        for (int p = 1; p <= 4; ++p) {
            for (int n = 1; n <= 30; ++n) {
                w(r.OppHold[0][row][p][n]);
                w(r.HumanHold[row][p][n]);
            }
            if (row == kRank) {
                w(r.OppHoldCount[p][0]);
                w(r.HumanHoldCount[p]);
            }
        }
    return w.Take();
}

// --- Reading --------------------------------------------------------------------------------

// A staging record being filled in this machine's numbering.
class Stage {
  public:
    explicit Stage(FieldReader& r) : r_(r) {}
    bool Int(int& v, int lo, int hi) { return r_.Next(v, lo, hi); }
    bool Id(i16& id, int numCards, bool zeroOk) {
        int v = 0;
        if (!r_.Next(v, zeroOk ? 0 : 1, numCards)) return false;
        id = static_cast<i16>(v);
        return true;
    }

  private:
    FieldReader& r_;
};

// One player's record of the current layout into local player `local` (1 the human). `hostOwn`:
// the record is the host's own, whose hold counts leave out the top.
bool ReadPlayer(Stage& in, Rec& r, int local, bool hostOwn, int numCards, Fault& fault) {
    const int who = local - 1;
    int sideCount = 0;
    if (!in.Int(sideCount, 0, kMaxSidePile)) return false;
    SidePile& side = r.Side[who];
    for (int i = 1; i <= sideCount; ++i) {
        if (!in.Id(side[kId][i], numCards, false)) return false;
        side[kRank][i] = RankOf(side[kId][i]);
    }
    PorC& cards = r.Cards[who];
    for (int s = 1; s <= 10; ++s) {
        if (!in.Id(cards[kId][s], numCards, true)) return false;
        cards[kRank][s] = RankOf(cards[kId][s]);
    }
    for (int p = 1; p <= 4; ++p) {
        int n = 0;
        if (!in.Int(n, 0, kHoldCapacity)) return false;
        std::vector<i16> pile(static_cast<size_t>(n));
        for (auto& id : pile)
            if (!in.Id(id, numCards, false)) return false;
        const i16 top = cards[kId][6 + p];
        if (hostOwn) {
            if (top != 0) pile.push_back(top);
        } else if ((top == 0) != pile.empty() || (top != 0 && pile.back() != top)) {
            fault.text = "a hold pile whose top is not its last card";
            return false;
        }
        if (local == 1) {
            // The human keeps the cards under the top apart from it.
            if (!pile.empty()) pile.pop_back();
            r.HumanHoldCount[p] = static_cast<i16>(pile.size());
            for (size_t k = 0; k < pile.size(); ++k) {
                r.HumanHold[kId][p][k + 1] = pile[k];
                r.HumanHold[kRank][p][k + 1] = RankOf(pile[k]);
            }
            continue;
        }
        if (pile.size() > static_cast<size_t>(kHoldCapacity)) {
            fault.text = "a hold pile of more cards than a seat can hold";
            return false;
        }
        const int o = who - 1;
        r.OppHoldCount[p][o] = static_cast<i16>(pile.size());
        for (size_t k = 0; k < pile.size(); ++k) {
            r.OppHold[o][kId][p][k + 1] = pile[k];
            r.OppHold[o][kRank][p][k + 1] = RankOf(pile[k]);
        }
        const size_t m = pile.size();
        r.OppHoldFlag[p][o] = m >= 2 && RankOf(pile[m - 1]) != RankOf(pile[m - 2]) ? 1 : 0;
    }
    int wildSide = 0, wildHand = 0;
    if (!in.Int(wildSide, 0, 999) || !in.Int(wildHand, 0, 999)) return false;
    r.Wild(2 * local - 1) = static_cast<i16>(wildSide);
    r.Wild(2 * local) = static_cast<i16>(wildHand);
    if (local == 1) {
        r.HumanSideCount = static_cast<i16>(sideCount);
        r.HumanSideShape = static_cast<i16>(26 - sideCount);
    } else {
        r.OppSideCount[who - 1] = static_cast<i16>(sideCount);
        r.OppSideShape[who - 1] = static_cast<i16>(25 * local + 1 - sideCount);
    }
    return true;
}

bool ReadCurrent(FieldReader& fr, Rec& r, int turn, int seat, Fault& fault) {
    Stage in(fr);
    int players = 0, centers = 0, side = 0, forced = 0, noWild = 0, stock = 0, used = 0;
    if (!in.Int(players, 2, 4) || !in.Int(centers, 3, 4) || !in.Int(side, 9, 25) ||
        !in.Int(forced, 0, 7) || !in.Int(noWild, -1, 1))
        return false;
    const int numCards = 52 * players;
    if (!in.Int(stock, 0, numCards) || !in.Int(used, 0, numCards)) return false;
    if (turn > players || (players > 2 && (seat < 1 || seat >= players))) {
        fault.text = "a game for another table";
        return false;
    }
    if (players == 2) seat = 1;
    r.NumPlayers = static_cast<i16>(players);
    r.NumCenters = static_cast<i16>(centers);
    r.SidePileSize = static_cast<i16>(side);
    r.ForcedCards = static_cast<i16>(forced);
    r.NoWildAce = VbBool(noWild != 0);
    r.StockCount = static_cast<i16>(stock);
    r.UsedCount = static_cast<i16>(used);
    r.Pturn = static_cast<i16>(LocalOfHost(turn, seat, players));
    for (int i = 1; i <= stock; ++i) {
        if (!in.Id(r.Stock[kId][i], numCards, false)) return false;
        r.Stock[kRank][i] = RankOf(r.Stock[kId][i]);
    }
    for (int i = 1; i <= used; ++i) {
        if (!in.Id(r.Used[kId][i], numCards, false)) return false;
        r.Used[kRank][i] = RankOf(r.Used[kId][i]);
    }
    for (int c = 1; c <= centers; ++c) {
        int count = 0;
        if (!in.Int(count, 0, 12)) return false;
        r.CenterCount[c] = static_cast<i16>(count);
        for (int n = 1; n <= 12; ++n) {
            i16& id = r.Center[kId][c][n];
            if (!in.Id(id, numCards, true)) return false;
            if ((id != 0) != (n <= count)) {
                fault.text = "a center pile whose cards do not match its count";
                return false;
            }
            r.Center[kRank][c][n] = RankOf(id);
        }
    }
    for (int k = 1; k <= players; ++k)
        if (!ReadPlayer(in, r, LocalOfHost(k, seat, players), k == 1, numCards, fault))
            return false;
    return true;
}

// The older layout reads ranks first, then ids, at the arrays' full sizes; a peer without a
// version sends ranks only.
class OldReader {
  public:
    OldReader(FieldReader& r, bool ranksOnly) : r_(r), ranksOnly_(ranksOnly) {}
    // One value of row `row` into `pair` (rank first, then id); ids are checked against the
    // rank read before.
    bool Value(int row, i16& id, i16& rank) {
        int v = 0;
        if (row == kRank) {
            if (!r_.Next(v, 0, kKing)) return false;
            rank = static_cast<i16>(v);
            if (ranksOnly_) id = 0;
            return true;
        }
        if (!r_.Next(v, 0, 104) || RankOf(static_cast<i16>(v)) != rank) return false;
        id = static_cast<i16>(v);
        return true;
    }
    bool Int(int& v, int lo, int hi) { return r_.Next(v, lo, hi); }
    std::vector<int> Rows() const {
        return ranksOnly_ ? std::vector<int>{kRank} : std::vector<int>{kRank, kId};
    }

  private:
    FieldReader& r_;
    bool ranksOnly_;
};

// Gives each card read by rank alone (id 0, rank not 0) the next id of that rank not yet used.
bool GiveOldIds(Rec& r) {
    std::vector<bool> used(105, false);
    std::vector<i16*> ids;
    std::vector<i16> ranks;
    auto add = [&](i16& id, i16 rank) {
        if (rank == 0) return;
        ids.push_back(&id);
        ranks.push_back(rank);
    };
    for (int j = 1; j <= 104; ++j) {
        add(r.Stock[kId][j], r.Stock[kRank][j]);
        add(r.Used[kId][j], r.Used[kRank][j]);
    }
    for (int who = 0; who < 2; ++who) {
        for (int j = 1; j <= kMaxSidePile; ++j) add(r.Side[who][kId][j], r.Side[who][kRank][j]);
        for (int s = 2; s <= 6; ++s) add(r.Cards[who][kId][s], r.Cards[who][kRank][s]);
    }
    for (int s = 7; s <= 10; ++s) add(r.Cards[0][kId][s], r.Cards[0][kRank][s]);
    for (int c = 1; c <= 3; ++c)
        for (int n = 1; n <= 12; ++n) add(r.Center[kId][c][n], r.Center[kRank][c][n]);
    for (int p = 1; p <= 4; ++p)
        for (int n = 1; n <= kHoldCapacity; ++n) {
            add(r.HumanHold[kId][p][n], r.HumanHold[kRank][p][n]);
            add(r.OppHold[0][kId][p][n], r.OppHold[0][kRank][p][n]);
        }
    for (size_t k = 0; k < ids.size(); ++k) {
        i16 id = ranks[k];
        while (id <= 104 && used[static_cast<size_t>(id)]) id = static_cast<i16>(id + 13);
        if (id > 104) return false;
        used[static_cast<size_t>(id)] = true;
        *ids[k] = id;
    }
    // The visible tops are the same cards as the piles' tops.
    r.Cards[0][kId][1] = r.Side[0][kId][r.HumanSideCount];
    r.Cards[1][kId][1] = r.Side[1][kId][r.OppSideCount[0]];
    for (int p = 1; p <= 4; ++p)
        r.Cards[1][kId][6 + p] = r.OppHold[0][kId][p][r.OppHoldCount[p][0]];
    return true;
}

bool ReadOlder(FieldReader& fr, Rec& r, int turn, const std::string& version, Fault& fault) {
    const bool noVersion = version == kNoVersion;
    OldReader in(fr, noVersion);
    r.NumPlayers = 2;
    r.NumCenters = 3;
    if (turn > 2) return false;
    r.Pturn = static_cast<i16>(turn);
    int human = 0, opp = 0, shape = 0, stock = 0, used = 0, hand = 0;
    if (!in.Int(human, 0, kMaxSidePile) || !in.Int(opp, 0, kMaxSidePile) ||
        !in.Int(shape, -999, 999) || !in.Int(shape, -999, 999) || !in.Int(stock, 0, 104) ||
        !in.Int(used, 0, 104) || !in.Int(hand, 0, 5))
        return false;
    r.HumanSideCount = static_cast<i16>(human);
    r.OppSideCount[0] = static_cast<i16>(opp);
    r.HumanSideShape = static_cast<i16>(26 - human);
    r.OppSideShape[0] = static_cast<i16>(51 - opp);
    r.StockCount = static_cast<i16>(stock);
    r.UsedCount = static_cast<i16>(used);
    if (!noVersion)
        for (int n : {1, 2, 3, 4}) {
            int v = 0;
            if (!in.Int(v, 0, 999)) return false;
            r.Wild(n) = static_cast<i16>(v);
        }
    for (int row : in.Rows())
        for (int j = 1; j <= 104; ++j)
            if (!in.Value(row, r.Stock[kId][j], r.Stock[kRank][j]) ||
                !in.Value(row, r.Used[kId][j], r.Used[kRank][j]))
                return false;
    int side = 19;
    if (Val(version) > 51 && !noVersion) {
        int forced = 0, noWild = 0;
        if (!in.Int(side, 9, 25) || !in.Int(forced, 0, 7) || !in.Int(noWild, -1, 1)) return false;
        r.ForcedCards = static_cast<i16>(forced);
        r.NoWildAce = VbBool(noWild != 0);
    }
    if (side != 9 && side != 14 && side != 19 && side != 25) return false;
    r.SidePileSize = static_cast<i16>(side);
    for (int row : in.Rows())
        for (int j = 1; j <= side + 1; ++j)
            if (!in.Value(row, r.Side[0][kId][j], r.Side[0][kRank][j]) ||
                !in.Value(row, r.Side[1][kId][j], r.Side[1][kRank][j]))
                return false;
    for (int row : in.Rows())
        for (int s = 1; s <= 10; ++s)
            if (!in.Value(row, r.Cards[0][kId][s], r.Cards[0][kRank][s]) ||
                !in.Value(row, r.Cards[1][kId][s], r.Cards[1][kRank][s]))
                return false;
    for (int row : in.Rows())
        for (int c = 1; c <= 3; ++c) {
            for (int n = 1; n <= 12; ++n)
                if (!in.Value(row, r.Center[kId][c][n], r.Center[kRank][c][n])) return false;
            int count = 0;
            if (row == kRank) {
                if (!in.Int(count, 0, 12)) return false;
                r.CenterCount[c] = static_cast<i16>(count);
            }
        }
    int holdWithTop[5] = {}, beneath[5] = {};
    for (int row : in.Rows())
        for (int p = 1; p <= 4; ++p) {
            for (int n = 1; n <= 30; ++n)
                if (!in.Value(row, r.HumanHold[kId][p][n], r.HumanHold[kRank][p][n]) ||
                    !in.Value(row, r.OppHold[0][kId][p][n], r.OppHold[0][kRank][p][n]))
                    return false;
            if (row == kRank && (!in.Int(holdWithTop[p], 0, kHoldCapacity) ||
                                 !in.Int(beneath[p], 0, kHoldCapacity)))
                return false;
        }
    // Only what the counts cover is kept; the arrays beyond them may hold anything.
    for (int j = 1; j <= 104; ++j) {
        if (j > stock) r.Stock[kId][j] = r.Stock[kRank][j] = 0;
        if (j > used) r.Used[kId][j] = r.Used[kRank][j] = 0;
    }
    for (int who = 0; who < 2; ++who)
        for (int j = (who == 0 ? human : opp) + 1; j <= kMaxSidePile; ++j)
            r.Side[who][kId][j] = r.Side[who][kRank][j] = 0;
    for (int c = 1; c <= 3; ++c)
        for (int n = r.CenterCount[c] + 1; n <= 12; ++n)
            r.Center[kId][c][n] = r.Center[kRank][c][n] = 0;
    for (int p = 1; p <= 4; ++p) {
        // The human's piles arrive with their tops; the opponent's (the host's own) without.
        const int under = std::max(holdWithTop[p] - 1, 0);
        int n = beneath[p] + (r.Cards[1][kRank][6 + p] != 0 ? 1 : 0);
        if (n > kHoldCapacity) {
            fault.text = "a hold pile of more cards than a seat can hold";
            return false;
        }
        for (int k = under + 1; k <= kHoldCapacity; ++k)
            r.HumanHold[kId][p][k] = r.HumanHold[kRank][p][k] = 0;
        for (int k = beneath[p] + 1; k <= kHoldCapacity; ++k)
            r.OppHold[0][kId][p][k] = r.OppHold[0][kRank][p][k] = 0;
        r.HumanHoldCount[p] = static_cast<i16>(under);
        if (n > beneath[p]) {
            r.OppHold[0][kId][p][n] = r.Cards[1][kId][6 + p];
            r.OppHold[0][kRank][p][n] = r.Cards[1][kRank][6 + p];
        }
        r.OppHoldCount[p][0] = static_cast<i16>(n);
        r.OppHoldFlag[p][0] =
            n >= 2 && r.OppHold[0][kRank][p][n] != r.OppHold[0][kRank][p][n - 1] ? 1 : 0;
    }
    (void)hand;
    return !noVersion || GiveOldIds(r);
}

i16 HandOf(const Rec& r) {
    const PorC& cards = r.Cards[r.Pturn - 1];
    i16 n = 0;
    for (int s = 2; s <= 6; ++s)
        if (cards[kRank][s] != 0) ++n;
    return n;
}

}  // namespace

std::string RecoverText(const Game& g, const std::string& peerVersion) {
    Rec r;
    GameToRecord(g, r);
    return peerVersion > "74" ? CurrentText(r) : OlderText(r, peerVersion);
}

std::optional<GameStateRecord> ReadRecover(std::string_view payload, const std::string& hostVersion,
                                           int seat, Fault& fault) {
    auto fields = ParseFields(payload, 4000, fault);
    if (!fields) return std::nullopt;
    FieldReader fr(std::move(*fields));
    Rec r;
    int turn = 0;
    bool ok = fr.Next(turn, 1, 4);
    ok = ok && (hostVersion > "74" ? ReadCurrent(fr, r, turn, seat, fault)
                                   : ReadOlder(fr, r, turn, hostVersion, fault));
    if (ok && fr.Left() > 0) {
        fault.text = "more numbers than a game holds";
        return std::nullopt;
    }
    if (!ok) {
        if (fault.text.empty()) fault.text = "a game with a damaged or missing number";
        return std::nullopt;
    }
    // The working copy a restore starts from is the first opponent's.
    r.CurSideCount = r.OppSideCount[0];
    r.CurSideShape = r.OppSideShape[0];
    r.HandCount = HandOf(r);
    if (std::string why = ValidateRecord(r); !why.empty()) {
        fault.text = "a game that cannot be played: " + why;
        return std::nullopt;
    }
    return r;
}

}  // namespace net
