#include "board/clear_box.h"

#include <gtest/gtest.h>

// The largest part of a box clear of its neighbours, worked out by hand.
TEST(ClearBox, KeepsTheLargestPartClearOfEveryNeighbour) {
    struct Case {
        const char* what;
        std::vector<BoxRect> others;
        double gap;
        BoxRect expected;
    };
    const BoxRect box{0, 0, 100, 60};
    const Case cases[] = {
        {"a neighbour beside it", {{100, 0, 10, 10}}, 0, box},
        {"a row across its bottom, two pixels off", {{-10, 40, 200, 20}}, 2, {0, 0, 100, 38}},
        {"a frame at its right, two pixels off", {{80, -10, 50, 100}}, 2, {0, 0, 78, 60}},
        {"a label in its top left corner: the wider part", {{0, 0, 20, 10}}, 0, {0, 10, 100, 50}},
        {"a pile over the top middle and a row below",
         {{30, 0, 10, 20}, {0, 50, 100, 20}},
         0,
         {0, 20, 100, 30}},
        {"a picture over all of it", {{-5, -5, 200, 200}}, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) EXPECT_EQ(ClearOf(box, c.others, c.gap), c.expected) << c.what;
}
