// Weighing a plan against the players who move before this computer's next turn: the human
// always, and in games of three or four the computer players in between (their cards and payoff
// values) and player 2 when it moves right after the human (its payoff value).
#include "computer/computer_player.h"

void ComputerPlayer::Move_WaitOpps() {
    const int c = Planned();
    Move_Wait(g.HumanCards);
    if (g.NumPlayers <= 2 || Steps(c) == 0) return;
    auto wait = [&](int opp) {
        if (Steps(c) != 0) Move_Wait(g.Opp[opp].Cards);
    };
    auto side = [&](int opp) {
        if (Steps(c) != 0) CheckOppsSide(SeatPayoff(opp));
    };
    const bool four = g.NumPlayers >= 4;
    switch (g.Pturn) {
        case 2:
            wait(2);
            side(2);
            if (four) {
                wait(3);
                side(3);
            }
            break;
        case 3:
            if (four) {
                wait(3);
                side(3);
            } else {
                side(1);
            }
            break;
        case 4:
            side(1);
            break;
        default:
            break;
    }
}

void ComputerPlayer::Move_Wait(const PorC& thisopp) {
    if (LastCard() == kKing) return;
    i16 w = 2;
    if (g.CompLevel >= 1 && g.UsedCount + g.StockCount >= 13) w = 3;
    if (Ruthless()) ++w;
    for (int round = 0; round <= kMaxPlanSteps; ++round) {
        if (WaitAccepts(thisopp)) {
            st.PlayFlag = 1;
            return;
        }
        if (!WaitTrims(w)) return;
        if (Move_ReduceSet()) return;
        const i16 last = LastCard();
        const i16 sim = Sim(Planned());
        const i16 theirs = thisopp[kRank][kSideSlot];
        const i16 p = Payoff();
        if (last == theirs || sim == theirs) {
            st.PlayFlag = 1;
            return;
        }
        if (last > p || (last < p - w && p >= 5)) return;
    }
}

// The plan is safe as it stands against this player.
bool ComputerPlayer::WaitAccepts(const PorC& thisopp) const {
    const int c = Planned();
    const i16 last = LastCard();
    const i16 sim = st.PlanState[c][0];
    if (st.PlanState[c][1] == 1) {
        for (int k = kFirstHoldSlot; k <= kLastHoldSlot; ++k) {
            if (last != thisopp[kRank][k]) continue;
            if (thisopp[kRank][k] == HumanPayoff() || g.CompLevel <= 1) return true;
            break;
        }
    }
    for (int d = 1; d <= Centers(); ++d)
        if (d != c && sim != 0 && CenterValue(d) == sim) return true;
    return Payoff() == kKing && c == st.PayoffCenter;
}

// Whether the plan's last card sits just below the computer's own payoff card, where it would
// only serve the next player: true means drop it.
bool ComputerPlayer::WaitTrims(i16 w) {
    const int c = Planned();
    const i16 last = LastCard();
    const i16 p = Payoff();
    const i16 pc = CenterValue(st.PayoffCenter);
    if (p > 4) {
        if (last < p - w || last >= p) return false;
        if (Ruthless() && last <= pc && pc < p && Sim(c) < st.BlockValue) {
            st.PlayFlag = 1;
            return false;
        }
        return true;
    }
    if (last >= p) return Ruthless() && last == kQueen && c == st.PayoffCenter;
    return !(last == kAce && w == 2);
}

void ComputerPlayer::CheckOppsSide(i16 thisSide) {
    const int c = Planned();
    const int best = BestCenter(thisSide);
    const i16 vb = CenterValue(best);
    for (int d = 1; d <= Centers(); ++d) {
        if (d == best || CenterValue(d) + 1 != Sim(c)) continue;
        if (CenterValue(d) < vb) return;
        if (vb < CenterValue(d) && vb < thisSide) return;
    }
    for (int k = 1; k <= g.CompLevel + 2; ++k) {
        if (Sim(c) + k != thisSide) continue;
        for (int d = 1; d <= Centers(); ++d)
            if (CenterValue(d) == Sim(c)) return;
        if (Move_ReduceSet()) return;
    }
}

void ComputerPlayer::Move_BlockOppsCk(i16 thisCard) {
    if (g.Pturn == 2) {
        if (thisCard == SeatPayoff(2) || (g.NumPlayers >= 4 && thisCard == SeatPayoff(3)))
            st.PlayFlag = 1;
    } else if (g.Pturn == 3 && g.NumPlayers >= 4 && thisCard == SeatPayoff(3)) {
        st.PlayFlag = 1;
    }
}
