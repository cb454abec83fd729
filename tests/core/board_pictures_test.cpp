#include <gtest/gtest.h>

#include "board/avatar_fit.h"
#include "board/background_choice.h"
#include "board/flash_sequence.h"
#include "board/hold_row.h"

TEST(Backgrounds, CycleWrapsThroughThePlainMatBothWays) {
    EXPECT_EQ(NextBackgroundIndex(3, 3, 40), 4);  // Down: the plain mat colour
    EXPECT_EQ(NextBackgroundIndex(4, 3, 40), 1);
    EXPECT_EQ(NextBackgroundIndex(2, 3, 32), 3);  // the menu's next background
    EXPECT_EQ(NextBackgroundIndex(1, 3, 38), 4);  // Up
    EXPECT_EQ(NextBackgroundIndex(0, 0, 40), 1);  // no pictures: only the mat colour
    EXPECT_EQ(NextBackgroundIndex(1, 0, 38), 1);
}

TEST(Backgrounds, OnlyIndexesOfPicturesLoadAFile) {
    EXPECT_FALSE(BackgroundIsPicture(0, 3));
    EXPECT_TRUE(BackgroundIsPicture(1, 3));
    EXPECT_TRUE(BackgroundIsPicture(3, 3));
    EXPECT_FALSE(BackgroundIsPicture(4, 3));
}

TEST(Avatars, FitKeepsProportionsWithTheThresholdAt082) {
    EXPECT_EQ(FitAvatar(120, 120, 64, 64), (AvatarSize{120, 120}));
    EXPECT_EQ(FitAvatar(120, 120, 100, 82), (AvatarSize{146, 120}));  // 120 * 100 / 82
    EXPECT_EQ(FitAvatar(120, 120, 200, 100), (AvatarSize{120, 60}));
    EXPECT_EQ(FitAvatar(120, 120, 0, 0), (AvatarSize{120, 120}));  // unreadable picture
}

TEST(Avatars, BoxByPlayersAndScreenWidth) {
    const AvatarBox four = AvatarBoxFor(4, 12000, 230);
    EXPECT_EQ(four.width, 110);
    EXPECT_EQ(four.left, 2);
    EXPECT_EQ(four.top, 230);
    EXPECT_FALSE(four.atRightEdge);
    const AvatarBox three = AvatarBoxFor(3, 12000, 230);
    EXPECT_EQ(three.width, 120);
    EXPECT_EQ(three.left, 25);
    EXPECT_FALSE(three.atRightEdge);
    EXPECT_TRUE(AvatarBoxFor(4, 15360, 230).atRightEdge);
    EXPECT_TRUE(AvatarBoxFor(2, 9600, 230).atRightEdge);
}

TEST(Flash, StylesRunForwardTwiceOrForwardAndBack) {
    std::vector<int> frames;
    for (const auto& s : FlashSteps(1)) frames.push_back(s.frame);
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 1, 2, 3, 4, 5, 6, 7}));
    frames.clear();
    const auto steps = FlashSteps(0);
    for (const auto& s : steps) frames.push_back(s.frame);
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_DOUBLE_EQ(steps[0].seconds, 0.45);
    EXPECT_DOUBLE_EQ(steps[6].seconds, 0.75);
    EXPECT_DOUBLE_EQ(steps[7].seconds, 0.25);
    EXPECT_DOUBLE_EQ(steps[12].seconds, 0.25);
    EXPECT_EQ(FlashFramesOwner("Pellor"), "Ruun");
    EXPECT_EQ(FlashFrameFile("Tessik", 3), "Tessik3.png");
}

TEST(HoldWindow, RowOverlapsEachCardAndSizesTheWindow) {
    const HoldRowLayout r = LayOutHoldRow(10, 59, 90, 4, 7, 5);
    EXPECT_EQ(r.cardLeft[1], 10);
    EXPECT_EQ(r.cardLeft[2], 65);
    EXPECT_EQ(r.cardLeft[10], 10 + 9 * 55);
    EXPECT_EQ(r.windowWidth, r.cardLeft[10] + 59 + 7);
    EXPECT_EQ(r.hideButtonLeft, r.windowWidth - 95);
    EXPECT_EQ(r.saveButtonLeft, r.hideButtonLeft - 90);
}

#include "board/flash_place.h"

TEST(Flash, PlaceAndHiddenBoxByTable) {
    FormModel f;
    ControlGeom center;
    center.Left = 300;
    center.Top = 120;
    center.Width = 182;
    f.Controls["imgCenter"] = center;
    ControlGeom remark;
    remark.Top = 200;
    f.Controls[ControlKey("Label9", 2)] = remark;
    const FlashPlace four = FlashPosition(f, 4, 4);
    EXPECT_EQ(four.x, 482);
    EXPECT_NEAR(four.y, 200 - 220 / 15.0, 1e-9);
    EXPECT_EQ(four.hiddenName, "Picture7");
    const FlashPlace twoFour = FlashPosition(f, 2, 4);
    EXPECT_EQ(twoFour.y, 120);
    EXPECT_EQ(twoFour.hiddenName, "");
    const FlashPlace twoThree = FlashPosition(f, 2, 3);
    EXPECT_EQ(twoThree.x, 0);
    EXPECT_EQ(twoThree.hiddenName, "PicCenter");
}

TEST(Flash, ANewGameWithAnotherPlayerOnTurnEndsTheShow) {
    Game g;
    EXPECT_FALSE(FlashInterrupted(g));
    g.CurSideCount = 20;
    g.Pturn = 1;
    EXPECT_FALSE(FlashInterrupted(g));
    g.Pturn = 3;
    EXPECT_TRUE(FlashInterrupted(g));
}

TEST(AnimationBuffers, SidePileStripsAre80HighWithSmallCardsOrCrowdedNarrowTables) {
    EXPECT_EQ(BoardStrips(1, 0, 2, 12000, 5, 400, 800, 600)[0].height, 96);
    EXPECT_EQ(BoardStrips(1, 2, 2, 15360, 5, 400, 800, 600)[0].height, 80);
    EXPECT_EQ(BoardStrips(1, 0, 3, 12000, 5, 400, 800, 600)[1].height, 80);
    const auto rows = BoardStrips(1, 0, 4, 15360, 5, 400, 800, 600);
    EXPECT_EQ(rows[0].destX, 150);
    EXPECT_EQ(rows[0].width, 648);
    EXPECT_EQ(rows[1].destY, 400);
    EXPECT_TRUE(BoardStrips(7, 0, 3, 12000, 0, 0, 800, 600)[0].ontoStock);
    EXPECT_EQ(BoardStrips(7, 0, 3, 12000, 0, 0, 800, 600)[0].width, 59);
    EXPECT_EQ(BoardStrips(0, 0, 3, 12000, 0, 0, 800, 600)[0].height, 600);
}
