#include <algorithm>

#include "engine/engine.h"
#include "engine/net_wait.h"
#include "engine/turn_order.h"

namespace {

bool AnyCenterAt(const Game& g, i16 count) {
    for (int k = 1; k <= g.NumCenters; ++k)
        if (g.CenterCount[k] == count) return true;
    return false;
}

// Whether `cards` show a card of `rank` that the forced-card rules count: the side top, the
// hold tops and, unless only visible cards count, every hand card; else the discard itself.
bool Holds(const Game& g, const PorC& cards, i16 rank, int discardSlot) {
    if (cards[kRank][kSideSlot] == rank) return true;
    for (int s = kFirstHoldSlot; s <= kLastHoldSlot; ++s)
        if (cards[kRank][s] == rank) return true;
    if (g.ForcedCards >= 4)
        return discardSlot >= kFirstHandSlot && discardSlot <= kLastHandSlot &&
               cards[kRank][discardSlot] == rank;
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s)
        if (cards[kRank][s] == rank) return true;
    return false;
}

}  // namespace

i16 ForcedCardOwed(const Game& g, const PorC& cards, int discardSlot) {
    const i16 f = g.ForcedCards;
    if ((f & 1) && AnyCenterAt(g, 0) && Holds(g, cards, kAce, discardSlot)) return kAce;
    if ((f & 2) && AnyCenterAt(g, 1) && Holds(g, cards, kTwo, discardSlot)) return kTwo;
    return 0;
}

void Engine::PlayerGoBack(const std::string& whichRule) {
    if (sv.dialogs)
        sv.dialogs->MsgBox(
            "Forced " + whichRule + " rule is in effect. You must play your " + whichRule,
            mb::Information, "Rule Enforced");
    if (sv.window) sv.window->ReturnDraggedCard(g.PickSlot);
    EnableHuman(true, 1, 10);
}

bool Engine::ForcedDiscardRefused() {
    const i16 owed = ForcedCardOwed(g, g.HumanCards, g.PickSlot);
    if (owed != 0) PlayerGoBack(owed == kAce ? "Ace" : "Two");
    return owed != 0;
}

void Engine::Player_EndTurn() {
    if (g.Pturn != 1 || g.PlayRunning) return;
    const i16 from = g.PickSlot, to = g.DropSlot;
    if (from < kFirstHandSlot || from > kLastHandSlot || g.HumanCards[kRank][from] == 0) return;
    if (to < kFirstHoldSlot || to > kLastHoldSlot) return;
    Message(1, " ");
    if (g.NetConnected == 0) Message(2, " ");
    const int p = to - 6;
    // On the other machines of an Internet game this pile is an opponent seat's, which holds its
    // top among its 30 cards: here it then takes one card less beneath the top.
    const int most = g.NetConnected != 0 ? kHoldCapacity - 1 : kHoldCapacity;
    if (g.HumanHoldCount[p] >= most) {
        Message(1, "That HOLD pile is too full. PICK ANOTHER PILE!");
        PlayDataSound(108);
        if (sv.window) sv.window->ReturnDraggedCard(from);
        EnableHuman(true, 1, 10);
        return;
    }
    if (g.ForcedCards != 0 && ForcedDiscardRefused()) return;

    g.PlayRunning = VbTrue;
    ShowCard(PileRow::Human, to, g.HumanCards[kId][from], card_kind::kToHold);
    HideCard(PileRow::Human, from);
    if (sv.window) sv.window->ReturnDraggedCard(from);
    if (g.HumanCards[kRank][to] != 0) {
        const i16 n = ++g.HumanHoldCount[p];
        for (int r : {kId, kRank}) g.HumanHold[r][p][n] = g.HumanCards[r][to];
    }
    for (int r : {kId, kRank}) {
        g.HumanCards[r][to] = g.HumanCards[r][from];
        g.HumanCards[r][from] = 0;
    }
    if (g.NetConnected != 0) {
        const NetTableWatch table(g);
        NetMoveSent(from, to, true);
        // The game went away, was ended by the host or given anew meanwhile: no turn to hand on.
        if (table.Broken()) {
            g.PlayRunning = VbFalse;
            return;
        }
    } else {
        sv.Pause(0.75);
    }
    if (sv.records) sv.records->StatsCk(1, 2);
    EndTurnHandOver();
}

void Engine::EndTurnHandOver() {
    g.MoveRecordNo = 0;  // the next turn's first recorded play is record 1
    AdvanceTurn(g);
    g.NoMissCheck = 0;
    g.HandCount = 5;
    if (sv.window) {
        sv.window->ShowTurnMarker(g.Pturn);
    }
    EnableHuman(true, kFirstHoldSlot, kLastHoldSlot);
    g.MissedPlay = VbBool(PlayerMissedMove());
    g.PlayRunning = VbFalse;
    if (sv.turns) sv.turns->ComputerTurn();
}

void Engine::Hand_Sort(PorC& cards, PileRow row, i16 fromPos, i16 toPos) {
    if (fromPos < kFirstHandSlot || fromPos > kLastHandSlot || toPos < kFirstHandSlot ||
        toPos > kLastHandSlot)
        return;
    if (!g.NumberCards) {
        const i16 keptId = cards[kId][fromPos], keptRank = cards[kRank][fromPos];
        PlayDataSound(118);
        // The human has dragged the card there already; another player's card slides over.
        if (row != PileRow::Human && sv.board) sv.board->MoveCardAnim(row, fromPos, row, toPos);
        const int step = fromPos > toPos ? -1 : 1;
        for (int s = fromPos; s != toPos; s += step)
            for (int r : {kId, kRank}) cards[r][s] = cards[r][s + step];
        cards[kId][toPos] = keptId;
        cards[kRank][toPos] = keptRank;
    } else {
        PlayDataSound(118);
    }
    const int lo = std::min(fromPos, toPos), hi = std::max(fromPos, toPos);
    const bool faceUp = g.Pturn == 1 || g.Peeking;
    for (int s = lo; s <= hi; ++s) {
        const i16 id = cards[kId][s];
        if (id == 0)
            HideCard(row, s);
        else
            ShowCard(row, s, faceUp ? id : 0, card_kind::kSilent);
        sv.Pause(0.02);
    }
}
