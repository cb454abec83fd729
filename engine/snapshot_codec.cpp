#include "engine/snapshot_codec.h"

#include <sstream>

#include "engine/cards.h"
#include "engine/clear_table.h"
#include "engine/conservation.h"
#include "engine/engine.h"
#include "engine/opp_swap.h"
#include "engine/turn_order.h"
#include "platform/vb_strings.h"

namespace {

using Rec = GameStateRecord;

// Wild counters of the record: 2k + 1 WildSide and 2k + 2 WildHand of player k + 1.
void PutWild(Rec& r, int player, i16 side, i16 hand) {
    r.Wild(2 * player - 1) = side;
    r.Wild(2 * player) = hand;
}

void PutOpponent(const OpponentRecord& o, int k, Rec& r) {
    r.OppSideCount[k - 1] = o.SideCount;
    r.OppSideShape[k - 1] = o.SideShape;
    for (int c = 0; c < 2; ++c) {
        for (int j = 1; j <= kMaxSidePile; ++j) r.Side[k][c][j] = o.Side[c][j];
        for (int s = 1; s <= 10; ++s) r.Cards[k][c][s] = o.Cards[c][s];
    }
    PutWild(r, k + 1, o.WildSide, o.WildHand);
    for (int p = 1; p <= 4; ++p) {
        for (int c = 0; c < 2; ++c)
            for (int n = 1; n <= kHoldCapacity; ++n) r.OppHold[k - 1][c][p][n] = o.Hold[c][p][n];
        r.OppHoldCount[p][k - 1] = o.HoldPileInfo[p][1];
        r.OppHoldFlag[p][k - 1] = o.HoldPileInfo[p][2];
    }
}

void PutHuman(const Game& g, Rec& r) {
    for (int c = 0; c < 2; ++c) {
        for (int j = 1; j <= kMaxSidePile; ++j) r.Side[0][c][j] = g.HumanSide[c][j];
        for (int s = 1; s <= 10; ++s) r.Cards[0][c][s] = g.HumanCards[c][s];
        for (int p = 1; p <= 4; ++p)
            for (int n = 1; n <= kHoldCapacity; ++n) r.HumanHold[c][p][n] = g.HumanHold[c][p][n];
    }
    for (int p = 1; p <= 4; ++p) r.HumanHoldCount[p] = g.HumanHoldCount[p];
    PutWild(r, 1, g.HumanWildSide, g.HumanWildHand);
}

void MarkSeen(Game& g, i16 id) {
    if (id >= 1 && id <= g.NumCards) g.Deck[2][id] = 1;
}

void TakeOpponent(const Rec& r, int k, Game& g) {
    OpponentRecord& o = g.Opp[k];
    o.SideCount = r.OppSideCount[k - 1];
    o.SideShape = r.OppSideShape[k - 1];
    for (int c = 0; c < 2; ++c) {
        for (int j = 1; j <= kMaxSidePile; ++j) o.Side[c][j] = r.Side[k][c][j];
        for (int s = 1; s <= 10; ++s) o.Cards[c][s] = r.Cards[k][c][s];
    }
    for (int s = 1; s <= 10; ++s) MarkSeen(g, o.Cards[kId][s]);
    o.WildSide = r.Wild(2 * k + 1);
    o.WildHand = r.Wild(2 * k + 2);
    for (int p = 1; p <= 4; ++p) {
        for (int c = 0; c < 2; ++c)
            for (int n = 1; n <= kHoldCapacity; ++n) o.Hold[c][p][n] = r.OppHold[k - 1][c][p][n];
        for (int n = 1; n <= kHoldCapacity; ++n) MarkSeen(g, o.Hold[kId][p][n]);
        o.HoldPileInfo[p][1] = r.OppHoldCount[p][k - 1];
        o.HoldPileInfo[p][2] = r.OppHoldFlag[p][k - 1];
    }
}

void TakeHuman(const Rec& r, Game& g) {
    for (int c = 0; c < 2; ++c) {
        for (int j = 1; j <= kMaxSidePile; ++j) g.HumanSide[c][j] = r.Side[0][c][j];
        for (int s = 1; s <= 10; ++s) g.HumanCards[c][s] = r.Cards[0][c][s];
        for (int p = 1; p <= 4; ++p)
            for (int n = 1; n <= kHoldCapacity; ++n) g.HumanHold[c][p][n] = r.HumanHold[c][p][n];
    }
    for (int s = 1; s <= 10; ++s) MarkSeen(g, g.HumanCards[kId][s]);
    for (int p = 1; p <= 4; ++p) {
        g.HumanHoldCount[p] = r.HumanHoldCount[p];
        for (int n = 1; n <= kHoldCapacity; ++n) MarkSeen(g, g.HumanHold[kId][p][n]);
    }
    g.HumanWildSide = r.Wild(1);
    g.HumanWildHand = r.Wild(2);
}

// Empties the piles and counters a position is made of, as a new deal would.
void ClearPosition(Game& g) {
    ClearTablePiles(g);
    // A restore keeps the best runs of this game; an undo keeps the computer's turn too.
    const bool withinTurn = g.UndoMove || g.RestartWholeTurn;
    for (int c = 0; c <= 5; ++c) {
        g.StatsTable[1][c] = 0;
        if (!withinTurn) g.StatsTable[3][c] = 0;
    }
}

// --- Validation --------------------------------------------------------------------------

bool OneOf(i16 v, std::initializer_list<i16> allowed) {
    for (i16 a : allowed)
        if (v == a) return true;
    return false;
}

// Every card pair the restore copies must name no card past the decks and carry its rank, so
// that no stale entry can index outside the game's arrays; an empty place has no rank either,
// since the game finds its cards by rank and the card check counts them by id.
bool PairOk(i16 id, i16 rank, int numCards) {
    if (id == 0) return rank == 0;
    return id >= 1 && id <= numCards && rank == RankOf(id);
}

std::string CheckPairs(const Rec& r) {
    const int cards = 52 * r.NumPlayers;
    auto bad = [&](i16 id, i16 rank) { return !PairOk(id, rank, cards); };
    for (int i = 1; i <= cards; ++i)
        if (bad(r.Stock[kId][i], r.Stock[kRank][i]) || bad(r.Used[kId][i], r.Used[kRank][i]))
            return "a card of the stock or the used pile is not a card of this game";
    for (int who = 0; who < r.NumPlayers; ++who) {
        for (int j = 1; j <= kMaxSidePile; ++j)
            if (bad(r.Side[who][kId][j], r.Side[who][kRank][j]))
                return "a side-pile card is damaged";
        for (int s = 1; s <= 10; ++s)
            if (bad(r.Cards[who][kId][s], r.Cards[who][kRank][s]))
                return "a visible card is damaged";
        for (int p = 1; p <= 4; ++p)
            for (int n = 1; n <= kHoldCapacity; ++n) {
                const HoldPiles& h = who == 0 ? r.HumanHold : r.OppHold[who - 1];
                if (bad(h[kId][p][n], h[kRank][p][n])) return "a hold-pile card is damaged";
            }
    }
    for (int k = 1; k <= r.NumCenters; ++k)
        for (int n = 1; n <= 12; ++n)
            if (bad(r.Center[kId][k][n], r.Center[kRank][k][n]))
                return "a center-pile card is damaged";
    return "";
}

std::string CheckHeader(const Rec& r) {
    if (r.NumPlayers < 2 || r.NumPlayers > 4) return "the number of players is" + Str(r.NumPlayers);
    if (r.NumCenters < 3 || r.NumCenters > 4) return "the number of centers is" + Str(r.NumCenters);
    if (r.NumPlayers > 2 && r.NumCenters != 4) return "more than two players need four centers";
    if (!OneOf(r.SidePileSize, {0, 9, 14, 19, 25})) return "the side-pile size is damaged";
    if (r.ForcedCards < 0 || r.ForcedCards > 7) return "the forced-cards rule is damaged";
    if (r.Pturn < 1 || r.Pturn > r.NumPlayers) return "nobody is on turn";
    if (r.HandCount < 0 || r.HandCount > 5) return "the hand count is damaged";
    if (r.HumanSideShape < 0 || r.HumanSideShape > 25) return "the side-pile shapes are damaged";
    for (int o = 1; o < r.NumPlayers; ++o) {
        const i16 shape = r.OppSideShape[o - 1];
        if (shape < 25 * o || shape > 25 * (o + 1)) return "the side-pile shapes are damaged";
    }
    for (int n = 1; n <= 2 * r.NumPlayers; ++n)
        if (r.Wild(n) < 0) return "the wild-card counters are damaged";
    return "";
}

}  // namespace

