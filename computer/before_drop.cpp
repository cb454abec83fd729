// The last attempt to play before the discard: a Ruthless block plan on the human's center, a
// second plan on a kept center, a hand of wild Kings only, and the forced Ace and Two rules.
#include "computer/computer_player.h"

void ComputerPlayer::Comp_BeforeDrop() {
    st.NoReplan = 1;
    Comp_Reseq(OwnRow());
    g.PileSel = st.MatchSlot;
    st.FallbackSlot = 2;
    for (int s = kFirstHandSlot; s <= g.HandCount + 1 && s <= kLastHandSlot; ++s) {
        if (Val(s) != kKing) {
            st.FallbackSlot = static_cast<i16>(s);
            break;
        }
    }
    if (RuthlessBlockPlan()) return;

    if (st.KeptCenter != 0) {
        st.MatchSlot = st.KeptCenter;
        g.PileSel = st.KeptCenter;
        st.TrimPhase = 0;
        st.WildSlot = 2;
        Move_Comp();
        if (st.PlayFlag == 1) Comp_Play();
        st.KeptCenter = 0;
    }
    if (st.PlayFlag == 1) return;
    if (Val(st.FallbackSlot) == kKing && !g.NoWildAce) {
        st.PlanMode = 13;
        st.PlayFlag = 1;
        st.NoReplan = 0;
    }
    ForcedPlays();
}

// True when a block plan on the human's center is set up for the turn to build.
bool ComputerPlayer::RuthlessBlockPlan() {
    if (!Ruthless() || st.WildSlot == 0 || Payoff() == HumanPayoff()) return false;
    const int h = g.HumanSideCount;
    const int c = g.CurSideCount;
    bool worth = c > h + 5 || (h <= 4 && c <= 4 && c >= h) || (h < 3 && c > 4) ||
                 (g.NoWildAce && st.WildSlot >= 2);
    if (!worth) return false;
    const i16 human = g.HumanCenter;
    const i16 hv = CenterValue(human);
    st.EmptyCenter = 0;
    auto aimAtHuman = [&] {
        st.NoReplan = 0;
        g.PileSel = human;
        st.TrimPhase = 0;
        st.WildSlot = 2;
        return true;
    };
    if (hv + 1 != HumanPayoff()) {
        if (c < h) return false;
        for (int k = 1; k <= Centers(); ++k)
            if (k != human && CenterValue(k) == hv) ++st.EmptyCenter;
        if (st.EmptyCenter != 0) return false;
        st.PlanMode = 12;
        return aimAtHuman();
    }
    if (HumanPayoff() == kAce) {
        if (g.NoWildAce) return false;
        for (int k = 1; k <= Centers(); ++k)
            if (CenterValue(k) == 0) ++st.EmptyCenter;
    }
    if (st.EmptyCenter >= 2) return false;
    st.KeptCenter = human;
    return aimAtHuman();
}

void ComputerPlayer::ForcedPlays() {
    const i16 rule = g.ForcedCards;
    if (rule == 0) return;
    auto findCard = [&](i16 value, bool inHand) {
        if (inHand)
            for (int s = kFirstHandSlot; s <= g.HandCount + 1 && s <= kLastHandSlot; ++s)
                if (Val(s) == value) return static_cast<i16>(s);
        for (int s = kFirstHoldSlot; s <= kLastHoldSlot; ++s)
            if (Val(s) == value) return static_cast<i16>(s);
        return i16{0};
    };
    const i16 empty = FirstCenterAt(0);
    if ((rule & 1) != 0 && empty != 0) {
        i16 slot = findCard(kAce, rule == 1 || rule == 3);
        if (slot != 0) {
            StartForced(1, slot, empty);
            return;
        }
    }
    const i16 aceCenter = FirstCenterAt(kAce);
    if ((rule & 2) != 0 && aceCenter != 0) {
        i16 slot = findCard(kTwo, rule == 2 || rule == 3);
        if (slot != 0) StartForced(2, slot, aceCenter);
    }
}

void ComputerPlayer::PlayForcedCard() {
    ForcedPlays();
    if (st.PlayFlag != 1) return;
    Move_Plan();
    Comp_Play();
}

// A forced card is a plan of its own: it starts empty, whatever an earlier plan of that center
// left behind, and the turn appends the card with Move_Plan.
void ComputerPlayer::StartForced(i16 mode, i16 slot, i16 center) {
    st.PlayFlag = 1;
    st.PlanMode = mode;
    st.StepSlot = slot;
    g.PileSel = center;
    StartPlan(center);
}
