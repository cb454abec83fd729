#include "mainwindow/hold_info.h"

#include <algorithm>

#include "platform/vb_strings.h"

namespace {

constexpr int kBoxes = 10;

std::string HiddenCaption(const char* what, int n) {
    return std::string(" ") + what + " Cards Hidden:" + Str(n) + " ";
}

// Boxes 1, 2, ... get card(i) for i = n down to n - 9, not below 1.
template <typename CardAt>
void FillNearestFirst(HoldView& v, int n, CardAt card) {
    for (int box = 1; box <= kBoxes && n - box + 1 >= 1; ++box) v.cards[box] = card(n - box + 1);
}

bool IsHoldSlot(int slot) {
    return slot >= kFirstHoldSlot && slot <= kLastHoldSlot;
}

}  // namespace

HoldView HumanHoldView(const Game& g, int slot) {
    HoldView v;
    if (!IsHoldSlot(slot)) return v;
    const int p = slot - 6;
    const int n = std::clamp<int>(g.HumanHoldCount[p], 0, kHoldCapacity);
    v.caption = HiddenCaption("Hold", n);
    FillNearestFirst(v, n, [&](int i) { return g.HumanHold[kId][p][i]; });
    return v;
}

HoldView OppHoldView(const HoldPiles& hold, const HoldInfo& info, int slot,
                     const std::string& owner) {
    HoldView v;
    if (!IsHoldSlot(slot)) return v;
    const int p = slot - 6;
    // The count includes the top, which the table shows.
    const int n = std::clamp<int>(info[p][1] - 1, 0, kHoldCapacity);
    v.caption = " " + owner + "'s" + HiddenCaption("Hold", n);
    FillNearestFirst(v, n, [&](int i) { return hold[kId][p][i]; });
    return v;
}

HoldView SideView(const SidePile& side, int count) {
    HoldView v;
    const int n = std::clamp(count - 1, 0, kMaxSidePile);
    v.caption = HiddenCaption("Side", n);
    FillNearestFirst(v, n, [&](int i) { return side[kId][i]; });
    return v;
}

HoldView StockView(const Game& g) {
    HoldView v;
    const int n = std::clamp<int>(g.StockCount, 0, kMaxCards);
    v.caption = HiddenCaption("Stock", n);
    FillNearestFirst(v, n, [&](int i) { return g.Deck[kId][i]; });
    return v;
}

PileInfoAnswer ShowPileInfo(const Game& g, int opp, int slot) {
    PileInfoAnswer a;
    if (opp < 1 || opp > 3) return a;
    const OpponentRecord& r = g.Opp[opp];
    // While this opponent plays, its live cards are in the working copy, not in its record.
    const bool live = g.Pturn == opp + 1 && g.WorkingOpp == opp;
    if (IsHoldSlot(slot)) {
        a.kind = PileInfoAnswer::Kind::Window;
        a.view = live ? OppHoldView(g.HoldCards, g.HoldPileInfo, slot, r.Name)
                      : OppHoldView(r.Hold, r.HoldPileInfo, slot, r.Name);
    } else if (slot == kInfoSide) {
        const int count = live ? g.CurSideCount : r.SideCount;
        // During play only the count is told; the cards themselves once the game is over.
        if (g.CurSideCount != 0 && g.HumanSideCount != 0 && !g.DevMode) {
            a.kind = PileInfoAnswer::Kind::Message;
            a.message = r.Name + " SIDE : " + Str(count);
        } else {
            a.kind = PileInfoAnswer::Kind::Window;
            a.view = SideView(live ? g.CurSide : r.Side, count);
        }
    }
    return a;
}
