// The center planner: builds a plan on the target center long enough for the payoff card to
// follow; when that fails, builds a plan on every center in turn and keeps the first one that
// passes the acceptance tests, shortening a failing plan from its end before giving it up.
#include <algorithm>

#include "computer/computer_player.h"

namespace {
// Far more rounds than any plan needs (four centers of fifteen steps, each extended and trimmed
// at most twice), so that a position the rules never produce cannot keep the planner going.
constexpr int kPlannerRounds = 600;
}  // namespace

void ComputerPlayer::Move_Comp() {
    int c = Planned();
    const int firstTarget = c;
    nextNeed_ = 0;
    BeginCenter(c);
    bool extendedAgain = false;
    for (int round = 0; round < kPlannerRounds; ++round) {
        Extension e = Extend(c);
        if (e == Extension::Accepted) return;
        if (e == Extension::Switched) {
            st.SwitchCenter = static_cast<i16>(c);
            c = std::clamp<int>(st.MatchSlot, 1, Centers());
            g.PileSel = static_cast<i16>(c);
            st.SwitchMark = 14;
            st.TrimPhase = 2;
        }
        if (PlanMode13Step(c)) return;
        if (st.TrimPhase == 0) {
            bool refused = false;
            if (WildStep(c, refused)) {
                if (st.PlayFlag == 1) return;
                st.SwitchMark = 1;
                continue;
            }
            nextNeed_ = static_cast<i16>(Sim(c) + 1);
            st.TrimPhase = 1;
            c = PassStart(firstTarget, refused);
            extendedAgain = false;
            BeginCenter(c);
            continue;
        }
        if (st.TrimPhase == 2) {
            st.TrimPhase = 1;
            c = std::clamp<int>(st.SwitchCenter, 1, Centers());
            g.PileSel = static_cast<i16>(c);
            st.SwitchMark = 1;
            nextNeed_ = 0;
            continue;
        }
        if (Accepts(c)) {
            st.PlayFlag = 1;
            g.PileSel = static_cast<i16>(c);
            return;
        }
        if (st.SwitchMark != 0 && !extendedAgain) {
            extendedAgain = true;
            continue;
        }
        if (++c > Centers()) break;
        extendedAgain = false;
        BeginCenter(c);
    }
    st.PlayFlag = 0;
    g.PileSel = static_cast<i16>(Centers());
}

int ComputerPlayer::PassStart(int firstTarget, bool wildRefused) {
    if (wildRefused) return 1;
    if (st.KeptCenter != 0 && st.KeptCenter != firstTarget && st.KeptTries == 0) {
        st.KeptTries = 1;
        return std::clamp<int>(st.KeptCenter, 1, Centers());
    }
    if (firstTarget == st.KeptCenter && st.KeptTries > 0) {
        st.KeptCenter = 0;
        st.KeptTries = 0;
    }
    return 1;
}

// Appends cards while one fits: a hand card first (a hold card with the same value may take its
// place), then a hold top, then the wild payoff card after a Queen on the human's center.
ComputerPlayer::Extension ComputerPlayer::Extend(int c) {
    for (int step = 0; step <= kMaxPlanSteps; ++step) {
        if (Steps(c) >= kMaxPlanSteps) break;
        bool switchBack = false;
        bool added =
            ExtendFromHand(c, switchBack) || ExtendFromHold(c) || AppendPayoffAfterQueen(c);
        if (!added) break;
        if (st.PlayFlag == 1) return Extension::Accepted;
        if (switchBack) return Extension::Switched;
    }
    return Extension::NothingFits;
}

bool ComputerPlayer::ExtendFromHand(int c, bool& switchBack) {
    const i16 need = static_cast<i16>(Sim(c) + 1);
    int slot = 0;
    // A hand card goes into a plan once: after a full round of the center its slot is empty.
    for (int s = kFirstHandSlot; s <= kLastHandSlot && slot == 0; ++s)
        if (Val(s) != kKing && Val(s) == need && !SlotInPlan(c, static_cast<i16>(s))) slot = s;
    if (slot == 0) return false;
    --st.PlanHandCount;
    st.StepSlot = static_cast<i16>(slot);
    Move_Plan();

    const i16 pc = CenterValue(st.PayoffCenter);
    i16 take = 0, remembered = 0;
    bool accept = false, decided = false;
    for (int p = 1; p <= 4 && !decided; ++p) {
        if (WorkTop(p) != need) continue;
        if (Move_Comp_Hold(static_cast<i16>(p))) {
            take = st.HoldFrom != 0 ? st.HoldFrom : remembered;
            decided = true;
        } else if (Depth(p) <= 1) {
            continue;
        } else if (WorkUnder(p) == need) {
            take = remembered;
            decided = true;
        } else if (WorkUnder(p) == need + 1) {
            take = static_cast<i16>(p);
            decided = true;
        } else if (c != st.PayoffCenter && WorkUnder(p) > pc && WorkUnder(p) < Payoff()) {
            take = static_cast<i16>(p);
            accept = WorkUnder(p) == pc + 1 && WorkUnder(p) == Payoff() - 1;
            decided = true;
        } else if (st.PlanHandCount != 0) {
            remembered = static_cast<i16>(p);
            st.SwitchMark = Steps(c);
        }
    }
    if (!decided) take = remembered;
    if (take == 0 || st.PlanSlot[c][Steps(c)] != slot) return true;
    TakeHold(c, take);
    if (accept) st.PlayFlag = 1;
    if (nextNeed_ != 0 && WorkTop(take) == nextNeed_) switchBack = true;
    return true;
}

