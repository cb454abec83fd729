#include "tests/support/scripted_player.h"

void ScriptedPlayer::PlayTurn() {
    turnStart_ = turnStamp_();
    for (int plays = 0; plays < 200 && OnTurn(); ++plays)
        if (!PlayOne()) break;
    if (OnTurn()) Discard();
}

bool ScriptedPlayer::Play(int slot, int center) {
    g.PickSlot = static_cast<i16>(slot);
    g.PileSel = static_cast<i16>(center);
    g.DropSlot = 0;
    if (!e.CheckCenterPlay()) return false;
    e.Player_Move();
    return true;
}

bool ScriptedPlayer::PlayOne() {
    const i16 side = Rank(kSideSlot);
    for (int c = 1; c <= g.NumCenters; ++c)
        if (CenterAccepts(g, side, c)) return Play(kSideSlot, c);
    for (int slot : {7, 8, 9, 10, 2, 3, 4, 5, 6}) {
        const i16 r = Rank(slot);
        if (r == 0 || r == kKing) continue;
        for (int c = 1; c <= g.NumCenters; ++c)
            if (CenterAccepts(g, r, c)) return Play(slot, c);
    }
    // A wild King only to bring a center to just below the side card.
    for (int slot : {2, 3, 4, 5, 6, 7, 8, 9, 10}) {
        if (Rank(slot) != kKing) continue;
        for (int c = 1; c <= g.NumCenters; ++c)
            if (g.CenterCount[c] + 2 == side && CenterAccepts(g, kKing, c)) return Play(slot, c);
    }
    return false;
}

void ScriptedPlayer::Discard() {
    int best = 0;
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
        const i16 r = Rank(s);
        if (r == 0) continue;
        if (best == 0 || (r != kKing && (Rank(best) == kKing || r > Rank(best)))) best = s;
    }
    if (best == 0) return;
    TryDiscard(best, PileFor(Rank(best)));
    // A forced card may still be owed: any other card that the rules let go.
    for (int s = kFirstHandSlot; s <= kLastHandSlot && OnTurn(); ++s)
        for (int p = 1; p <= 4 && OnTurn() && Rank(s) != 0; ++p) TryDiscard(s, p);
}

// A pile whose top equals the card or is one above it, else an empty pile, else the pile
// with the fewest cards.
int ScriptedPlayer::PileFor(i16 r) const {
    auto room = [&](int p) { return g.HumanHoldCount[p] < kHoldCapacity; };
    for (int p = 1; p <= 4; ++p) {
        const i16 top = Rank(6 + p);
        if (top != 0 && (top == r || top == r + 1) && room(p)) return p;
    }
    for (int p = 1; p <= 4; ++p)
        if (Rank(6 + p) == 0) return p;
    int pile = 0;
    for (int p = 1; p <= 4; ++p)
        if (room(p) && (pile == 0 || g.HumanHoldCount[p] < g.HumanHoldCount[pile])) pile = p;
    return pile;
}

void ScriptedPlayer::TryDiscard(int slot, int pile) {
    if (!OnTurn() || pile < 1) return;
    g.PickSlot = static_cast<i16>(slot);
    g.DropSlot = static_cast<i16>(6 + pile);
    e.Player_EndTurn();
}
