// The discard's later scans, for distance d = 1 to 10 between a hold top and a hand card below
// it: high cards under piles above the payoff center (A), cards under piles within it (B), any
// card (C), equal tops (D), low cards (E).
#include "computer/computer_player.h"
#include "computer/drop_memo.h"

namespace {
constexpr int kMaxDistance = 10;
}

bool ComputerPlayer::DropScanA(const DropMemo& m) {
    for (int d = 1; d <= kMaxDistance; ++d) {
        for (int s = st.FallbackSlot; s <= m.last; ++s) {
            const i16 v = Val(s);
            if (v < m.payoff) continue;
            for (int q = 1; q <= 4; ++q) {
                const i16 t = Top(q);
                if (t < m.pc || t <= v || t - d != v || t - d < m.pc) continue;
                const i16 linkMatch = Ruthless() ? v : t;
                if (st.LinkPile != 0 && Top(st.LinkPile) == linkMatch)
                    return Take(st.LinkPile, static_cast<i16>(s));
                for (int r = 1; r <= 4; ++r)
                    if (r != q && Top(r) == v + 1) return false;
                return Take(static_cast<i16>(q), static_cast<i16>(s));
            }
        }
    }
    return false;
}

bool ComputerPlayer::DropScanB(const DropMemo& m) {
    // Without a card at or below the payoff center the scan has nothing to weigh, and the
    // choice between the payoff-top pile and LinkPile after it is left to the later scans.
    bool anyLow = false;
    for (int s = st.FallbackSlot; s <= m.last; ++s) anyLow = anyLow || Val(s) <= m.pc;
    if (!anyLow) return false;
    for (int d = 1; d <= kMaxDistance; ++d) {
        for (int s = st.FallbackSlot; s <= m.last; ++s) {
            const i16 v = Val(s);
            if (v > m.pc) continue;
            for (int q = 1; q <= 4; ++q) {
                const i16 t = Top(q);
                if (v >= t || t > m.pc || t - d != v) continue;
                if (st.LinkPile != 0 && Top(st.LinkPile) == t)
                    return Take(st.LinkPile, static_cast<i16>(s));
                return Take(static_cast<i16>(q), static_cast<i16>(s));
            }
        }
    }
    if (m.payoffTop != 0) return PayoffPileOrLink(m, true);
    if (st.LinkPile != 0) return Take(st.LinkPile, st.LinkSlot);
    return false;
}

bool ComputerPlayer::DropScanC(const DropMemo& m) {
    for (int d = 1; d <= kMaxDistance; ++d) {
        for (int s = st.FallbackSlot; s <= m.last; ++s) {
            const i16 v = Val(s);
            for (int q = 1; q <= 4; ++q) {
                const i16 t = Top(q);
                if (t - d != v) continue;
                bool take = m.pc >= m.payoff || v >= m.payoff || t >= m.payoff ||
                            (t <= m.payoff && v > m.pc);
                if (take) return Take(static_cast<i16>(q), static_cast<i16>(s));
            }
        }
    }
    return false;
}

bool ComputerPlayer::DropScanD(const DropMemo& m) {
    const i16 fb = st.FallbackSlot;
    // No descending run is covered by a card equal to its top.
    for (int s = fb; s <= m.last; ++s)
        for (int q = 1; q <= 4; ++q)
            if (Top(q) == Val(s) && Pattern(q) != 2) return Take(static_cast<i16>(q), fb);
    for (int q = 1; q <= 4; ++q)
        if (Top(q) <= m.pc && Top(q) <= m.payoff) return Take(static_cast<i16>(q), fb);
    for (int q = 1; q <= 4; ++q)
        if (Top(q) <= m.pc) return Take(static_cast<i16>(q), fb);
    return false;
}

bool ComputerPlayer::DropScanE(DropMemo& m) {
    for (int d = 1; d <= kMaxDistance; ++d) {
        for (int s = st.FallbackSlot; s <= m.last; ++s) {
            const i16 v = Val(s);
            if (v >= m.payoff) continue;
            for (int q = 1; q <= 4; ++q) {
                const i16 t = Top(q);
                if (t - d != v || !(t <= m.pc || t >= m.payoff || v > m.pc)) continue;
                if (s != st.MatchSlot) return Take(static_cast<i16>(q), static_cast<i16>(s));
                m.matchPile = static_cast<i16>(q);
            }
        }
    }
    return false;
}
