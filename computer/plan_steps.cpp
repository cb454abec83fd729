// The steps of a plan: appending one (and noticing when the plan is complete), dropping the last
// one, and choosing between hold piles whose working tops are equal.
#include <algorithm>

#include "computer/computer_player.h"

void ComputerPlayer::StartPlan(i16 c) {
    int k = std::clamp<int>(c, 1, Centers());
    Steps(k) = 0;
    // A finished center is cleared at once, so its next card is an Ace.
    Sim(k) = CenterValue(k) >= kQueen ? 0 : CenterValue(k);
}

void ComputerPlayer::BeginCenter(int c) {
    g.PileSel = static_cast<i16>(c);
    StartPlan(static_cast<i16>(c));
    st.PlayFlag = 0;
    st.PlanHandCount = g.HandCount;
    st.SwitchMark = 0;
    st.SwitchCenter = 0;
    for (int p = 1; p <= 4; ++p) g.HoldPileInfo[p][0] = HoldCount(p);
}

void ComputerPlayer::Move_Plan() {
    int c = Planned();
    i16 slot = st.StepSlot;
    if (st.WildPayoff && Sim(c) == 0 && g.NoWildAce && slot == kSideSlot) return;
    // A plan never outgrows its fifteen steps; a longer run waits for the next pass.
    if (Steps(c) >= kMaxPlanSteps) return;
    int n = ++Steps(c);
    st.PlanSlot[c][n] = slot;
    Sim(c) = static_cast<i16>(Sim(c) + 1 == kQueen ? 0 : Sim(c) + 1);

    i16 card = Val(slot);
    auto acceptHere = [&] {
        st.PlayFlag = 1;
        if (st.SwitchMark == 14) g.PileSel = st.SwitchCenter;
    };
    if (st.WildPayoff) {
        bool payoffFree = !SlotInPlan(c, kSideSlot);
        bool othersEmpty = true;
        for (int d = 1; d <= Centers(); ++d)
            if (d != c && CenterValue(d) != 0) othersEmpty = false;
        // The wild payoff card takes the place of a wild from the hand or a hold pile on the
        // human's center, or of a Queen that would leave every center empty under the no-wild-Ace
        // rule.
        if (payoffFree && card == kKing && slot >= kFirstHandSlot && c == g.HumanCenter) {
            st.PlanSlot[c][n] = kSideSlot;
            st.KeptCenter = static_cast<i16>(c);
            st.PlayFlag = 1;
            return;
        }
        if (payoffFree && card == kQueen && g.NoWildAce && othersEmpty) {
            st.PlanSlot[c][n] = kSideSlot;
            st.PlayFlag = 1;
            return;
        }
    } else if (Sim(c) + 1 == Payoff()) {
        acceptHere();
        return;
    }
    if (st.PlanHandCount == 0) acceptHere();
    if (st.KeptCenter != 0 && SimReachesHuman(Sim(c))) {
        st.PlayFlag = 1;
        st.KeptCenter = 0;
        st.KeptTries = 0;
        return;
    }
    if (st.WildPayoff && SimReachesHuman(Sim(c))) {
        st.PlayFlag = 1;
        if (slot == kSideSlot && st.WildSlot != 2) st.KeptCenter = static_cast<i16>(c);
        return;
    }
    if (st.PlanMode == 12 && c == g.HumanCenter && SimReachesHuman(Sim(c))) {
        st.PlayFlag = 1;
        return;
    }
    if (LaterComputerMoves() && card != kKing) Move_BlockOppsCk(card);
}

bool ComputerPlayer::Move_ReduceSet() {
    int c = Planned();
    int n = Steps(c);
    if (n <= 0) {
        Steps(c) = 0;
        st.PlayFlag = 0;
        return true;
    }
    if (st.SwitchMark == n) st.SwitchMark = 0;
    // Give back what the dropped step took, so that extending again sees the real piles.
    i16 slot = st.PlanSlot[c][n];
    if (slot >= kFirstHoldSlot && slot <= kLastHoldSlot) {
        int p = slot - kLastHandSlot;
        g.HoldPileInfo[p][0] = std::min<i16>(static_cast<i16>(Depth(p) + 1), HoldCount(p));
    } else if (slot >= kFirstHandSlot && slot <= kLastHandSlot) {
        ++st.PlanHandCount;
    }
    --Steps(c);
    if (Sim(c) == 0) Sim(c) = kQueen;
    --Sim(c);
    if (Steps(c) > 0) return false;
    st.PlayFlag = 0;
    return true;
}

bool ComputerPlayer::Move_Comp_Hold(i16 pile) {
    st.HoldFrom = 0;
    i16 t = WorkTop(pile);
    if (t == kKing || t == 0) return false;
    for (int q = 1; q <= 4; ++q) {
        if (q == pile || WorkTop(q) != t) continue;
        bool pRun = WorkUnder(pile) == t + 1;
        bool qRun = WorkUnder(q) == t + 1;
        if (g.CompLevel >= 1) {
            if (Pattern(pile) == 0) {
                bool keep = Pattern(q) == 0 && (Depth(pile) == 1 || Depth(q) > Depth(pile));
                if (!keep) st.HoldFrom = static_cast<i16>(q);
                return true;
            }
            if ((!pRun && qRun) || (pRun && qRun && HoldCount(q) > HoldCount(pile))) {
                st.HoldFrom = static_cast<i16>(q);
                return true;
            }
            continue;
        }
        bool qLongerRun = Pattern(q) == 2 && (Pattern(pile) != 2 || HoldCount(q) > HoldCount(pile));
        bool qDeeper = Depth(pile) == 1 && Pattern(q) == 1 && Depth(q) > Depth(pile);
        if (qLongerRun || qDeeper) {
            st.HoldFrom = static_cast<i16>(q);
            return true;
        }
    }
    return false;
}
