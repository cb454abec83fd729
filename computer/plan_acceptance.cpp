// The acceptance tests of a plan built during the pass over the centers: a plan is kept when the
// center it leaves behind does not bring the human (or the players who move next) closer to a
// payoff card; otherwise it loses its last step and is tested again.
#include "computer/computer_player.h"

bool ComputerPlayer::Accepts(int c) {
    for (int n = 0; n <= kMaxPlanSteps; ++n) {
        if (Steps(c) == 0) return false;
        int verdict = AcceptanceTest(c);
        if (verdict > 0) return true;
        if (verdict < 0 || Move_ReduceSet()) return false;
    }
    return false;
}

// 1 accept, 0 drop the last step and test again, -1 the checks emptied the plan.
int ComputerPlayer::AcceptanceTest(int c) {
    const i16 hp = HumanPayoff();
    const i16 bv = st.BlockValue;
    i16 last = LastCard();
    i16 sim = Sim(c);
    if (last == kAce && st.PlanMode == 1) return 1;
    if (last == kTwo && st.PlanMode == 2) return 1;
    if (last == hp) return 1;
    if (g.CompLevel >= 1 && sim == hp) return 1;
    for (int d = 1; d <= Centers(); ++d)
        if (d != c && CenterValue(d) == sim) return 1;

    Move_WaitOpps();
    if (Steps(c) == 0) return -1;
    if (st.PlayFlag == 1) return 1;
    last = LastCard();
    sim = Sim(c);

    if (bv < hp && sim < bv - 1) return 1;
    for (int d = 1; d <= Centers(); ++d) {
        if (d == c) continue;
        i16 v = CenterValue(d);
        if (sim <= v && v < hp && st.CenterReach[c] == 0) return 1;
        if (bv > hp && v < CenterValue(c) && v < hp) return 1;
    }
    if (bv > hp && last <= bv - 1 && last > hp) return 1;
    if (bv <= hp && bv != kAce && (sim < bv - 1 || sim > hp)) return 1;
    if (bv == kAce && st.EmptyCenter == 0 && last > hp && last != kQueen) return 1;
    if (bv == kAce && st.EmptyCenter != 0 && last > hp) return 1;
    if (Steps(c) == 1)
        for (int k = kFirstHoldSlot; k <= kLastHoldSlot; ++k)
            if (last == g.HumanCards[kRank][k]) return 1;
    return 0;
}