// The hold card plays in place of the hand card just planned.
void ComputerPlayer::TakeHold(int c, i16 pile) {
    st.PlanSlot[c][Steps(c)] = static_cast<i16>(pile + kLastHandSlot);
    --g.HoldPileInfo[pile][0];
    ++st.PlanHandCount;
}

bool ComputerPlayer::ExtendFromHold(int c) {
    const i16 need = static_cast<i16>(Sim(c) + 1);
    const i16 pc = CenterValue(st.PayoffCenter);
    i16 chosen = 0, lastFit = 0;
    for (int p = 1; p <= 4 && chosen == 0; ++p) {
        if (WorkTop(p) != need) continue;
        if (Move_Comp_Hold(static_cast<i16>(p))) {
            if (st.HoldFrom != 0) {
                chosen = st.HoldFrom;
                st.SwitchMark = static_cast<i16>(Steps(c) + 1);
            } else {
                chosen = lastFit != 0 ? lastFit : static_cast<i16>(p);
            }
            break;
        }
        if (Pattern(p) != 0) {
            i16 u = WorkUnder(p);
            if (u == need + 1 || (u > pc && u < Payoff())) {
                chosen = static_cast<i16>(p);
                break;
            }
            st.SwitchMark = static_cast<i16>(Steps(c) + 1);
        }
        lastFit = static_cast<i16>(p);
    }
    if (chosen == 0) chosen = lastFit;
    if (chosen == 0) return false;
    --g.HoldPileInfo[chosen][0];
    st.StepSlot = static_cast<i16>(chosen + kLastHandSlot);
    Move_Plan();
    return true;
}

// With a wild payoff card, a plan that finishes the human's center can start it again at once.
bool ComputerPlayer::AppendPayoffAfterQueen(int c) {
    int n = Steps(c);
    if (!st.WildPayoff || g.NoWildAce || c != g.HumanCenter || n == 0 || Sim(c) != 0) return false;
    if (st.PlanSlot[c][n] < kFirstHandSlot || SlotInPlan(c, kSideSlot)) return false;
    st.StepSlot = kSideSlot;
    Move_Plan();
    return true;
}

// Phase 0 only: a wild King from a hold pile, else from the hand from WildSlot on.
bool ComputerPlayer::WildStep(int c, bool& refusedOnEmpty) {
    if (Steps(c) >= kMaxPlanSteps) return false;
    const bool barred = g.NoWildAce && Sim(c) == 0;
    for (int p = 1; p <= 4; ++p) {
        if (WorkTop(p) != kKing) continue;
        if (barred) {
            refusedOnEmpty = true;
            return false;
        }
        --g.HoldPileInfo[p][0];
        st.StepSlot = static_cast<i16>(p + kLastHandSlot);
        Move_Plan();
        return true;
    }
    if (st.WildSlot < kSideSlot) return false;
    for (int s = st.WildSlot; s <= kLastHandSlot; ++s) {
        if (Val(s) != kKing || SlotInPlan(c, static_cast<i16>(s))) continue;
        if (barred) {
            refusedOnEmpty = true;
            return false;
        }
        st.WildSlot = static_cast<i16>(s + 1);
        if (s >= kFirstHandSlot) --st.PlanHandCount;
        st.StepSlot = static_cast<i16>(s);
        Move_Plan();
        return true;
    }
    return false;
}

// A hand of wild Kings only, with nothing else to play: one of them goes on the payoff center.
bool ComputerPlayer::PlanMode13Step(int c) {
    if (st.PlanMode != 13 || c != st.PayoffCenter || Steps(c) >= kMaxPlanSteps) return false;
    i16 slot = 0;
    for (int s = st.FallbackSlot; s <= kLastHandSlot && slot == 0; ++s)
        if (s >= kFirstHandSlot && Val(s) == kKing && !SlotInPlan(c, static_cast<i16>(s)))
            slot = static_cast<i16>(s);
    if (slot == 0) return false;
    st.PlanSlot[c][++Steps(c)] = slot;
    st.PlayFlag = 1;
    g.PileSel = static_cast<i16>(c);
    return true;
}
