// The depth bands behind the side piles, the card back on the human's band and the table's
// look after the reset before a deal.
#include <gtest/gtest.h>

#include "tests/core/layout_fixture.h"

namespace {

std::vector<int> VisibleShapes(const TableLayout& t, int first, int last) {
    std::vector<int> v;
    for (int s = first; s <= last; ++s)
        if (t.Form().IsLoaded("Stack", s) && t.Ctl("Stack", s).Visible) v.push_back(s);
    return v;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> v;
    for (int s = first; s <= last; ++s) v.push_back(s);
    return v;
}

struct BandCase {
    int sidePileSize;  // cards minus one
    int firstVisible;  // 26: none
};

class DepthBand : public ::testing::TestWithParam<BandCase> {};

TEST_P(DepthBand, ShowsOneShapePerCardUnderTheTop) {
    const BandCase c = GetParam();
    TableLayout t = FreshTable(3, 4, 0, kScreen1024);
    Game g = TableGame(3, 4);
    g.SidePileSize = static_cast<i16>(c.sidePileSize);
    g.HumanSideShape = static_cast<i16>(25 - c.sidePileSize);
    g.CurSideShape = static_cast<i16>(50 - c.sidePileSize);
    for (int k = 1; k <= 2; ++k)
        g.Opp[k].SideShape = static_cast<i16>(25 * (k + 1) - c.sidePileSize);
    t.ShowSideStack(g, true);
    EXPECT_EQ(VisibleShapes(t, 1, 25), Range(c.firstVisible, 25));
    EXPECT_EQ(VisibleShapes(t, 26, 50), Range(c.firstVisible + 25, 50));
    EXPECT_EQ(VisibleShapes(t, 51, 75), Range(c.firstVisible + 50, 75));
    t.ShowSideStack(g, false);
    EXPECT_TRUE(VisibleShapes(t, 1, 75).empty());
}

INSTANTIATE_TEST_SUITE_P(SidePileSizes, DepthBand,
                         ::testing::Values(BandCase{19, 7}, BandCase{25, 1}, BandCase{14, 12},
                                           BandCase{9, 17}));

TEST(DepthBandEdges, LastCardAndNoDealYet) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    Game g = TableGame(2, 3);
    t.ShowSideStack(g, true);  // CurSideShape 99: nothing before the first deal
    EXPECT_TRUE(VisibleShapes(t, 1, 50).empty());
    g.CurSideShape = 25;
    g.Opp[1].SideShape = 50;
    g.HumanSideShape = 25;
    t.ShowSideStack(g, true);
    EXPECT_TRUE(VisibleShapes(t, 1, 50).empty());
}

TEST(DepthBandEdges, ABadIndexStaysInsideItsGroup) {
    // A side-pile size of 30 from a damaged file: 25 - 30 and 50 - 30.
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    Game g = TableGame(2, 3);
    g.CurSideShape = 20;
    g.Opp[1].SideShape = 20;
    g.HumanSideShape = 25;
    t.ShowSideStack(g, true);
    EXPECT_TRUE(VisibleShapes(t, 1, 25).empty());
    EXPECT_EQ(VisibleShapes(t, 26, 50), Range(26, 50));
    g.HumanSideShape = -5;
    t.ShowSideStack(g, true);
    EXPECT_EQ(VisibleShapes(t, 1, 25), Range(1, 25));
}

TEST(DepthBandEdges, WorkingCopyStandsForItsOpponent) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    Game g = TableGame(2, 3);
    g.HumanSideShape = 25;
    g.Opp[1].SideShape = 31;
    g.CurSideShape = 45;
    g.WorkingOpp = 1;
    t.ShowSideStack(g, true);
    EXPECT_EQ(VisibleShapes(t, 26, 50), Range(46, 50));
}

