#include "mainwindow/drop_target.h"

#include <cmath>

#include "board/layout_control.h"

namespace {

bool NearPile(const BoxSpot& box, const BoxSpot& pile) {
    return pile.present && std::abs(box.left - pile.left) <= drop_tolerance::kCenterX &&
           std::abs(box.top - pile.top) <= drop_tolerance::kCenterY;
}

// A hand place reaches further down than up: a card is let go below the hand more often.
bool NearHandPlace(const BoxSpot& box, const BoxSpot& place) {
    const double dy = box.top - place.top;
    return place.present && std::abs(box.left - place.left) <= drop_tolerance::kHandX &&
           dy >= -drop_tolerance::kHandAbove && dy <= drop_tolerance::kHandBelow;
}

bool IsHand(int slot) {
    return slot >= kFirstHandSlot && slot <= kLastHandSlot;
}

}  // namespace

DropResult DropTarget(const DropScene& s) {
    for (int k = 1; k <= s.numCenters && k < static_cast<int>(s.centers.size()); ++k)
        if (NearPile(s.box, s.centers[k])) return {k, DropRow::Center, 0};

    bool sideMisplaced = false, holdMisplaced = false;
    for (int k = kFirstHoldSlot; k <= kLastHoldSlot; ++k) {
        if (k == s.index || !NearPile(s.box, s.human[k])) continue;
        if (IsHand(s.index)) return {k, DropRow::Human, 0};
        (s.index == kSideSlot ? sideMisplaced : holdMisplaced) = true;
        break;
    }
    if (!holdMisplaced && (s.index == kSideSlot || IsHand(s.index))) {
        for (int k = kFirstHandSlot; k <= kLastHandSlot; ++k) {
            if (k == s.index || !NearHandPlace(s.box, s.human[k])) continue;
            if (IsHand(s.index)) return {k, DropRow::Human, 0};
            sideMisplaced = true;
            break;
        }
    }
    if (sideMisplaced) return {-1, DropRow::None, 4};
    if (holdMisplaced) return {-1, DropRow::None, 2};
    return {};
}

DropScene DropSceneOf(const FormModel& form, const Game& g, int index) {
    DropScene s;
    s.index = index;
    s.numCenters = g.NumCenters;
    auto spot = [&](const char* row, int i, bool present) {
        if (!form.IsLoaded(row, i)) return BoxSpot{};
        const ControlGeom& c = form.At(row, i);
        return BoxSpot{c.Left, c.Top, present};
    };
    s.box = spot("Picture7", index, true);
    for (int k = 1; k <= g.NumCenters && k < static_cast<int>(s.centers.size()); ++k)
        s.centers[k] = spot("PicCenter", k, true);
    for (int k = kFirstHandSlot; k <= kLastHandSlot; ++k)
        s.human[k] = spot("Picture7", k, g.HumanCards[kRank][k] != 0);
    for (int k = kFirstHoldSlot; k <= kLastHoldSlot; ++k) s.human[k] = spot("Picture7", k, true);
    return s;
}
