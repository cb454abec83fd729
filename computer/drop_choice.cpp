// The discard: which hand card goes onto which hold pile. Equal cards and descending runs are kept
// together, duplicates go first, cards leading toward the payoff card are kept back, and the
// choice avoids covering what the computer will need.
#include <algorithm>

#include "computer/computer_player.h"
#include "computer/drop_memo.h"

bool ComputerPlayer::Take(i16 pile, i16 slot) {
    st.DropPile = pile;
    g.PileSel = slot;
    return true;
}

void ComputerPlayer::Comp_Drop() {
    st.LinkPile = 0;
    st.MatchSlot = 0;
    st.DupSlot = 0;
    st.TryCount = 1;
    DropMemo m;
    m.payoff = Payoff();
    m.pc = CenterValue(st.PayoffCenter);
    m.last = std::clamp<int>(g.HandCount + 1, kFirstHandSlot, kLastHandSlot);
    if (st.FallbackSlot < kFirstHandSlot || st.FallbackSlot > kLastHandSlot) st.FallbackSlot = 2;

    if (DropEqualTops(m)) return;
    if (g.HandCount != 1) Comp_Dups();
    if (st.TryCount > 1 && DropOnEmpty(m)) return;
    Comp_Analyze();
    if (DropWhenAllAbove(m) || DropContinuesRun(m)) return;
    if (m.pc >= m.payoff && DropByDistance(m)) return;

    // A Ruthless player under the visible forced-Ace rules keeps the Aces at the end of its
    // sorted hand; the walk stops at the first card that may go.
    if (Ruthless() && (g.ForcedCards == 5 || g.ForcedCards == 7))
        while (m.last >= st.FallbackSlot && Val(m.last) == kAce) --m.last;
    if (DropScanA(m) || DropScanB(m) || DropScanC(m) || DropScanD(m) || DropScanE(m)) return;
    DropFinal(m);
}

// A card equal to a pile of equal cards goes there at once; other equal tops are remembered.
bool ComputerPlayer::DropEqualTops(DropMemo& m) {
    for (int q = 1; q <= 4; ++q) {
        if (HoldCount(q) == 0) {
            ++st.TryCount;
            continue;
        }
        for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
            if (Top(q) != Val(s)) continue;
            if (Pattern(q) == 0) return Take(static_cast<i16>(q), static_cast<i16>(s));
            st.MatchSlot = static_cast<i16>(s);
            (Pattern(q) == 1 ? m.patternOne : m.patternTwo) = static_cast<i16>(q);
        }
        if (Top(q) == m.payoff) m.payoffTop = static_cast<i16>(q);
    }
    return false;
}

bool ComputerPlayer::DropOnEmpty(const DropMemo& m) {
    i16 empty = 0;
    for (int q = 4; q >= 1; --q)
        if (HoldCount(q) == 0) empty = static_cast<i16>(q);
    bool dupAceKept = Ruthless() && st.DupSlot >= 4 && Val(st.DupSlot) == kAce;
    if (st.DupSlot != 0 && !dupAceKept) return Take(empty, st.DupSlot);
    for (int s = st.FallbackSlot; s <= g.HandCount + 1 && s <= kLastHandSlot; ++s)
        if (Val(s) != m.payoff - 1) return Take(empty, static_cast<i16>(s));
    return Take(empty, st.MatchSlot != 0 ? st.MatchSlot : st.FallbackSlot);
}

// Every hand card is at least as high as every hold top.
bool ComputerPlayer::DropWhenAllAbove(const DropMemo& m) {
    for (int s = st.FallbackSlot; s <= g.HandCount + 1 && s <= kLastHandSlot; ++s)
        for (int q = 1; q <= 4; ++q)
            if (Top(q) > Val(s)) return false;
    const i16 fb = st.FallbackSlot;
    g.PileSel = fb;
    if (m.payoffTop != 0) return Take(m.payoffTop, fb);
    for (int q = 1; q <= 4; ++q)
        if (Top(q) == m.pc) return Take(static_cast<i16>(q), fb);
    if (st.LinkPile != 0) return Take(st.LinkPile, fb);
    bool anyQualifies = false;
    for (int q = 1; q <= 4; ++q) {
        bool ok = m.pc < m.payoff ? Top(q) >= m.payoff : m.payoff <= Top(q) && Top(q) <= m.pc;
        anyQualifies = anyQualifies || ok;
    }
    i16 remembered = m.patternOne != 0 ? m.patternOne : m.patternTwo;
    if (!anyQualifies && st.MatchSlot != 0 && remembered != 0)
        return Take(remembered, st.MatchSlot);
    for (int q = 1; q <= 4; ++q)
        if (Top(q) != kAce && Top(q) >= m.payoff) return Take(static_cast<i16>(q), fb);
    return Take(4, fb);
}