TEST(DepthBandPlace, BandRunsLeftFromThePile) {
    const TableLayout t = FreshTable(4, 4, 0, kScreen1024);
    const std::pair<const char*, int> rows[] = {
        {"Picture7", 25}, {"Picture1", 50}, {"Picture2", 75}, {"Picture3", 100}};
    for (const auto& [row, base] : rows) {
        const ControlGeom& side = t.Ctl(row, 1);
        EXPECT_DOUBLE_EQ(t.Ctl("Stack", base).Left, side.Left - 3) << row;
        EXPECT_DOUBLE_EQ(t.Ctl("Stack", base - 18).Left, side.Left - 43.5) << row;
        EXPECT_DOUBLE_EQ(t.Ctl("Stack", base - 24).Left, side.Left - 57) << row;
        EXPECT_DOUBLE_EQ(t.Ctl("Stack", base - 24).Top, side.Top) << row;
        if (base > 25) {
            EXPECT_DOUBLE_EQ(t.Ctl("Label9", base / 25 + 2).Left, side.Left - 57) << row;
        }
    }
    EXPECT_DOUBLE_EQ(t.Ctl("ImgHold").Left, t.Ctl("Stack", 25).Left);
    EXPECT_EQ(t.Ctl("ImgHold").Picture, "FilePic0");
}

TEST(DepthBandPlace, HumanBandMovesNoLabel) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    const double before = t.Ctl("Label9", 4).Left;
    t.Ctl("Picture7", 1).Left = 10;
    t.PlaceSideStack(25, "Picture7");
    EXPECT_DOUBLE_EQ(t.Ctl("Stack", 25).Left, 7);
    EXPECT_DOUBLE_EQ(t.Ctl("Label9", 4).Left, before);
}

TEST(HoldImage, ShownWhileACardLiesUnderTheTop) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    Game g = TableGame(2, 3);
    for (const auto& [count, shown] : {std::pair{0, false}, {1, false}, {2, true}, {20, true}}) {
        g.HumanSideCount = static_cast<i16>(count);
        t.ShowHoldImage(g);
        EXPECT_EQ(t.Ctl("ImgHold").Visible, shown) << count;
    }
}

TEST(ResetTable, EmptiesTheRowsOfThePlayersInTheGame) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024, false);
    Game g = TableGame(2, 3);
    t.Ctl("Picture7", 3).Visible = true;
    t.Ctl("Picture7", 3).Enabled = true;
    t.Ctl("Picture7", 8).Picture = "card";
    t.Ctl("Stack", 30).Visible = true;
    t.Ctl("cmdDeal").Visible = true;
    t.Ctl("Label9", 1).Caption = "Play a card";
    t.Reset_Table(g);
    EXPECT_FALSE(t.Ctl("Picture7", 3).Visible);
    EXPECT_FALSE(t.Ctl("Picture7", 3).Enabled);
    EXPECT_EQ(t.Ctl("Picture7", 8).Picture, "EmptyPic");
    EXPECT_TRUE(t.Ctl("Picture7", 8).Visible);
    EXPECT_FALSE(t.Ctl("Stack", 30).Visible);
    EXPECT_FALSE(t.Ctl("cmdDeal").Visible);
    EXPECT_EQ(t.Ctl("Label9", 1).Caption, "");
    // Three centers: the fourth pile is not there to show.
    EXPECT_FALSE(t.Form().IsLoaded("PicCenter", 4));
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(t.Ctl("PicCenter", k).Visible);
    // Rows of absent players are left alone.
    EXPECT_FALSE(t.Form().IsLoaded("Picture2", 7));
    const LayoutRequests r = t.TakeRequests();
    EXPECT_TRUE(r.WildUpdate && r.StopIdleTimer && r.UnloadCounter);
}

TEST(ResetTable, UndoKeepsTheDrawnRows) {
    TableLayout t = FreshTable(4, 4, 0, kScreen1024);
    Game g = TableGame(4, 4);
    g.NetConnected = 2;
    g.UndoMove = VbTrue;
    t.Ctl("Picture7", 3).Visible = true;
    t.Ctl("Picture7", 3).Enabled = true;
    t.Ctl("Label9", 2).Caption = "Your move";
    t.Ctl("Stack", 80).Visible = true;
    t.Reset_Table(g);
    EXPECT_TRUE(t.Ctl("Picture7", 3).Visible);
    EXPECT_TRUE(t.Ctl("Picture7", 3).Enabled);
    EXPECT_EQ(t.Ctl("Label9", 2).Caption, "Your move");  // an Internet game keeps its lines
    EXPECT_FALSE(t.Ctl("Stack", 80).Visible);
    EXPECT_FALSE(t.TakeRequests().UnloadCounter);
}

}  // namespace
