// The end of a computer seat's turn: the discard goes onto its hold pile, the seat's cards go
// back into its record and the turn passes on; the human's hand is refilled for its turn.
#include "computer/computer_player.h"
#include "computer/turn_watcher.h"
#include "engine/engine.h"
#include "engine/net_wait.h"
#include "engine/turn_order.h"

namespace {

std::string TurnOverCaption(const Game& g) {
    if (g.NetConnected != 0) return g.CurName + "'s turn is over...";
    if (g.NumPlayers == 2) return "I'll drop a card now...\n     My Turn is over.";
    return g.CurName + " will drop\n a card now...\n" + g.CurName + "'s turn is over.";
}

}  // namespace

void ComputerPlayer::Move_End_Turn(PileRow row) {
    const bool online = g.NetConnected != 0;
    const NetTableWatch table(g);
    Say(1, TurnOverCaption(g));
    sv.Pause(g.NetConnected != 0 ? 0.1 : g.MovePause / 2);
    // No pile at all means all four are full: the seat keeps its card this time.
    const bool discard = st.DropPile >= 1 && st.DropPile <= 4 && Val(g.PileSel) != 0;
    st.DropPile = static_cast<i16>(st.DropPile + kLastHandSlot);
    const i16 hold = st.DropPile;
    if (discard) MoveDiscard(row, g.PileSel, hold);
    if (g.NetConnected == 0)
        sv.Pause(g.MovePause);
    else if (!NetEndOfTurn())
        return;

    if (sv.records) sv.records->StatsCk(3, 4);
    engine.GoUpdateOpponents();
    AdvanceTurn(g);
    g.HandCount = 5;
    // On the human's turn the side pile too stays still until the hand is refilled: online that
    // refill may wait on the host's reshuffle or stalemate answer, and a play sent meanwhile
    // would wait for an answer the other machines never give while they wait on this one.
    const int firstHeld = g.Pturn == 1 ? kSideSlot : kFirstHoldSlot;
    if (sv.board) sv.board->EnableHumanPiles(false, firstHeld, kLastHoldSlot);
    if (g.SoundMode != 2) {
        if (sv.sounds && !g.CompSounds[2].empty()) sv.sounds->PlaySound(g.CompSounds[2], false);
        sv.Pause(0.2);
    }
    sv.Pause(g.MovePause);
    if (discard) Show(row, hold, g.CurCards[kId][hold], card_kind::kSilent);
    // A command chosen during these pauses may have ended the Internet game or dealt or given
    // another: the turn handed over belongs to a game that is gone, and its refill would play on
    // the new table while the new game's turns wait behind this one.
    if (online && table.Broken()) return;

    if (g.Pturn == 1) HumanTurnStarts();
    if (g.AbortTurn == 1) return;
    if (g.AbortTurn == 2) g.AbortTurn = 0;
    st.NoReplan = 0;
    if (g.Pturn != 1) return;
    g.MissedPlay = VbFalse;
    if (sv.window) sv.window->ShowTurnMarker(1);
    if (sv.board) sv.board->EnableHumanPiles(true, kSideSlot, kLastHoldSlot);
}

// The hand card of `slot` becomes the top of hold slot `hold` (its card is already in the pile).
void ComputerPlayer::MoveDiscard(PileRow row, i16 slot, i16 hold) {
    const i16 id = g.CurCards[kId][slot];
    for (int r : {kId, kRank}) {
        g.CurCards[r][hold] = g.CurCards[r][slot];
        g.CurCards[r][slot] = 0;
    }
    g.HandCount = CountHand(g.CurCards);
    if (sv.status) sv.status->ShowCounter();
    Show(row, slot, id, card_kind::kTurnUp);
    sv.Pause(g.MovePause);
    if (sv.board) sv.board->HideCard(row, slot);
    Show(row, hold, 0, card_kind::kToHold);
    sv.Pause(g.MovePause);
    Show(row, hold, id, card_kind::kSilent);
    Step("discard");
}

// The machines agree that the turn is over: the player's own machine says OK, the host passes
// it on to the others and waits for them. False when the game went away or changed meanwhile.
bool ComputerPlayer::NetEndOfTurn() {
    if (!WaitNetUntil(g, sv.net, [this] { return g.NetCode == net::OK; })) return false;
    if (g.IsHost == 1 && g.NumPlayers >= 3) {
        g.NetAnswers = 1;
        sv.net->SendNetAll(g.CompLevel, "OK");
        if (!WaitNetUntil(g, sv.net, [this] { return g.NetAnswers >= g.NumPlayers - 1; }))
            return false;
    }
    sv.net->SendNet(g.CompLevel, "OK");
    return true;
}

// The human's hand is full for its turn (a deal or a recovery has just filled it), and the
// position is kept for going back a turn.
void ComputerPlayer::HumanTurnStarts() {
    Say(1, "\n\n     It's your turn...");
    if (g.NoMissCheck == 0) {
        g.HandCount = CountHand(g.HumanCards);
        engine.Deal_Players(PileRow::Human, g.HumanCards);
        g.HandCount = CountHand(g.HumanCards);
        Step("human refill");
    } else {
        g.NoMissCheck = 0;
    }
    if (g.TempMovesOpen && g.AbortTurn != 1) {
        ++g.MoveCounter;
        if (sv.records) sv.records->AutoSave();
    }
}
