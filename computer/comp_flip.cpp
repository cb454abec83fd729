// A computer card travelling to a center: shown, slid, laid with Add_Center, and the pile it
// left redrawn; after the own wild payoff card, a word on the card that came up under it.
#include "computer/computer_player.h"
#include "engine/engine.h"

void ComputerPlayer::Comp_Flip(PileRow row, i16 flipFrom, i16 flipTo) {
    const bool local = g.NetConnected == 0;
    const bool wild = g.MoveCard[kRank] == kKing;
    const bool wildPayoff = wild && flipFrom == kSideSlot;
    if (local && shownRemark_ != 26) Say(2, "");
    if (wildPayoff && local) AnnounceWildPayoff(flipTo);

    g.FlipInProgress = VbTrue;
    const bool fromHand = flipFrom >= kFirstHandSlot && flipFrom <= kLastHandSlot;
    if (fromHand && !wild) {
        if (!g.Peeking) Show(row, flipFrom, g.MoveCard[kId], card_kind::kTurnUp);
        sv.Pause(g.MovePause);
    }
    g.PileSel = flipTo;
    if (wild && flipFrom != kSideSlot)
        WildShow(row);
    else if (sv.board)
        sv.board->MoveCardAnim(row, flipFrom, PileRow::Center, flipTo);
    g.FlipInProgress = VbFalse;

    if (sv.records) sv.records->StatsAdd(flipFrom, 3);
    g.PileSel = flipTo;
    engine.Add_Center();
    const bool cardsLeft = g.CurSideCount > 0;
    Show(PileRow::Center, flipTo, g.MoveCard[kId],
         wild && !local ? card_kind::kSilent : card_kind::kToCenter);
    if (cardsLeft) sv.Pause(g.MovePause);
    if (flipFrom == kSideSlot) {
        if (local) Comp_SideCompare(kSideSlot);
    } else if (wild) {
        ++g.CurWildHand;
        if (sv.status) sv.status->WildUpdate();
    }
    ShowSource(row, flipFrom);
    if (cardsLeft) {
        if (fromHand) g.Deck[2][g.MoveCard[kId]] = 1;
        if (fromHand && sv.status) sv.status->ShowCounter();
        sv.Pause(g.MovePause);
    }
    if (wildPayoff && local && cardsLeft) AfterWildPayoff(flipTo);
}

// The own wild payoff card is on its way: a word when it takes the human's center.
void ComputerPlayer::AnnounceWildPayoff(i16 center) {
    if (CenterValue(center) + 1 == HumanPayoff() && !g.QuietComp) {
        Remark(23);
        sv.Pause(0.5);
    }
    PersonalitySound(1);
    ++g.CurWildSide;
    if (sv.status) sv.status->WildUpdate();
}

// Redraws the pile a card left: an emptied hand slot, the surfaced hold card or an empty hold
// pile, or the next payoff card, which is now seen.
void ComputerPlayer::ShowSource(PileRow row, i16 flipFrom) {
    if (flipFrom >= kFirstHandSlot && flipFrom <= kLastHandSlot) {
        if (sv.board) sv.board->HideCard(row, flipFrom);
    } else if (flipFrom >= kFirstHoldSlot) {
        const i16 id = st.NextHoldCard[kId];
        Show(row, flipFrom, id, id == 0 ? card_kind::kEmptyPile : card_kind::kSilent);
    } else if (g.CurSideCount > 0) {
        const i16 id = g.CurCards[kId][kSideSlot];
        Show(row, kSideSlot, id, card_kind::kTurnUp);
        g.Deck[2][id] = 1;
        if (sv.status) sv.status->ShowCounter();
        sv.Pause(g.MovePause);
    } else if (sv.board) {
        sv.board->HideCard(row, kSideSlot);
    }
}

// The wild payoff card stood for the very value that came up next: room elsewhere, or none.
void ComputerPlayer::AfterWildPayoff(i16 center) {
    const i16 next = Payoff();
    if (next != CenterValue(center)) return;
    bool room = false;
    for (int c = 1; c <= Centers(); ++c) room = room || CenterValue(c) + 1 == next;
    if (room) {
        Say(2, "Lucky for me...\nThere's still room to play this card.");
        sv.Pause(1);
        return;
    }
    Say(2, "Argh!\nThat bites! Murphy's Law!");
    if (g.SoundMode == 0)
        PersonalitySound(9);
    else
        sv.Pause(0.5);
}

void ComputerPlayer::WildShow(PileRow row) {
    const i16 from = st.DropPile;
    if (from >= kFirstHandSlot && from <= kLastHandSlot)
        Show(row, from, g.MoveCard[kId], card_kind::kTurnUp);
    if (g.SoundMode != 0)
        sv.Pause(0.5);
    else
        PersonalitySound(1, g.NetConnected == 0);
    if (sv.board) sv.board->MoveCardAnim(row, from, PileRow::Center, g.PileSel);
    st.WildPlayed = 0;
}
