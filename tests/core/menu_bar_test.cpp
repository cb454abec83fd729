#include "mainwindow/menu_bar.h"

#include <gtest/gtest.h>

TEST(MenuBar, PressesAtTheEdgesOfTheTitleBands) {
    struct Case {
        int x, y;
        BarHit hit;
        int menu;
    } const cases[] = {
        {31, 30, BarHit::Title, 1},    {30, 30, BarHit::Between, 0},  {182, 30, BarHit::Title, 1},
        {183, 30, BarHit::Between, 0}, {190, 30, BarHit::Between, 0}, {195, 30, BarHit::Title, 2},
        {334, 30, BarHit::Title, 2},   {335, 30, BarHit::Between, 0}, {348, 30, BarHit::Title, 3},
        {490, 30, BarHit::Title, 3},   {491, 30, BarHit::Between, 0}, {500, 30, BarHit::Title, 4},
        {648, 30, BarHit::Title, 4},   {649, 30, BarHit::Between, 0}, {100, 21, BarHit::Outside, 0},
        {100, 22, BarHit::Title, 1},   {100, 59, BarHit::Title, 1},   {100, 60, BarHit::Outside, 0},
    };
    for (const Case& c : cases) {
        const BarPress p = PressOnBar(c.x, c.y);
        EXPECT_EQ(p.hit, c.hit) << c.x << "," << c.y;
        EXPECT_EQ(p.menu, c.menu) << c.x << "," << c.y;
    }
}

TEST(MenuBar, DrawnBarHoldsEveryBand) {
    EXPECT_GE(menu_bar::kWidth, 649);
    EXPECT_GE(menu_bar::kHeight, 60);
}

TEST(MenuBar, StripAboveTheTitlesAndLeftMarginCloseTheList) {
    EXPECT_TRUE(ClosesDropDown(300, 22));
    EXPECT_FALSE(ClosesDropDown(300, 23));
    EXPECT_TRUE(ClosesDropDown(9, 40));
    EXPECT_FALSE(ClosesDropDown(10, 40));
}

TEST(MenuBar, DropDownPlaces) {
    EXPECT_EQ(DropDownLeftTwips(1, 0, false), 400);
    EXPECT_EQ(DropDownLeftTwips(1, 1, true), 600);
    EXPECT_EQ(DropDownLeftTwips(2, 0, false), 2850);
    EXPECT_EQ(DropDownLeftTwips(3, 0, true), 4100);
    EXPECT_EQ(DropDownLeftTwips(4, 0, false), 7550);
    EXPECT_EQ(DropDownLeftTwips(4, 0, true), 6000);
}

TEST(MenuBar, TopEdgeBandCountsOncePerVisit) {
    RevealBand band;
    // Moves along the top edge, away and back: two entries.
    const int ys[] = {40, 4, 2, 0, 4, 5, 30, 3, 1};
    int entries = 0;
    for (int y : ys) entries += band.Entered(y) ? 1 : 0;
    EXPECT_EQ(entries, 2);
}

TEST(MenuBar, AnimationStopsOnlyWhenThePointerLeavesItsBand) {
    AnimationPointerWatch watch;
    EXPECT_FALSE(watch.Left(200));  // first seen
    EXPECT_FALSE(watch.Left(209));
    EXPECT_FALSE(watch.Left(191));
    EXPECT_TRUE(watch.Left(210));
    EXPECT_FALSE(watch.Left(100));  // a new band from here
    EXPECT_TRUE(watch.Left(90));
}
