// Pile coordinates of every table: two players wide and narrow with three and four centers,
// three and four players with their fanned opponent rows.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/core/layout_fixture.h"

namespace {

struct CoordCase {
    int players, centers, screen;
    int holdLeft, handLeft, oppSideLeft, oppSideTop, centerTop, centerLeft;
};

class CoordTable : public ::testing::TestWithParam<CoordCase> {};

TEST_P(CoordTable, SetsRowsCentersAndOpponentSidePile) {
    const CoordCase c = GetParam();
    const TableLayout t = FreshTable(c.players, c.centers, 0, c.screen);
    EXPECT_EQ(t.HoldRowLeft, c.holdLeft);
    EXPECT_EQ(t.HoldRowTop, 273);
    EXPECT_EQ(t.HandRowLeft, c.handLeft);
    EXPECT_EQ(t.HandRowTop, 392);
    EXPECT_EQ(t.OppSideLeft, c.oppSideLeft);
    EXPECT_EQ(t.OppSideTop, c.oppSideTop);
    EXPECT_EQ(t.CenterTop, c.centerTop);
    EXPECT_EQ(t.CenterLeft, c.centerLeft);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture1", 1).Left, c.oppSideLeft);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture1", 1).Top, c.oppSideTop);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 7).Left, c.holdLeft);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 2).Left, c.handLeft);
    EXPECT_DOUBLE_EQ(t.Ctl("PicCenter", 1).Left, c.centerLeft);
    EXPECT_DOUBLE_EQ(t.Ctl("PicCenter", 1).Top, c.centerTop);
}

INSTANTIATE_TEST_SUITE_P(EveryCase, CoordTable,
                         ::testing::Values(CoordCase{2, 3, kScreen1024, 480, 346, 231, 6, 202, 168},
                                           CoordCase{2, 4, kScreen1024, 480, 346, 231, 6, 153, 225},
                                           CoordCase{2, 3, kScreen800, 300, 166, 151, 6, 202, 33},
                                           CoordCase{2, 4, kScreen800, 400, 266, 151, 6, 153, 166},
                                           CoordCase{2, 4, 12287, 400, 266, 151, 6, 153, 166},
                                           CoordCase{2, 4, 12288, 480, 346, 231, 6, 153, 225},
                                           CoordCase{3, 4, kScreen800, 433, 433, 250, 5, 213, 126},
                                           CoordCase{3, 4, kScreen1024, 433, 433, 250, 5, 213, 126},
                                           CoordCase{4, 4, kScreen800, 433, 433, 63, 5, 213, 126},
                                           CoordCase{4, 4, kScreen1024, 433, 433, 80, 5, 213,
                                                     126}));

std::vector<double> Lefts(const TableLayout& t, const char* row, int from, int to) {
    std::vector<double> v;
    for (int k = from; k <= to; ++k) v.push_back(t.Ctl(row, k).Left);
    return v;
}

TEST(PileRows, TwoPlayersOn800PixelsWithThreeCenters) {
    const TableLayout t = FreshTable(2, 3, 0, kScreen800);
    EXPECT_EQ(Lefts(t, "Picture7", 2, 6), (std::vector<double>{166, 246, 326, 406, 486}));
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 1).Left, 77.25);
    EXPECT_EQ(Lefts(t, "Picture7", 7, 10), (std::vector<double>{300, 380, 460, 540}));
    EXPECT_EQ(Lefts(t, "Picture1", 2, 6), (std::vector<double>{240, 320, 400, 480, 560}));
    EXPECT_EQ(Lefts(t, "Picture1", 7, 10), (std::vector<double>{300, 380, 460, 540}));
    EXPECT_DOUBLE_EQ(t.Ctl("Picture1", 7).Top, 128);
    EXPECT_EQ(Lefts(t, "PicCenter", 1, 3), (std::vector<double>{33, 113, 193}));
    for (int k = 1; k <= 3; ++k) EXPECT_DOUBLE_EQ(t.Ctl("PicCenter", k).Top, 202);
}

TEST(PileRows, NarrowTwoPlayerOpponentHoldRowFollowsFourCenters) {
    // Between 12001 and 12287 twips the narrow rows are used; the opponent's hold piles must
    // all move with the first one.
    const TableLayout t = FreshTable(2, 4, 0, 12100);
    EXPECT_EQ(Lefts(t, "Picture1", 7, 10), (std::vector<double>{400, 480, 560, 640}));
}

TEST(PileRows, ThreePlayersHumanRow) {
    const TableLayout t = FreshTable(3, 4, 0, kScreen1024);
    EXPECT_EQ(Lefts(t, "Picture7", 2, 6), (std::vector<double>{433, 505, 577, 649, 721}));
    EXPECT_EQ(Lefts(t, "Picture7", 7, 10), (std::vector<double>{433, 513, 593, 673}));
}

