// The stock with its frame and turn markers, the wild-count labels around the center piles,
// the player rows that come and go with the player count.
#include <gtest/gtest.h>

#include "tests/core/layout_fixture.h"

namespace {

struct StockCase {
    const char* title;
    int players, centers, mode, screen;
    double left, top, width;
};

class StockPlace : public ::testing::TestWithParam<StockCase> {};

TEST_P(StockPlace, StockFrameAndMarkers) {
    const StockCase c = GetParam();
    const TableLayout t = FreshTable(c.players, c.centers, c.mode, c.screen);
    const ControlGeom& stock = t.Ctl("PicCenter", 0);
    EXPECT_NEAR(stock.Left, c.left, 1e-9);
    EXPECT_NEAR(stock.Top, c.top, 1e-9);
    EXPECT_EQ(stock.Width, c.width);
    EXPECT_EQ(stock.Picture, c.width == 71 ? "FilePic0" : "FilePic5");
    const ControlGeom& frame = t.Ctl("Label1");
    EXPECT_DOUBLE_EQ(frame.Left, stock.Left - 5);
    EXPECT_DOUBLE_EQ(frame.Width, stock.Width + 10);
    const ControlGeom& above = t.Ctl("ImgTurn2");
    const ControlGeom& below = t.Ctl("ImgTurn1");
    EXPECT_DOUBLE_EQ(above.Top + above.Height + 7, frame.Top);
    EXPECT_DOUBLE_EQ(below.Top, frame.Top + frame.Height + 7);
    EXPECT_DOUBLE_EQ(above.Left + above.Width / 2, frame.Left + frame.Width / 2);
    // Clear of the avatar in the top right corner.
    const ControlGeom& avatar = t.Ctl("ImgAvatar");
    if (above.Left + above.Width > avatar.Left && avatar.Top == 0) {
        EXPECT_GE(above.Top, avatar.Height);
    }
}

std::string Title(const ::testing::TestParamInfo<StockCase>& info) {
    return info.param.title;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, StockPlace,
    ::testing::Values(
        // Narrow screens: beside the center block, or right of the opponent's hold frame.
        StockCase{"ThreePlayersNarrow", 3, 4, 0, kScreen800, 25, 315 + 22, 59},
        StockCase{"TwoPlayersNarrow", 2, 3, 0, kScreen800, 295 + 324 + 10, 192, 59},
        StockCase{"TwoPlayersNarrowSmall", 2, 3, 2, kScreen800, (295 + 324) * 0.8 + 59, 192 * 0.8,
                  59},
        // Wide screens: under the avatar at the window's right edge, normal cards only.
        StockCase{"TwoPlayersWide", 2, 4, 0, kScreen1024, 1024 - 120, 200, 71},
        StockCase{"TwoPlayersWideSmall", 2, 4, 2, kScreen1024, 1024 - 120, 160, 59},
        StockCase{"FourPlayersWide", 4, 4, 0, kScreen1024, 1024 - 120, 200, 71},
        StockCase{"FourPlayersJustWide", 4, 4, 0, 12001, 800 - 120, 200, 71}),
    Title);

TEST(WildLabels, AroundTheCenterBlock) {
    const TableLayout four = FreshTable(4, 4, 0, kScreen1024);
    // Block at 126,213 (piles 3 and 4 at Top 315), picture from Left 111, 182 wide.
    const double expected[5][2] = {{0, 0}, {86, 213}, {293, 213}, {86, 315}, {293, 315}};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_DOUBLE_EQ(four.Ctl("LblWild", k).Left, expected[k][0]) << k;
        EXPECT_DOUBLE_EQ(four.Ctl("LblWild", k).Top, expected[k][1]) << k;
        EXPECT_TRUE(four.Ctl("LblWild", k).Front);
    }
    const TableLayout two = FreshTable(2, 4, 0, kScreen1024);
    EXPECT_DOUBLE_EQ(two.Ctl("LblWild", 1).Left, 225 + 35.5 - 12.5);
    EXPECT_DOUBLE_EQ(two.Ctl("LblWild", 1).Top, 137 - 17);
    EXPECT_DOUBLE_EQ(two.Ctl("LblWild", 3).Left, two.Ctl("LblWild", 1).Left);
    EXPECT_DOUBLE_EQ(two.Ctl("LblWild", 3).Top, 137 + 227);
    EXPECT_DOUBLE_EQ(two.Ctl("LblWild", 2).Left, two.Ctl("LblWild", 4).Left);
    const TableLayout row = FreshTable(2, 3, 0, kScreen800);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_DOUBLE_EQ(row.Ctl("LblWild", k).Left, row.Ctl("PicCenter", k).Left + 23) << k;
        EXPECT_DOUBLE_EQ(row.Ctl("LblWild", k).Top, 186 - 17) << k;
    }
    EXPECT_FALSE(row.Form().IsLoaded("LblWild", 4));
}