void GameToRecord(const Game& g, GameStateRecord& r) {
    const i16 scalars[] = {g.NoWildAce,    g.Pturn,          g.CurSideCount, g.HumanSideCount,
                           g.CurSideShape, g.HumanSideShape, g.StockCount,   g.UsedCount,
                           g.HandCount,    g.SidePileSize,   g.ForcedCards,  g.NumCenters,
                           g.NumPlayers};
    i16* fields[] = {&r.NoWildAce,    &r.Pturn,          &r.CurSideCount, &r.HumanSideCount,
                     &r.CurSideShape, &r.HumanSideShape, &r.StockCount,   &r.UsedCount,
                     &r.HandCount,    &r.SidePileSize,   &r.ForcedCards,  &r.NumCenters,
                     &r.NumPlayers};
    for (size_t k = 0; k < std::size(fields); ++k) *fields[k] = scalars[k];
    for (int i = 1; i <= g.NumCards && i <= Rec::kMaxRecordCards; ++i)
        for (int c = 0; c < 2; ++c) {
            r.Stock[c][i] = g.Deck[c][i];
            r.Used[c][i] = g.UsedPile[c][i];
        }
    PutHuman(g, r);
    for (int k = 1; k < g.NumPlayers && k <= 3; ++k) PutOpponent(CurrentOpp(g, k), k, r);
    for (int k = 1; k <= g.NumCenters && k <= kMaxCenters; ++k) {
        for (int c = 0; c < 2; ++c)
            for (int n = 1; n <= 12; ++n) r.Center[c][k][n] = g.Center[c][k][n];
        r.CenterCount[k] = g.CenterCount[k];
    }
}

