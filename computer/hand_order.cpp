// The hand as the discard choice sees it: sorted highest first (wild Kings in front), its
// duplicates, and the links between hold piles whose tops are equal.
#include <algorithm>
#include <utility>

#include "computer/computer_player.h"

void ComputerPlayer::Comp_Reseq(PileRow row) {
    auto& cards = g.CurCards;
    for (int pass = 0; pass < kLastHandSlot; ++pass) {
        bool swapped = false;
        for (int s = kFirstHandSlot; s < kLastHandSlot; ++s) {
            if (cards[kRank][s] >= cards[kRank][s + 1]) continue;
            std::swap(cards[kId][s], cards[kId][s + 1]);
            std::swap(cards[kRank][s], cards[kRank][s + 1]);
            swapped = true;
        }
        if (!swapped) break;
    }
    const int last = std::clamp<int>(g.HandCount + 1, 1, kLastHandSlot);
    if (sv.board)
        for (int s = last + 1; s <= kLastHandSlot; ++s) sv.board->HideCard(row, s);
    sv.Pause(0.1);
    st.WildSlot = 0;
    for (int s = kFirstHandSlot; s <= last; ++s) {
        if (sv.board)
            sv.board->ShowCard(row, s, g.Peeking ? cards[kId][s] : i16{0}, card_kind::kSilent);
        if (cards[kRank][s] == kKing) st.WildSlot = static_cast<i16>(s);
    }
    g.PileSel = 2;
}

void ComputerPlayer::Comp_Dups() {
    const int last = std::min<int>(g.HandCount + 1, kLastHandSlot);
    for (int s = last; s >= 3; --s) {
        if (Val(s) == kKing || Val(s) == 0 || Val(s) != Val(s - 1)) continue;
        st.DupSlot = static_cast<i16>(s);
        // A pair equal to the own payoff card, or three equal cards, settles it at once.
        bool three = s - 2 >= st.FallbackSlot && Val(s - 2) == Val(s);
        if (Val(s) == Payoff() || three) {
            g.PileSel = st.DupSlot;
            return;
        }
    }
    if (st.DupSlot == 0) return;
    bool keepAces = Ruthless() && (g.ForcedCards == 1 || g.ForcedCards == 5);
    if (keepAces && Val(st.DupSlot) == kAce)
        st.DupSlot = 0;
    else
        g.PileSel = st.DupSlot;
}

void ComputerPlayer::Comp_Analyze() {
    std::array<i16, 5> link{};
    auto visibleTop = [&](int p) { return Val(kLastHandSlot + p); };
    auto wholeRun = [&](int p) { return HoldCount(p) - 1 + Top(p) == HoldAt(p, 1); };
    for (int p = 1; p <= 4; ++p) {
        for (int q = 1; q <= 4; ++q) {
            if (p == q || visibleTop(p) != visibleTop(q)) continue;
            const i16 pp = Pattern(p), pq = Pattern(q);
            const auto P = static_cast<i16>(p), Q = static_cast<i16>(q);
            if (pp == 1) {
                if (pq == 1) {
                    if (Below(q) >= Below(p)) {
                        link[p] = Top(p) == Below(p) ? P : Q;
                        if (Below(q) == Below(p)) link[p] = HoldCount(q) < HoldCount(p) ? Q : P;
                    } else {
                        link[p] = Top(q) == Below(q) ? Q : P;
                    }
                }
                if (pq == 2) link[p] = P;
                if (pq == 0) link[p] = Q;
            } else if (pp == 2) {
                if (pq == 2) {
                    i16 shorter = HoldCount(q) < HoldCount(p) ? Q : P;
                    link[p] = wholeRun(p) && !wholeRun(q) ? Q : shorter;
                }
                if (pq == 0 || pq == 1) link[p] = Q;
            } else if (pp == 0) {
                link[p] = P;
            }
        }
    }
    for (int p = 1; p <= 4; ++p) g.HoldPileInfo[p][3] = link[p];

    const int last = std::min<int>(g.HandCount + 1, kLastHandSlot);
    for (int s = st.FallbackSlot; s <= last; ++s) {
        if (Val(s) != Val(st.MatchSlot)) continue;
        for (int q = 1; q <= 4; ++q) {
            if (Top(q) != Val(s) || link[q] == 0) continue;
            st.LinkPile = link[q];
            st.LinkSlot = static_cast<i16>(s);
            if (s == st.DupSlot) return;
        }
    }
    if (st.LinkPile != 0) return;
    for (int q = 1; q <= 4; ++q) {
        if (link[q] == 0) continue;
        st.LinkPile = link[q];
        st.LinkSlot = st.DupSlot != 0 ? st.DupSlot : st.FallbackSlot;
        return;
    }
    st.LinkSlot = st.FallbackSlot;
}
