// Playing an accepted plan: each step's card goes onto the planned center while it still fits,
// with the remarks that go with it; an emptied hand is refilled and the plan dropped.
#include <algorithm>

#include "computer/computer_player.h"
#include "engine/engine.h"

void ComputerPlayer::Comp_Play() {
    const PileRow row = OwnRow();
    const int c = Planned();
    const int n = std::clamp<int>(st.PlanState[c][1], 0, kMaxPlanSteps);
    for (st.StepSlot = 1; st.StepSlot <= n; ++st.StepSlot) {
        const i16 slot = st.PlanSlot[c][st.StepSlot];
        // The payoff card in a plan is left to the turn, which plays it itself.
        if (slot < kFirstHandSlot || slot > kLastHoldSlot) return;
        const i16 id = g.CurCards[kId][slot];
        const i16 rank = g.CurCards[kRank][slot];
        if (!CenterAccepts(g, rank, c)) return;
        if (rank == kKing) st.WildPlayed = kKing;
        st.DropPile = slot;
        g.MoveCard = {id, rank};
        const bool fromHand = slot <= kLastHandSlot;
        if (fromHand) g.CurCards[kId][slot] = g.CurCards[kRank][slot] = 0;
        if (!g.QuietComp && Val(st.PlanSlot[c][n]) == HumanPayoff()) {
            Remark(26);
            sv.Pause(g.MovePause);
        }
        g.PileSel = static_cast<i16>(c);
        if (!fromHand) {
            LiftHoldTop(slot - kLastHandSlot);
            Comp_Flip(row, slot, static_cast<i16>(c));
        } else {
            Comp_Flip(row, slot, static_cast<i16>(c));
            if (rank == kKing && g.CenterCount[c] == HumanPayoff() && !g.QuietComp) {
                Remark(27);
                sv.Pause(3 * g.MovePause);
            }
            sv.Pause(g.MovePause);
            g.HandCount = CountHand(g.CurCards);
            if (g.HandCount == 0 && !RefillAfterPlay(c)) return;
        }
        g.PileSel = static_cast<i16>(c);
        Comp_SideCompare(slot);
        g.PileSel = static_cast<i16>(c);
        if (g.CenterCount[c] >= kQueen) engine.Add_Used();
        Step("play");
        if (st.PlanState[c][1] == 0) return;
    }
}

// The hand ran out in the middle of a plan: it is filled again and the rest of the plan dropped,
// so that the turn plans afresh. False when a stalemate was given up meanwhile.
bool ComputerPlayer::RefillAfterPlay(int c) {
    g.PileSel = static_cast<i16>(c);
    if (g.CenterCount[c] >= kQueen) engine.Add_Used();
    Step("play");
    engine.Deal_Players(OwnRow(), g.CurCards);
    g.HandCount = CountHand(g.CurCards);
    st.PayoffChoice = 88;
    st.Refilled = VbTrue;
    st.PlanState[c][1] = 0;
    if (g.AbortTurn == 1) return false;
    if (g.AbortTurn == 2) g.AbortTurn = 0;
    sv.Pause(g.MovePause);
    return true;
}

// Takes the top card off hold pile p: the card below surfaces into the pile's slot and the
// pile's pattern is read again from its new top.
void ComputerPlayer::LiftHoldTop(int p) {
    i16& count = g.HoldPileInfo[p][1];
    if (count <= 0) return;
    g.HoldCards[kId][p][count] = 0;
    g.HoldCards[kRank][p][count] = 0;
    --count;
    st.NextHoldCard = {g.HoldCards[kId][p][std::max<int>(count, 0)],
                       g.HoldCards[kRank][p][std::max<int>(count, 0)]};
    if (count <= 1)
        g.HoldPileInfo[p][2] = 0;
    else
        ReadPattern(p);
    g.CurCards[kId][kLastHandSlot + p] = st.NextHoldCard[kId];
    g.CurCards[kRank][kLastHandSlot + p] = st.NextHoldCard[kRank];
}

// The pattern of hold pile p from its top card (a pile of one card keeps its flag): equal
// cards, then a change of value, then a descending run, the last that holds winning.
void ComputerPlayer::ReadPattern(int p) {
    const int n = HoldCount(p);
    if (n < 2) return;
    const auto& v = g.HoldCards[kRank][p];
    i16& flag = g.HoldPileInfo[p][2];
    if (v[n] == v[1]) flag = 0;
    if (v[n] != v[n - 1]) flag = 1;
    if (v[n] == v[n - 1] - 1) flag = 2;
}