// A card that continues a pile downward.
bool ComputerPlayer::DropContinuesRun(const DropMemo& m) {
    for (int s = st.FallbackSlot; s <= g.HandCount + 1 && s <= kLastHandSlot; ++s) {
        for (int q = 1; q <= 4; ++q) {
            if (Val(s) != Top(q) - 1) continue;
            const auto S = static_cast<i16>(s), Q = static_cast<i16>(q);
            if (s == st.DupSlot && st.LinkSlot != 0 && st.LinkPile != 0)
                return Take(st.LinkPile, S);
            if (Top(q) == m.payoff) return Take(Q, S);
            if ((HoldCount(q) == 1 || Pattern(q) == 2) && Val(s) != m.pc) return Take(Q, S);
        }
    }
    return false;
}

// With the payoff center at or above the payoff value: the nearest pile above a card, within
// the payoff center's value.
bool ComputerPlayer::DropByDistance(const DropMemo& m) {
    for (int d = 1; d <= 10; ++d) {
        st.TryCount = static_cast<i16>(d);
        for (int s = st.FallbackSlot; s <= g.HandCount + 1 && s <= kLastHandSlot; ++s) {
            for (int q = 1; q <= 4; ++q) {
                if (Top(q) > m.pc || Top(q) - d != Val(s)) continue;
                if (d < 4) return Take(static_cast<i16>(q), static_cast<i16>(s));
                if (m.payoffTop != 0) return PayoffPileOrLink(m, false);
                if (st.LinkPile == 0) return Take(static_cast<i16>(q), static_cast<i16>(s));
                return Take(st.LinkPile, st.FallbackSlot);
            }
        }
    }
    if (m.payoffTop != 0) return PayoffPileOrLink(m, false);
    if (st.LinkPile != 0) return Take(st.LinkPile, st.LinkSlot);
    for (int q = 1; q <= 4; ++q)
        if (m.payoff <= Top(q) && Top(q) <= m.pc) return Take(static_cast<i16>(q), st.FallbackSlot);
    return false;
}

// The fallback card onto the payoff-top pile, or onto LinkPile when that pile's top matches.
bool ComputerPlayer::PayoffPileOrLink(const DropMemo& m, bool orFallbackCard) {
    const i16 link = st.LinkPile;
    bool useLink = link != 0 && (Top(link) == Top(m.payoffTop) ||
                                 (orFallbackCard && Top(link) == Val(st.FallbackSlot)));
    return Take(useLink ? link : m.payoffTop, st.FallbackSlot);
}

void ComputerPlayer::DropFinal(const DropMemo& m) {
    const int last = std::clamp<int>(g.HandCount + 1, kFirstHandSlot, kLastHandSlot);
    const i16 fb = st.FallbackSlot;
    if (m.payoffTop != 0) {
        for (int s = fb; s <= last; ++s)
            if (Val(s) != Val(st.MatchSlot)) {
                Take(m.payoffTop, static_cast<i16>(s));
                return;
            }
        if (m.payoffTop == m.patternOne && st.MatchSlot != 0) {
            Take(m.payoffTop, st.MatchSlot);
            return;
        }
    }
    if (m.matchPile != 0 && st.MatchSlot != 0) {
        Take(m.matchPile, st.MatchSlot);
        return;
    }
    if (st.MatchSlot != 0) {
        for (int q = 1; q <= 4; ++q)
            if (Below(q) != Top(q) + 1) {
                Take(static_cast<i16>(q), st.MatchSlot);
                return;
            }
        if (m.patternOne != 0) {
            Take(m.patternOne, st.MatchSlot);
            return;
        }
    }
    for (int q = 1; q <= 4; ++q)
        if (m.payoff <= Top(q) && Top(q) <= m.pc) {
            Take(static_cast<i16>(q), fb);
            return;
        }
    for (int k = 1; k <= Centers(); ++k)
        for (int q = 1; q <= 4; ++q)
            if (Top(q) > m.payoff || Top(q) <= CenterValue(k)) {
                Take(static_cast<i16>(q), fb);
                return;
            }
    Take(static_cast<i16>(g.Rng.Draw1To(4)), fb);
}