TEST(CenterPicture, ByPlaceholderStyleAndCenters) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    EXPECT_EQ(t.Ctl("imgCenter").Picture, "imgCenterH");
    t.PlaceholderStyle = false;
    t.PlaceCenterArea();
    EXPECT_EQ(t.Ctl("imgCenter").Picture, "imgCenterHM");
    const TableLayout small = FreshTable(4, 4, 2, kScreen1024);
    EXPECT_EQ(small.Ctl("imgCenter").Picture, "imgCenterV");
    EXPECT_TRUE(small.Ctl("imgCenter").Stretch);
    EXPECT_DOUBLE_EQ(small.Ctl("imgCenter").Width, 145.6);
    EXPECT_DOUBLE_EQ(small.Ctl("imgCenter").Height, 181.6);
}

// The cleared board shows backs of the size the card drawing uses for each side pile, and the
// stock keeps the back its size was chosen with.
TEST(ClearBoard, SidePileBacksBySizeAndTheStockKeepsItsBack) {
    struct Case {
        int players, mode, screen;
        const char *human, *opp, *stock;
    };
    const Case cases[] = {
        {2, 0, kScreen1024, "FilePic0", "FilePic0", "FilePic0"},
        {2, 0, kScreen800, "FilePic0", "FilePic0", "FilePic5"},
        {4, 0, kScreen1024, "FilePic0", "FilePic5", "FilePic0"},
        {3, 2, kScreen1024, "FilePic5", "FilePic5", "FilePic5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.players << " players, mode " << c.mode << ", " << c.screen);
        TableLayout t = FreshTable(c.players, 4, c.mode, c.screen);
        t.ClearBoard();
        EXPECT_EQ(t.Ctl("Picture7", 1).Picture, c.human);
        EXPECT_EQ(t.Ctl("Picture1", 1).Picture, c.opp);
        EXPECT_EQ(t.Ctl("PicCenter", 0).Picture, c.stock);
        EXPECT_EQ(t.Ctl("PicCenter", 3).Picture, "EmptyPic");
    }
}

TEST(PlayerRows, ComeAndGoWithThePlayers) {
    TableLayout t = FreshTable(4, 4, 0, kScreen1024);
    EXPECT_TRUE(t.Player3Loaded && t.Player4Loaded);
    t.Setup_Layout(TableGame(3, 4), 4, 4);
    EXPECT_TRUE(t.Player3Loaded);
    EXPECT_FALSE(t.Player4Loaded);
    EXPECT_FALSE(t.Form().IsLoaded("Stack", 76));
    EXPECT_FALSE(t.Form().IsLoaded("Label9", 6));
    // Element 1 of a row stays on the form, hidden.
    EXPECT_TRUE(t.Form().IsLoaded("Picture3", 1));
    EXPECT_FALSE(t.Ctl("Picture3", 1).Visible);
    t.Setup_Layout(TableGame(2, 4), 3, 4);
    EXPECT_FALSE(t.Player3Loaded || t.Player4Loaded);
    EXPECT_FALSE(t.Form().IsLoaded("Picture2", 2));
    EXPECT_FALSE(t.Ctl("Picture2", 1).Visible);
    // Two players with four centers: the fourth pile joins the block.
    EXPECT_TRUE(t.CenterLoaded);
    EXPECT_DOUBLE_EQ(t.Ctl("PicCenter", 4).Left, 225 + 81);
    EXPECT_DOUBLE_EQ(t.Ctl("PicCenter", 4).Top, 153 + 102);
    t.Setup_Layout(TableGame(2, 3), 2, 4);
    EXPECT_FALSE(t.CenterLoaded);
    EXPECT_FALSE(t.Form().IsLoaded("PicCenter", 4));
}

TEST(PlayerRows, AFourthCenterShowsAsSoonAsItIsLaidOut) {
    // No reset follows these layouts: the table is seen as it was laid out.
    const std::tuple<int, int> cases[] = {{3, 4}, {4, 4}, {2, 4}};
    for (const auto& [players, centers] : cases) {
        TableLayout t = FreshTable(2, 3, 0, kScreen1024);
        t.Setup_Layout(TableGame(players, centers), 2, 3);
        for (int k = 1; k <= 4; ++k)
            EXPECT_TRUE(t.Ctl("PicCenter", k).Visible) << players << "x" << centers << " " << k;
    }
}

TEST(PlayerRows, CountsOutsideTheGameAreBroughtInside) {
    // Three players need four centers; a damaged count of players lays out the nearest table.
    const std::tuple<int, int, int, int> cases[] = {
        {3, 3, 3, 4}, {5, 4, 4, 4}, {1, 2, 2, 3}, {2, 7, 2, 4}, {0, 0, 2, 3}};
    for (const auto& [players, centers, laidPlayers, laidCenters] : cases) {
        TableLayout t = FreshTable(2, 3, 0, kScreen1024);
        t.Setup_Layout(TableGame(players, centers), 2, 3);
        t.Reset_Table(TableGame(players, centers));
        EXPECT_EQ(t.NumPlayers, laidPlayers) << players << "x" << centers;
        EXPECT_EQ(t.NumCenters, laidCenters) << players << "x" << centers;
        EXPECT_EQ(t.CenterLoaded, laidCenters == 4);
    }
}

TEST(PlayerRows, HoldCountLabelsOnlyOverNormalRows) {
    const TableLayout two = FreshTable(2, 4, 0, kScreen1024);
    const TableLayout four = FreshTable(4, 4, 0, kScreen1024);
    for (int j = 1; j <= 8; ++j) {
        EXPECT_TRUE(two.Ctl("lblHoldCard", j).Visible) << j;
        EXPECT_EQ(four.Ctl("lblHoldCard", j).Visible, j > 4) << j;
    }
    const ControlGeom& over = two.Ctl("lblHoldCard", 5);
    EXPECT_DOUBLE_EQ(over.Left, 480 - 1);
    EXPECT_DOUBLE_EQ(over.Top, 273 - 2);
    EXPECT_DOUBLE_EQ(over.Width, 73);
    EXPECT_DOUBLE_EQ(over.Height, 99);
}

TEST(LabelNames, DeveloperAidNamesEveryEmptyLabelAndTakesThemBackAgain) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    const FormModel before = t.Form();
    ASSERT_FALSE(before.At("LabelPeek").Visible);
    t.Toggle_LabelNames();
    EXPECT_EQ(t.Ctl("LabelPeek").Caption, "LabelPeek");
    EXPECT_EQ(t.Ctl("Label9", 1).Caption, "Label9 1");
    EXPECT_EQ(t.Ctl("Label9", 2).Caption, "Label9 2");
    EXPECT_EQ(t.Ctl("Label9", 4).Caption, "Brivo");
    EXPECT_TRUE(t.Ctl("LabelPeek").Visible);
    EXPECT_TRUE(t.Ctl("imgIcon").Visible);
    // What the game writes meanwhile stays; the rest stands as before the first press.
    t.Ctl("Label9", 2).Caption = "It's your turn...";
    t.Toggle_LabelNames();
    EXPECT_EQ(t.Ctl("Label9", 2).Caption, "It's your turn...");
    t.Ctl("Label9", 2).Caption = before.At("Label9", 2).Caption;
    EXPECT_EQ(t.Form().Controls, before.Controls);
    t.Toggle_LabelNames();
    EXPECT_EQ(t.Ctl("Label9", 1).Caption, "Label9 1");
}

TEST(LargeFonts, LongTextsLargerSideLabelsSmaller) {
    const TableLayout t(kScreen1024, true);
    EXPECT_EQ(t.Ctl("Label9", 1).FontSize, 10);
    EXPECT_EQ(t.Ctl("Label9", 2).FontSize, 10);
    EXPECT_EQ(t.Ctl("lblRules").FontSize, 8);
    EXPECT_EQ(t.Ctl("lblRules").Width, 100);
}

}  // namespace
