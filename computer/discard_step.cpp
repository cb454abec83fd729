// The end of the passes: a forced Ace or Two chosen for the discard is played instead, the
// discard choice is kept within the hand and the hold piles, and it is written to the pile.
#include <algorithm>

#include "computer/computer_player.h"

namespace {

void Beeps(const Services& sv, int n) {
    for (int i = 0; i < n; ++i)
        if (sv.sounds) sv.sounds->Beep();
}

}  // namespace

// True when the chosen discard was a forced card that has now been played (another pass
// follows); PileSel is left at the slot to discard otherwise.
bool ComputerPlayer::ForcedDiscardPlay() {
    const bool visibleAces = g.ForcedCards == 5 || g.ForcedCards == 7;
    // A Ruthless seat keeps an Ace back in its hand, where this rule does not see it, and
    // throws its highest card instead; that card is tested in turn (it may be a forced Two).
    if (visibleAces && Val(g.PileSel) == kAce && Ruthless() && Val(kFirstHandSlot) != kAce)
        g.PileSel = kFirstHandSlot;
    const i16 slot = g.PileSel;
    const i16 v = Val(slot);
    if (v == kAce && visibleAces) {
        if (const i16 empty = FirstCenterAt(0); empty != 0) StartForced(1, slot, empty);
    } else if (v == kTwo && (g.ForcedCards == 6 || g.ForcedCards == 7)) {
        if (const i16 ace = FirstCenterAt(kAce); ace != 0) StartForced(2, slot, ace);
    }
    if (st.PlayFlag != 1) return false;
    Move_Plan();
    Comp_Play();
    return st.PlayFlag != 0;
}

void ComputerPlayer::CorrectDiscard() {
    if (st.DropPile < 1 || st.DropPile > 4) {
        Beeps(sv, 2);
        st.DropPile = 1;
    }
    if (g.PileSel < kFirstHandSlot || g.PileSel > kLastHandSlot) {
        Beeps(sv, 3);
        g.PileSel = st.FallbackSlot;
    }
    // The discard must be a card: an emptied slot gives way to the first card of the hand.
    for (int s = kFirstHandSlot; s <= kLastHandSlot && Val(g.PileSel) == 0; ++s)
        if (Val(s) != 0) g.PileSel = static_cast<i16>(s);
    if (HoldCount(st.DropPile) < kHoldCapacity) return;
    st.TryCount = 1;
    for (int tries = 0; tries < 4 && HoldCount(st.DropPile) > kHoldCapacity - 2; ++tries)
        st.DropPile = static_cast<i16>(st.DropPile % 4 + 1);
    if (HoldCount(st.DropPile) < kHoldCapacity) return;
    // Every pile holds 29 or 30 cards: the one with the fewest cards below 30, and none at all
    // when all four are full (the seat then keeps its card).
    i16 best = 0;
    for (int p = 1; p <= 4; ++p)
        if (HoldCount(p) < kHoldCapacity && (best == 0 || HoldCount(p) < HoldCount(best)))
            best = static_cast<i16>(p);
    st.DropPile = best;
}

void ComputerPlayer::RecordDiscard() {
    const int p = st.DropPile;
    if (p < 1 || p > 4 || Val(g.PileSel) == 0) return;
    // A full pile takes nothing: the seat keeps its card.
    if (HoldCount(p) >= kHoldCapacity) {
        st.DropPile = 0;
        return;
    }
    const i16 n = ++g.HoldPileInfo[p][1];
    for (int r : {kId, kRank}) g.HoldCards[r][p][n] = g.CurCards[r][g.PileSel];
    ReadPattern(p);
}
