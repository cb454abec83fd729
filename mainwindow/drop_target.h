#pragma once
// Where a card of the human's row lands when the mouse lets it go: a center pile, one of the
// human's hold piles or hand places, or nowhere. Only the boxes' upper left corners count, and
// the tolerances are those of a normal card (71 x 96 pixels) in every display mode, so a card
// drawn small is as easy to drop as a large one.
#include <array>

#include "engine/game.h"

struct FormModel;

// One box's upper left corner; `present` when it can take the card (a loaded center or hold
// pile, a hand place that holds a card).
struct BoxSpot {
    double left = 0;
    double top = 0;
    bool present = false;
};

struct DropScene {
    int index = 0;  // the slot of the dragged box, 1-10
    BoxSpot box;    // where it lies now
    int numCenters = 4;
    std::array<BoxSpot, 5> centers{};  // 1..numCenters
    std::array<BoxSpot, 11> human{};   // 2-6 hand places, 7-10 hold piles
};

enum class DropRow { None, Center, Human };

struct DropResult {
    int target = -1;              // a center pile, a human slot, or -1
    DropRow row = DropRow::None;  // the row the target belongs to
    // The rule message that explains a misplaced card (2 a hold top on a hold pile, 4 the side
    // card off the centers), 0 when none is due.
    int ruleMessage = 0;
};

namespace drop_tolerance {
constexpr double kCenterX = 71.0 / 3;  // across, for centers and holds
constexpr double kCenterY = 96.0 / 3;  // up and down
constexpr double kHandX = 71.0 / 2;
constexpr double kHandAbove = 96.0 / 2;
constexpr double kHandBelow = 96.0;
}  // namespace drop_tolerance

DropResult DropTarget(const DropScene& s);

// The scene of the dragged box `index` as the table's layout and the game's cards have it.
DropScene DropSceneOf(const FormModel& form, const Game& g, int index);
