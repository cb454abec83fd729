// Playing an accepted plan: each step's card goes onto the planned center while it still fits.
// The moves are the game's; what the player sees and hears of them is the turn's to add.
#include <algorithm>

#include "computer/computer_player.h"
#include "engine/engine.h"

void ComputerPlayer::Comp_Play() {
    Engine engine(g, sv);
    const int c = Planned();
    const int n = std::clamp<int>(st.PlanState[c][1], 0, kMaxPlanSteps);
    for (st.StepSlot = 1; st.StepSlot <= n; ++st.StepSlot) {
        const i16 slot = st.PlanSlot[c][st.StepSlot];
        // The payoff card in a plan is left to the turn, which plays it itself.
        if (slot < kFirstHandSlot || slot > kLastHoldSlot) return;
        const i16 id = g.CurCards[kId][slot];
        const i16 rank = g.CurCards[kRank][slot];
        const bool fits = rank == kKing ? !(g.NoWildAce && g.CenterCount[c] == 0)
                                        : rank != 0 && rank == g.CenterCount[c] + 1;
        if (!fits) return;
        if (rank == kKing) st.WildPlayed = kKing;
        st.DropPile = slot;
        g.MoveCard = {id, rank};
        if (slot <= kLastHandSlot) {
            g.CurCards[kId][slot] = 0;
            g.CurCards[kRank][slot] = 0;
            --g.HandCount;
        } else {
            LiftHoldTop(slot - kLastHandSlot);
        }
        g.PileSel = static_cast<i16>(c);
        engine.Add_Center();
        if (g.CenterCount[c] >= kQueen) engine.Add_Used();
        st.WildPlayed = 0;
        // An empty hand ends the plan: the turn refills it and plans again.
        if (g.HandCount <= 0) {
            st.PlanState[c][1] = 0;
            st.PayoffChoice = 88;
            st.Refilled = VbTrue;
            return;
        }
    }
}

// Takes the top card off hold pile p: the card below surfaces and the pile's pattern is read
// again from its new top.
void ComputerPlayer::LiftHoldTop(int p) {
    i16& count = g.HoldPileInfo[p][1];
    if (count <= 0) return;
    g.HoldCards[kId][p][count] = 0;
    g.HoldCards[kRank][p][count] = 0;
    --count;
    st.NextHoldCard = {g.HoldCards[kId][p][std::max<int>(count, 0)],
                       g.HoldCards[kRank][p][std::max<int>(count, 0)]};
    if (count <= 1) {
        g.HoldPileInfo[p][2] = 0;
    } else {
        const auto& r = g.HoldCards[kRank][p];
        i16 flag = 0;
        if (r[count] == r[1]) flag = 0;
        if (r[count] != r[count - 1]) flag = 1;
        if (r[count] == r[count - 1] - 1) flag = 2;
        g.HoldPileInfo[p][2] = flag;
    }
    g.CurCards[kId][kLastHandSlot + p] = st.NextHoldCard[kId];
    g.CurCards[kRank][kLastHandSlot + p] = st.NextHoldCard[kRank];
}