std::string ValidateRecord(const GameStateRecord& rec) {
    if (std::string fault = CheckHeader(rec); !fault.empty()) return fault;
    if (std::string fault = CheckPairs(rec); !fault.empty()) return fault;
    // Lay the position out on a scratch game: every card of the decks must be in one place.
    Game scratch;
    RecordToState(rec, scratch);
    return CheckConservation(scratch);
}

void RecordToState(const GameStateRecord& r, Game& g) {
    g.SidePileSize = r.SidePileSize == 0 ? 19 : r.SidePileSize;
    g.ForcedCards = r.ForcedCards;
    g.NumPlayers = r.NumPlayers;
    g.NumCenters = r.NumCenters;
    g.NumCards = static_cast<i16>(52 * r.NumPlayers);
    ClearPosition(g);
    g.NoWildAce = VbBool(r.NoWildAce != 0);
    g.Pturn = r.Pturn;
    FillTurnOrder(g);
    g.CurSideCount = r.CurSideCount;
    g.HumanSideCount = r.HumanSideCount;
    g.CurSideShape = r.CurSideShape;
    g.HumanSideShape = r.HumanSideShape;
    g.StockCount = r.StockCount;
    g.UsedCount = r.UsedCount;
    g.HandCount = r.HandCount;
    for (int i = 1; i <= g.NumCards; ++i)
        for (int c = 0; c < 2; ++c) {
            g.Deck[c][i] = r.Stock[c][i];
            g.UsedPile[c][i] = r.Used[c][i];
        }
    for (int i = 1; i <= g.NumCards; ++i) MarkSeen(g, g.UsedPile[kId][i]);
    TakeHuman(r, g);
    for (int k = 1; k < g.NumPlayers; ++k) TakeOpponent(r, k, g);
    for (int k = 1; k <= g.NumCenters; ++k) {
        for (int c = 0; c < 2; ++c)
            for (int n = 1; n <= 12; ++n) g.Center[c][k][n] = r.Center[c][k][n];
        for (int n = 1; n <= 12; ++n) MarkSeen(g, g.Center[kId][k][n]);
        g.CenterCount[k] = r.CenterCount[k];
    }
    // The count of the hand on turn is the cards it holds: a counter at odds with them would
    // leave the turn with no refill and no discard.
    const bool seatOnTurn = g.Pturn >= 2 && g.Pturn <= kMaxPlayers;
    g.HandCount = CountHand(seatOnTurn ? g.Opp[g.Pturn - 1].Cards : g.HumanCards);
}

std::string StatsTitle(const Game& g) {
    std::string title = "Move";
    for (int c = 0; c <= 5; ++c) title += Str(g.StatsTable[1][c]);
    return title;
}

void StatsFromTitle(const std::string& title, Game& g) {
    std::istringstream words(title);
    std::string word;
    words >> word;  // the first word names the record
    for (int c = 0; c <= 5; ++c) {
        word.clear();
        words >> word;
        g.StatsTable[1][c] = static_cast<i16>(ClampToInt(Val(word), 0, 32767));
    }
}
