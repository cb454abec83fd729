// Where the computer's wild payoff card goes: a Ruthless computer first tries to work it into a
// plan that blocks the human; every level then picks a center whose next value keeps the human
// away from its payoff card, the center the human's payoff card would take next coming first.
#include "computer/computer_player.h"

bool ComputerPlayer::Find_BlockCenter() {
    const i16 hp = HumanPayoff();
    st.BlockCenter = 0;
    g.PileSel = 0;
    for (int c = 1; c <= Centers(); ++c) {
        const i16 v = CenterValue(c);
        if (v + 1 != hp) continue;
        // Leave alone a center that the next computer player's payoff card would follow.
        if (g.NumPlayers >= 3 && g.Pturn == 2 && v + 2 == SeatPayoff(2)) continue;
        if (g.NumPlayers >= 4 && g.Pturn == 3 && v + 2 == SeatPayoff(3)) continue;
        g.PileSel = static_cast<i16>(c);
        if (hp == kAce && g.NoWildAce) return false;
        st.BlockCenter = static_cast<i16>(c);
        return v != 0;
    }
    // No center found: nothing to stop at, which counts as no non-empty center.
    return false;
}

bool ComputerPlayer::Usable(int c) const {
    return !(g.NoWildAce && CenterValue(c) == 0);
}

void ComputerPlayer::Move_Wild() {
    if (Ruthless()) {
        if (RuthlessWildPlan()) return;
        i16 lastResort = RuthlessLastResort();
        if (lastResort != 0) {
            g.PileSel = lastResort;
            return;
        }
    }
    i16 found = WildTableSearch();
    if (st.BlockCenter != 0) {
        g.PileSel = st.BlockCenter;
        st.BlockCenter = 0;
        return;
    }
    if (found != 0) {
        g.PileSel = found;
        return;
    }
    if (g.NoWildAce) {
        for (int c = 1; c <= Centers(); ++c) {
            if (CenterValue(c) != 0) {
                g.PileSel = static_cast<i16>(c);
                return;
            }
        }
    }
    if (!Ruthless()) {
        g.PileSel = 2;
        return;
    }
    g.PileSel = CenterValue(1) > CenterValue(2) ? 2 : 1;
    if (CenterValue(1) > CenterValue(3)) g.PileSel = 3;
}

// A plan with the wild card on the human's center, else a plan on any other center; an accepted
// plan is played at once. True when a plan was played.
bool ComputerPlayer::RuthlessWildPlan() {
    const i16 human = g.HumanCenter;
    g.PileSel = human;
    st.TrimPhase = 0;
    st.WildSlot = kSideSlot;
    Move_Comp();
    for (int c = 1; c <= Centers() && st.PlayFlag != 1; ++c) {
        if (c == human) continue;
        g.PileSel = static_cast<i16>(c);
        st.TrimPhase = 0;
        st.WildSlot = 2;
        Move_Comp();
    }
    if (st.PlayFlag != 1) return false;
    Comp_Play();
    st.WildSlot = 2;
    const int c = Planned();
    const int n = st.PlanState[c][1];
    bool stoppedAtPayoff =
        st.StepSlot >= 1 && st.StepSlot <= n && st.PlanSlot[c][st.StepSlot] == kSideSlot;
    if (!stoppedAtPayoff) st.PayoffChoice = 99;
    return true;
}

// A center far below the human's payoff card, the human's own center only as the last resort.
i16 ComputerPlayer::RuthlessLastResort() const {
    const i16 human = g.HumanCenter;
    auto far = [&](int c) { return Usable(c) && CenterValue(c) < HumanPayoff() - 6; };
    for (int c = 1; c <= Centers(); ++c)
        if (c != human && far(c)) return static_cast<i16>(c);
    if (human >= 1 && human <= Centers() && far(human)) return human;
    return 0;
}

i16 ComputerPlayer::WildTableSearch() const {
    const i16 hp = HumanPayoff();
    const i16 bv = st.BlockValue;
    for (int c = 1; c <= Centers(); ++c) {
        if (!Usable(c)) continue;
        const int v = CenterValue(c) + 1;
        bool take = false;
        if (bv > hp)
            take = hp < v && v < bv - 1;
        else if (bv != kAce)
            take = v > hp || v <= bv - 1;
        else if (st.EmptyCenter == 0)
            take = v > hp && v != kQueen;
        else
            take = v > hp;
        if (take) return static_cast<i16>(c);
    }
    return 0;
}
