#pragma once
// Small positions for the computer opponent's decisions: a two-player table with the computer
// (player 2) on turn, built from card values. Card ids are made up from the values, so that a
// value reads back as the rank of its id.
#include <initializer_list>
#include <vector>

#include "computer/computer_player.h"
#include "engine/cards.h"
#include "tests/support/headless_services.h"

namespace computer_test {

// A card id of rank `value` (0 for no card), varied by `n` over the four suits.
inline i16 IdOf(i16 value, int n = 0) {
    return value == 0 ? i16{0} : static_cast<i16>(value + 13 * (n % 4));
}

// The pattern flag of a computer hold pile, as a discard sets it.
inline i16 PatternOf(const std::vector<i16>& pile, i16 old = 0) {
    size_t n = pile.size();
    if (n < 2) return old;
    i16 flag = old;
    if (pile[n - 1] == pile[0]) flag = 0;
    if (pile[n - 1] != pile[n - 2]) flag = 1;
    if (pile[n - 1] == pile[n - 2] - 1) flag = 2;
    return flag;
}

struct Table {
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    ComputerPlayer cp{e};

    Table() {
        g.NumPlayers = 2;
        g.NumCenters = 4;
        g.Pturn = 2;
        g.WorkingOpp = 1;
        g.HandCount = 0;
        g.MovePause = 0;
        cp.st.FallbackSlot = 2;
    }

    // Center values, center 1 first; a center at v holds the cards 1..v.
    void Centers(std::initializer_list<i16> values) {
        g.NumCenters = static_cast<i16>(values.size());
        int c = 1;
        for (i16 v : values) {
            g.CenterCount[c] = v;
            for (int n = 1; n <= 12; ++n) {
                g.Center[kRank][c][n] = n <= v ? static_cast<i16>(n) : i16{0};
                g.Center[kId][c][n] = n <= v ? IdOf(static_cast<i16>(n), c) : i16{0};
            }
            ++c;
        }
    }

    static void Put(PorC& cards, int slot, i16 value, int n = 0) {
        cards[kId][slot] = IdOf(value, n);
        cards[kRank][slot] = value;
    }

    // The computer's hand, slot 2 first; HandCount follows.
    void Hand(std::initializer_list<i16> values) {
        int s = kFirstHandSlot;
        for (int k = kFirstHandSlot; k <= kLastHandSlot; ++k) Put(g.CurCards, k, 0);
        for (i16 v : values) {
            Put(g.CurCards, s, v, s);
            ++s;
        }
        g.HandCount = static_cast<i16>(values.size());
    }

    void Payoff(i16 v) {
        Put(g.CurCards, kSideSlot, v);
        g.CurSideCount = v == 0 ? 0 : 10;
    }

    // Computer hold pile p, bottom card first; the top also shows in slot 6 + p.
    void Hold(int p, std::vector<i16> pile, int pattern = -1) {
        for (int i = 1; i <= kHoldCapacity; ++i)
            g.HoldCards[kId][p][i] = g.HoldCards[kRank][p][i] = 0;
        for (size_t i = 0; i < pile.size(); ++i) {
            g.HoldCards[kRank][p][i + 1] = pile[i];
            g.HoldCards[kId][p][i + 1] = IdOf(pile[i], static_cast<int>(i));
        }
        g.HoldPileInfo[p][1] = static_cast<i16>(pile.size());
        g.HoldPileInfo[p][2] = pattern >= 0 ? static_cast<i16>(pattern) : PatternOf(pile);
        Put(g.CurCards, kLastHandSlot + p, pile.empty() ? i16{0} : pile.back(), 1);
    }

    void HumanPayoff(i16 v) {
        Put(g.HumanCards, kSideSlot, v);
        g.HumanSideCount = 10;
    }

    // The human's hold tops, pile 1 first.
    void HumanTops(std::initializer_list<i16> tops) {
        int p = 1;
        for (i16 v : tops) Put(g.HumanCards, kLastHandSlot + p++, v);
    }

    // The human's hold pile p: the cards under the top, bottom first, and the top.
    void HumanPile(int p, std::vector<i16> under, i16 top) {
        for (size_t i = 0; i < under.size(); ++i) {
            g.HumanHold[kRank][p][i + 1] = under[i];
            g.HumanHold[kId][p][i + 1] = IdOf(under[i], 2);
        }
        g.HumanHoldCount[p] = static_cast<i16>(under.size());
        Put(g.HumanCards, kLastHandSlot + p, top);
    }

    // A plan for center c laid step by step from the given slots.
    void Plan(i16 c, std::initializer_list<i16> slots) {
        g.PileSel = c;
        cp.StartPlan(c);
        cp.st.PlanHandCount = g.HandCount;
        for (i16 s : slots) {
            cp.st.StepSlot = s;
            cp.Move_Plan();
        }
        cp.st.PlayFlag = 0;
    }

    i16 Steps(int c) const { return cp.st.PlanState[c][1]; }
    i16 Sim(int c) const { return cp.st.PlanState[c][0]; }
};

}  // namespace computer_test
