#include "records/tutorial_pointers.h"

#include <gtest/gtest.h>

#include "layout_fixture.h"

TEST(TutorialPointers, StandBesideOrUnderWhatTheyPointAt) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    const ControlGeom& up = t.Ctl("imgTipUp");
    const ControlGeom& tip = t.Ctl("imgTip");
    EXPECT_FALSE(up.Visible);
    EXPECT_FALSE(tip.Visible);

    // Hand card 3 of the wide two-player row: 346 + 80 from the left, 392 from the top.
    PointAtPile(t, 3);
    EXPECT_TRUE(up.Visible);
    EXPECT_EQ(up.Left, 346 + 80 + 10);
    EXPECT_EQ(up.Top, 392 + 96);

    PointAtPile(t, 8);
    EXPECT_TRUE(tip.Visible);
    EXPECT_EQ(tip.Left, t.Ctl("Label3", 0).Left - 32);
    EXPECT_EQ(tip.Top, 273 + 32 + 35);

    PointAtCenterArea(t);
    EXPECT_EQ(tip.Left + tip.Width, t.Ctl("imgCenter").Left);
    EXPECT_EQ(tip.Top + tip.Height / 2, t.Ctl("imgCenter").Top + t.Ctl("imgCenter").Height / 2);

    TableLayout narrow = FreshTable(2, 3, 0, 12200);
    PointAtCenterArea(narrow);
    EXPECT_GE(narrow.Ctl("imgTip").Left, 0);

    PointAtSideStack(t);
    EXPECT_EQ(tip.Left + tip.Width, t.Ctl("Stack", 20).Left);
    EXPECT_EQ(tip.Top, 392 + 32);

    HideTutorialPointers(t, true);
    EXPECT_FALSE(up.Visible);
    EXPECT_TRUE(tip.Visible);
    TutorialPointersToFront(t);
    EXPECT_TRUE(tip.Front);
    HideTutorialPointers(t);
    EXPECT_FALSE(tip.Visible);
    PointAtPile(t, 11);
    PointAtPile(t, 0);
    EXPECT_FALSE(up.Visible || tip.Visible);
}