TEST(PileRows, HoldFramesByRowSize) {
    const TableLayout two = FreshTable(2, 3, 0, kScreen1024);
    const TableLayout four = FreshTable(4, 4, 0, kScreen1024);
    for (const TableLayout* t : {&two, &four}) {
        EXPECT_DOUBLE_EQ(t->Ctl("Label3", 0).Width, 324);
        EXPECT_DOUBLE_EQ(t->Ctl("Label3", 0).Height, 112);
    }
    EXPECT_DOUBLE_EQ(two.Ctl("Label3", 1).Width, 324);
    EXPECT_DOUBLE_EQ(two.Ctl("Label3", 1).Height, 112);
    for (int p = 1; p <= 3; ++p) {
        EXPECT_DOUBLE_EQ(four.Ctl("Label3", p).Width, 256);
        EXPECT_DOUBLE_EQ(four.Ctl("Label3", p).Height, 90);
        EXPECT_DOUBLE_EQ(four.Ctl("Label3", p).Top, four.Ctl("Picture1", 7).Top - 5);
    }
}

struct RowStartCase {
    int players, screen;
    double p2, p3, p4;  // 0: no such row
};

class OpponentRows : public ::testing::TestWithParam<RowStartCase> {};

TEST_P(OpponentRows, StartAndFanEachRow) {
    const RowStartCase c = GetParam();
    // As laid out; the reset before a deal puts player 2's first hand card back to the row's top.
    const TableLayout t = FreshTable(c.players, 4, 0, c.screen, false);
    const std::pair<const char*, double> rows[] = {
        {"Picture1", c.p2}, {"Picture2", c.p3}, {"Picture3", c.p4}};
    for (const auto& [row, start] : rows) {
        if (start == 0) {
            EXPECT_FALSE(t.Form().IsLoaded(row, 2)) << row;
            continue;
        }
        SCOPED_TRACE(row);
        EXPECT_DOUBLE_EQ(t.Ctl(row, 1).Left, start);
        EXPECT_DOUBLE_EQ(t.Ctl(row, 1).Top, 5);
        // Hand fanned a quarter of a small card apart, each 3 lower.
        for (int k = 2; k <= 6; ++k) {
            EXPECT_DOUBLE_EQ(t.Ctl(row, k).Left, std::nearbyint(start + 29.5 + 10) + (k - 1) * 15);
            EXPECT_DOUBLE_EQ(t.Ctl(row, k).Top, 5 + 3 * (k - 1));
        }
        // Hold piles a normal card's height below the first hand card (the table is laid out
        // with normal cards), from the band's left end, 69 apart: clear of the fanned hand and
        // of the player's name under the side pile.
        EXPECT_DOUBLE_EQ(t.Ctl(row, 7).Left, start - 57);
        const ControlGeom& name = t.Ctl("Label9", row[7] - '1' + 4);
        EXPECT_LE(name.Top + name.Height, t.Ctl(row, 7).Top);
        EXPECT_LE(t.Ctl(row, 6).Top + t.Ctl(row, 6).Height, t.Ctl(row, 7).Top);
        for (int k = 7; k <= 10; ++k) {
            EXPECT_DOUBLE_EQ(t.Ctl(row, k).Top, 8 + 96);
            if (k > 7) {
                EXPECT_DOUBLE_EQ(t.Ctl(row, k).Left - t.Ctl(row, k - 1).Left, 69);
            }
        }
        // The row stays on the table.
        EXPECT_LE(t.Ctl(row, 10).Left + t.Ctl(row, 10).Width, c.screen / 15);
    }
}

INSTANTIATE_TEST_SUITE_P(ThreeAndFour, OpponentRows,
                         ::testing::Values(RowStartCase{3, kScreen800, 250, 580, 0},
                                           RowStartCase{3, kScreen1024, 250, 580, 0},
                                           RowStartCase{4, kScreen800, 63, 326, 590},
                                           RowStartCase{4, kScreen1024, 80, 375, 664}));

TEST(CenterBlock, PilesStandCloserWithSmallCards) {
    const TableLayout normal = FreshTable(4, 4, 0, kScreen1024);
    const TableLayout small = FreshTable(4, 4, 2, kScreen1024);
    const auto gaps = [](const TableLayout& t) {
        const ControlGeom& p1 = t.Ctl("PicCenter", 1);
        return std::pair{t.Ctl("PicCenter", 2).Left - (p1.Left + t.CardWidthPx),
                         t.Ctl("PicCenter", 3).Top - (p1.Top + t.CardHeightPx)};
    };
    EXPECT_EQ(gaps(normal), (std::pair<double, double>{10, 6}));
    EXPECT_EQ(gaps(small), (std::pair<double, double>{8, 4}));
}

}  // namespace
