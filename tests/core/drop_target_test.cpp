#include "mainwindow/drop_target.h"

#include <gtest/gtest.h>

#include "mainwindow/drag_state.h"

namespace {

// Centers along y = 200 at x = 300, 382, 464, 546; the side pile at (100, 400), the hand at
// x = 180 to 500 step 80 on y = 400, and the hold piles far below (y = 700) so that the hand
// places' lower reach can be tried alone.
DropScene Scene(int index, double left, double top) {
    DropScene s;
    s.index = index;
    s.box = {left, top, true};
    s.numCenters = 4;
    for (int k = 1; k <= 4; ++k) s.centers[k] = {300.0 + 82 * (k - 1), 200, true};
    s.human[1] = {100, 400, true};
    for (int k = 2; k <= 6; ++k) s.human[k] = {180.0 + 80 * (k - 2), 400, true};
    for (int k = 7; k <= 10; ++k) s.human[k] = {180.0 + 80 * (k - 7), 700, true};
    return s;
}

struct DropCase {
    const char* what;
    int index;
    double left, top;
    int target;
    DropRow row;
    int message;
};

template <std::size_t N>
void ExpectDrops(const DropCase (&cases)[N]) {
    for (const DropCase& c : cases) {
        const DropResult r = DropTarget(Scene(c.index, c.left, c.top));
        EXPECT_EQ(r.target, c.target) << c.what;
        EXPECT_EQ(r.row, c.row) << c.what;
        EXPECT_EQ(r.ruleMessage, c.message) << c.what;
    }
}

TEST(DropTarget, TolerancesAtTheirEdges) {
    const DropCase cases[] = {
        {"23 right of center 1", 3, 323, 200, 1, DropRow::Center, 0},
        {"24 right of center 1", 3, 324, 200, -1, DropRow::None, 0},
        {"23 left of center 2", 3, 359, 200, 2, DropRow::Center, 0},
        {"32 below center 3", 3, 464, 232, 3, DropRow::Center, 0},
        {"33 below center 3", 3, 464, 233, -1, DropRow::None, 0},
        {"32 above center 4", 3, 546, 168, 4, DropRow::Center, 0},
        {"33 above center 4", 3, 546, 167, -1, DropRow::None, 0},
        {"23 beside hold 8", 2, 283, 700, 8, DropRow::Human, 0},
        {"24 beside hold 8", 2, 284, 700, -1, DropRow::None, 0},
        {"32 above hold 9", 2, 340, 668, 9, DropRow::Human, 0},
        {"48 above hand 5", 3, 420, 352, 5, DropRow::Human, 0},
        {"49 above hand 5", 3, 420, 351, -1, DropRow::None, 0},
        {"96 below hand 5", 3, 420, 496, 5, DropRow::Human, 0},
        {"97 below hand 5", 3, 420, 497, -1, DropRow::None, 0},
        {"35 beside hand 6", 3, 535, 400, 6, DropRow::Human, 0},
        {"36 beside hand 6", 3, 536, 400, -1, DropRow::None, 0},
    };
    ExpectDrops(cases);
}

TEST(DropTarget, WhoMayGoWhere) {
    const DropCase cases[] = {
        {"a hand card back on its own place", 3, 265, 405, -1, DropRow::None, 0},
        {"a hand card on the side pile", 2, 100, 400, -1, DropRow::None, 0},
        {"the side card on hold 8", 1, 260, 700, -1, DropRow::None, 4},
        {"the side card on a hand card", 1, 260, 420, -1, DropRow::None, 4},
        {"the side card on a center", 1, 300, 200, 1, DropRow::Center, 0},
        {"a hold top on another hold", 7, 340, 700, -1, DropRow::None, 2},
        {"a hold top on its own pile", 7, 185, 700, -1, DropRow::None, 0},
        {"a hold top on a hand card", 7, 260, 400, -1, DropRow::None, 0},
        {"a hold top on a center", 8, 382, 210, 2, DropRow::Center, 0},
        {"a card dropped nowhere", 4, 700, 50, -1, DropRow::None, 0},
    };
    ExpectDrops(cases);
}

TEST(DropTarget, CentersBeforeHoldsAndTheLowestHoldWins) {
    DropScene s = Scene(2, 550, 200);
    s.human[9] = {555, 205, true};  // hold 9 lies on center 4
    EXPECT_EQ(DropTarget(s).target, 4);
    EXPECT_EQ(DropTarget(s).row, DropRow::Center);

    s = Scene(2, 300, 700);
    s.human[8] = {310, 700, true};
    s.human[10] = {290, 700, true};
    s.human[9] = {300, 700, true};
    EXPECT_EQ(DropTarget(s).target, 8);
}

TEST(DropTarget, HandPlacesWithoutACardAndMissingCentersDoNotCount) {
    DropScene s = Scene(3, 420, 400);
    s.human[5].present = false;
    EXPECT_EQ(DropTarget(s).target, -1);

    s = Scene(2, 546, 200);
    s.numCenters = 3;
    EXPECT_EQ(DropTarget(s).target, -1);
}

TEST(HomePath, StepsOfSixtyPixelsEndingAtHome) {
    const std::vector<PixelPoint> path = HomePath(200, 100, 50, 100);
    const std::vector<PixelPoint> want = {{200, 100}, {140, 100}, {80, 100}, {50, 100}};
    EXPECT_EQ(path, want);
    // The longer axis sets the steps; the other follows in proportion, rounded half up.
    const std::vector<PixelPoint> diagonal = HomePath(0, 0, 90, -45);
    const std::vector<PixelPoint> wantDiagonal = {{0, 0}, {60, -30}, {90, -45}};
    EXPECT_EQ(diagonal, wantDiagonal);
}

TEST(HomePath, InterpolationRoundsHalfUp) {
    EXPECT_EQ(InterpolatePoint(0, 0, 3, 1, 0.5f), (PixelPoint{2, 1}));
    EXPECT_EQ(InterpolatePoint(0, 0, -3, -1, 0.5f), (PixelPoint{-1, 0}));
    EXPECT_EQ(InterpolatePoint(10, 10, 0, 0, 0.25f), (PixelPoint{8, 8}));
}

}  // namespace
