// How close the human is to its payoff card, as one center value: the human can play up to its
// payoff card from a center standing at BlockValue - 1, lowered by a margin that grows with the
// level and with how the computer's own hold piles look.
#include <algorithm>

#include "computer/computer_player.h"

void ComputerPlayer::Ck_Player() {
    st.BlockValue = HumanPayoff();
    st.EmptyCenter = 0;
    st.CenterReach = {};
    for (int c = 1; c <= Centers(); ++c) {
        int top = std::clamp<int>(g.CenterCount[c], 0, kQueen);
        if (g.Center[kRank][c][top] == 0) st.EmptyCenter = static_cast<i16>(c);
    }
    if (st.BlockValue == kAce && st.EmptyCenter != 0) return;
    g.HumanCenter = BestCenter(HumanPayoff());

    // A chain may run down through an Ace into the Queens of the next round once; a second
    // wrap would only walk the same cards again.
    bool wrapped = false;
    Walk w = TopsPass(wrapped);
    if (w == Walk::Go) w = PilePass(wrapped);
    if (w == Walk::EndCall) return;
    if (st.BlockValue == kKing) st.BlockValue = kAce;

    ApplyMargin(PressureCount());
    i16 h = CenterValue(g.HumanCenter);
    if (st.BlockValue >= h) return;
    bool marked =
        std::any_of(st.CenterReach.begin(), st.CenterReach.end(), [](i16 r) { return r != 0; });
    if (h >= HumanPayoff() || !marked) st.BlockValue = h;
}

ComputerPlayer::Walk ComputerPlayer::WrapRule(bool& wrapped) {
    if (st.BlockValue != kAce) return Walk::Go;
    if (st.EmptyCenter != 0) return Walk::EndCall;
    if (wrapped) return Walk::EndWalk;
    wrapped = true;
    st.BlockValue = kKing;
    return Walk::Go;
}

// The human's hold tops, repeated while the last top of a pass continued the chain.
ComputerPlayer::Walk ComputerPlayer::TopsPass(bool& wrapped) {
    bool lastMatch = false;
    int passes = 0;
    do {
        lastMatch = false;
        for (int k = kFirstHoldSlot; k <= kLastHoldSlot; ++k) {
            Walk w = WrapRule(wrapped);
            if (w != Walk::Go) return w;
            lastMatch = g.HumanCards[kRank][k] == st.BlockValue - 1;
            if (!lastMatch) continue;
            --st.BlockValue;
            if (st.BlockValue != kAce) continue;
            if (st.EmptyCenter != 0) return Walk::EndCall;
            break;
        }
    } while (lastMatch && ++passes < 64);
    return Walk::Go;
}

// The human's hold piles: a top that continues the chain, or a descending run under a lower top
// that reaches the chain; a run that reaches it starts the pass again.
ComputerPlayer::Walk ComputerPlayer::PilePass(bool& wrapped) {
    int p = 1;
    for (int guard = 0; p <= 4 && guard < 256; ++guard) {
        Walk w = WrapRule(wrapped);
        if (w != Walk::Go) return w;
        i16 top = g.HumanCards[kRank][kFirstHoldSlot - 1 + p];
        if (top == st.BlockValue - 1) {
            --st.BlockValue;
            if (st.BlockValue == kAce) {
                if (st.EmptyCenter != 0) return Walk::EndCall;
                p = 1;
                continue;
            }
            if (Ruthless()) MarkReach();
            ++p;
            continue;
        }
        int under = std::clamp<int>(g.HumanHoldCount[p], 0, kHoldCapacity);
        bool runStarts =
            top < st.BlockValue && under >= 1 && top == g.HumanHold[kRank][p][under] - 1;
        if (runStarts && WalkPile(p)) {
            p = 1;
            continue;
        }
        ++p;
    }
    return Walk::Go;
}

// Walks down the run under pile p's top; true when it reached the chain.
bool ComputerPlayer::WalkPile(int p) {
    const auto& pile = g.HumanHold[kRank][p];
    int d = 2;
    for (int i = std::clamp<int>(g.HumanHoldCount[p], 0, kHoldCapacity); i >= 1; --i, ++d) {
        if (pile[i] == st.BlockValue - 1) {
            st.BlockValue = static_cast<i16>(st.BlockValue - d);
            if (Ruthless()) MarkReach();
            return true;
        }
        if (i > 1 && pile[i] != pile[i - 1] - 1) return false;
    }
    return false;
}

// A center standing one below the chain's start is where the human can run to its payoff card.
void ComputerPlayer::MarkReach() {
    for (int c = 1; c <= Centers(); ++c)
        if (g.CenterCount[c] + 1 == st.BlockValue) st.CenterReach[c] = st.BlockValue;
}

// How many of the computer's own hold piles have a mixed top; the fewer, the larger the margin.
int ComputerPlayer::PressureCount() const {
    int n = 0;
    switch (g.CompLevel) {
        case 0:
            return 4;
        case 1:
            n = 1;
            for (int p = 1; p <= 4; ++p) {
                if (Val(kFirstHoldSlot - 1 + p) == 0) n = 1;
                if (Pattern(p) == 1) ++n;
            }
            if (n >= 3 && g.UsedCount + g.StockCount > 12) --n;
            return n;
        default:
            for (int p = 1; p <= 4; ++p) {
                if (Val(kFirstHoldSlot - 1 + p) == 0) return 0;
                if (Pattern(p) == 1) ++n;
            }
            return std::min(n, 2);
    }
}

void ComputerPlayer::ApplyMargin(int n) {
    int m = 1;
    if (n == 0)
        m = 5;
    else if (n <= 2)
        m = Ruthless() ? 4 : 3;
    else if (n == 3)
        m = 2;
    st.LowCenter = 0;
    for (int c = 1; c <= Centers(); ++c)
        if (g.CenterCount[c] < HumanPayoff()) st.LowCenter = static_cast<i16>(c);
    bool nothingLow = st.EmptyCenter == 0 && st.LowCenter == 0;
    i16& bv = st.BlockValue;
    if (m >= 2) {
        if (bv > m)
            bv = static_cast<i16>(bv - m);
        else
            bv = nothingLow ? static_cast<i16>(bv + 12 - m) : kAce;
    } else if (bv != kAce) {
        --bv;
    } else if (nothingLow) {
        bv = 11;
    }
}
