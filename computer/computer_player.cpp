#include "computer/computer_player.h"

#include <algorithm>

#include "engine/engine.h"

namespace {
bool InRange(int v, int lo, int hi) {
    return v >= lo && v <= hi;
}
}  // namespace

// A seat number out of range reads as the first computer seat, never as the human's row.
PileRow ComputerPlayer::OwnRow() const {
    return RowOfPlayer(std::clamp<int>(g.Pturn, 2, 4));
}

i16 ComputerPlayer::Val(int slot) const {
    return InRange(slot, 0, kLastHoldSlot) ? g.CurCards[kRank][slot] : 0;
}

int ComputerPlayer::Centers() const {
    return std::clamp<int>(g.NumCenters, 1, kMaxCenters);
}

i16 ComputerPlayer::CenterValue(int c) const {
    return InRange(c, 1, Centers()) ? g.CenterCount[c] : 0;
}

i16 ComputerPlayer::HoldCount(int pile) const {
    return InRange(pile, 1, 4) ? std::clamp<i16>(g.HoldPileInfo[pile][1], 0, kHoldCapacity) : 0;
}

i16 ComputerPlayer::Pattern(int pile) const {
    return InRange(pile, 1, 4) ? g.HoldPileInfo[pile][2] : 0;
}

i16 ComputerPlayer::Depth(int pile) const {
    return InRange(pile, 1, 4) ? std::clamp<i16>(g.HoldPileInfo[pile][0], 0, kHoldCapacity) : 0;
}

// Position 0 and below (under the bottom card, or an empty pile) read as no card.
i16 ComputerPlayer::HoldAt(int pile, int pos) const {
    if (!InRange(pile, 1, 4) || !InRange(pos, 1, kHoldCapacity)) return 0;
    return g.HoldCards[kRank][pile][pos];
}

i16 ComputerPlayer::BestCenter(i16 side, bool me) const {
    return engine.CenterBestToPlay(side, me);
}

i16 ComputerPlayer::FirstCenterAt(i16 value) const {
    for (int c = 1; c <= Centers(); ++c)
        if (CenterValue(c) == value) return static_cast<i16>(c);
    return 0;
}

int ComputerPlayer::Planned() const {
    return std::clamp<int>(g.PileSel, 1, Centers());
}

i16 ComputerPlayer::LastCard() const {
    int c = Planned();
    int n = st.PlanState[c][1];
    return InRange(n, 1, kMaxPlanSteps) ? Val(st.PlanSlot[c][n]) : 0;
}

bool ComputerPlayer::SlotInPlan(int c, i16 slot) const {
    int n = std::clamp<int>(st.PlanState[c][1], 0, kMaxPlanSteps);
    for (int i = 1; i <= n; ++i)
        if (st.PlanSlot[c][i] == slot) return true;
    return false;
}

// Another computer seat moves after this one before the human's next turn.
bool ComputerPlayer::LaterComputerMoves() const {
    return (g.NumPlayers == 3 && g.Pturn == 2) || (g.NumPlayers == 4 && g.Pturn < 4);
}

// A center standing at `sim` is where the human's payoff card goes next (a finished center
// empties, which is where a Queen payoff card waits for the cycle to come round).
bool ComputerPlayer::SimReachesHuman(i16 sim) const {
    return sim == HumanPayoff() || (sim == 0 && HumanPayoff() == kQueen);
}

void ComputerPlayer::Find_PayoffCenter() {
    st.PayoffCenter = BestCenter(Payoff(), true);
}
