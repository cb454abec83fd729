// The labels, the Deal button and the icon in the three arrangements: four centers with three
// or four players, four centers with two, three centers.
#include <gtest/gtest.h>

#include "tests/core/layout_fixture.h"

namespace {

struct Spot {
    const char* name;
    int index;
    double left, top, width;  // width < 0: not checked
};

struct LabelCase {
    const char* title;
    int players, centers, mode, screen;
    std::vector<Spot> spots;
};

class PlaceLabels : public ::testing::TestWithParam<LabelCase> {};

TEST_P(PlaceLabels, PutsEachControlInItsPlace) {
    const LabelCase& c = GetParam();
    const TableLayout t = FreshTable(c.players, c.centers, c.mode, c.screen);
    for (const Spot& s : c.spots) {
        SCOPED_TRACE(ControlKey(s.name, s.index));
        const ControlGeom& g = t.Ctl(s.name, s.index);
        EXPECT_NEAR(g.Left, s.left, 1e-9);
        EXPECT_NEAR(g.Top, s.top, 1e-9);
        if (s.width >= 0) {
            EXPECT_NEAR(g.Width, s.width, 1e-9);
        }
    }
}

std::string Title(const ::testing::TestParamInfo<LabelCase>& info) {
    return info.param.title;
}

INSTANTIATE_TEST_SUITE_P(
    ThreeCases, PlaceLabels,
    ::testing::Values(
        // Center block at 126,213 behind the picture at 111,197 (182 x 227).
        LabelCase{"FourCentersFourPlayersWide",
                  4,
                  4,
                  0,
                  kScreen1024,
                  // The notice stands clear of the second center's King value (293 to 318).
                  {{"Label9", 0, 308 + 25, 197, -1},
                   {"LblWild", 2, 293, 213, -1},
                   {"Label9", 1, 3, 424, 318.5},
                   {"Label9", 2, 428, 193, 374},
                   {"imgIcon", -1, 396, 193, -1},
                   {"cmdDeal", -1, 299, 274, -1},
                   {"LabelPeek", -1, 299, 302, -1}}},
        // At 12000 twips the line follows the small stock's frame (20,332, 69 x 90) on the
        // left, right of the turn marker, and is narrower.
        LabelCase{"FourCentersThreePlayersAt12000",
                  3,
                  4,
                  0,
                  kScreen800,
                  {{"Label9", 1, 20 + 34.5 - 16 + 32, 332 + 90, 254.8}}},
        LabelCase{"FourCentersThreePlayersAt12001", 3, 4, 0, 12001, {{"Label9", 1, 3, 424, 318.5}}},
        // Center block at 225,153 behind the picture at 210,137.
        LabelCase{"FourCentersTwoPlayersWide",
                  2,
                  4,
                  0,
                  kScreen1024,
                  {{"Label9", 0, 306, 120, -1},
                   {"Label9", 1, 3, 392, 182},
                   {"LabelPeek", -1, 3, 290.5, -1},
                   {"Label9", 2, 6, 133, 200},
                   {"cmdDeal", -1, 398, 241, -1},
                   {"imgIcon", -1, 28, 101, -1}}},
        LabelCase{
            "FourCentersTwoPlayersAt12287", 2, 4, 0, 12287, {{"Label9", 1, 3, 137 + 227, 202}}},
        // Small cards: the two-player table is scaled to four fifths; the line goes under the
        // (stretched) center picture, 20 wider than it.
        LabelCase{"FourCentersTwoPlayersSmallWide",
                  2,
                  4,
                  2,
                  kScreen1024,
                  {{"Label9", 1, 3, 137 * 0.8 + 181.6, 165.6}}},
        // Center row at 33,202 behind the picture at 18,186 (260 x 125).
        LabelCase{"ThreeCentersNarrow",
                  2,
                  3,
                  0,
                  kScreen800,
                  {{"Label9", 0, 113, 186 + 125 + 34, -1},
                   {"Label9", 1, 6, 311, 260},
                   {"Label9", 2, 20, 6 + 96 + 15, 258},
                   {"LabelPeek", -1, 486 + 71, 392, -1},
                   {"cmdDeal", -1, 193, 392 - 56, -1},
                   {"imgIcon", -1, 28, 117 - 32, -1}}},
        LabelCase{"ThreeCentersWide",
                  2,
                  3,
                  0,
                  kScreen1024,
                  {{"imgIcon", -1, 28, 202, -1}, {"cmdDeal", -1, 168 + 160, 336, -1}}},
        // Small cards scale the two-player table to four fifths: the Deal button stays above
        // the scaled hand row (392 x 0.8, rounded) and the Peek label level with it.
        LabelCase{"ThreeCentersSmallWide",
                  2,
                  3,
                  2,
                  kScreen1024,
                  {{"cmdDeal", -1, (168 + 160) * 0.8, 314 - 2 * 28 * 0.8, -1},
                   {"LabelPeek", -1, (346 + 320) * 0.8 + 59, 314, -1}}}),
    Title);

TEST(PlaceLabelsNames, OpponentNameUnderTheSidePile) {
    const TableLayout two = FreshTable(2, 3, 0, kScreen1024);
    EXPECT_DOUBLE_EQ(two.Ctl("Label9", 4).Top, 6 + 96);
    EXPECT_DOUBLE_EQ(two.Ctl("Label9", 3).Top, 392 + 96 + 6);
    for (int mode : {0, 1, 2, 3}) {
        const TableLayout four = FreshTable(4, 4, mode, kScreen1024);
        EXPECT_DOUBLE_EQ(four.Ctl("Label9", 4).Top, 5 + 80) << mode;
        EXPECT_DOUBLE_EQ(four.Ctl("Label9", 5).Top, 5 + 80) << mode;
        EXPECT_DOUBLE_EQ(four.Ctl("Label9", 6).Left, 664 - 57) << mode;
    }
}

// Each opponent's hold piles carry that player's name, also a player who joined over the
// Internet; a seat still waiting for its player has no name in the caption.
TEST(PlaceLabelsNames, EachOpponentsHoldPilesCarryItsName) {
    Game g;
    g.Opp[1].Name = "Ann";
    g.Opp[2].Name = "Bob";
    g.Opp[3].Name = "";
    TableLayout four = FreshTable(4, 4, 0, kScreen1024);
    four.Show_PlayerNames(g);
    EXPECT_EQ(four.Ctl("Label3", 0).Caption, "Your HOLD piles -right click to see hidden cards");
    EXPECT_EQ(four.Ctl("Label3", 1).Caption, "Ann's HOLD piles -right click to see hidden cards");
    EXPECT_EQ(four.Ctl("Label3", 2).Caption, "Bob's HOLD piles -right click to see hidden cards");
    EXPECT_EQ(four.Ctl("Label3", 3).Caption, "HOLD piles -right click to see hidden cards");
}

// The Internet game's notices stand in the corner over the status bar, 4 in from the window's
// right edge and the bar, clear of every name, message, frame and button shown before a deal.
void ExpectNoticeClear(int screen, int players, int centers, int mode, double left, double top) {
    SCOPED_TRACE(testing::Message() << screen << " twips, " << players << " players, " << centers
                                    << " centers, mode " << mode);
    const TableLayout t = FreshTable(players, centers, mode, screen);
    const ControlGeom& notice = t.Ctl("StatusMsg");
    EXPECT_EQ(notice.Left, left);
    EXPECT_EQ(notice.Top, top);
    EXPECT_EQ(notice.Width, 220);
    EXPECT_EQ(notice.Height, 112);
    const std::pair<const char*, int> others[] = {
        {"Label9", 0},  {"Label9", 1},    {"Label9", 2},     {"Label9", 3},   {"Label9", 4},
        {"Label9", 5},  {"Label9", 6},    {"Label3", 0},     {"Label3", 1},   {"Label3", 2},
        {"Label3", 3},  {"cmdDeal", -1},  {"LabelPeek", -1}, {"imgIcon", -1}, {"ImgAvatar", -1},
        {"Label1", -1}, {"lblRules", -1}, {"lblLevel", -1}};
    for (const auto& [name, index] : others) {
        if (!t.Form().IsLoaded(name, index)) continue;
        const ControlGeom& o = t.Ctl(name, index);
        const bool meets = notice.Left < o.Left + o.Width && o.Left < notice.Left + notice.Width &&
                           notice.Top < o.Top + o.Height && o.Top < notice.Top + notice.Height;
        EXPECT_FALSE(meets) << ControlKey(name, index);
    }
}

TEST(PlaceStatusNotice, StandsInTheCornerClearOfTheTableLabels) {
    // Window heights 570 with the rows down, 530 with them up; small cards shrink the
    // two-player table to 476 and the others to 527 (514 with the rows up).
    const int tops[3][4] = {{432, 392, 338, 338}, {432, 392, 389, 376}, {432, 392, 389, 376}};
    for (int players = 2; players <= 4; ++players) {
        for (int centers : {3, 4}) {
            for (int mode = 0; mode <= 3; ++mode) {
                const int top = tops[players - 2][mode];
                ExpectNoticeClear(kScreen1024, players, centers, mode, 800, top);
                ExpectNoticeClear(kScreen800, players, centers, mode, 576, top);
            }
        }
    }
}

// A window made smaller (or larger) than the default takes the notice to its own corner.
TEST(PlaceStatusNotice, FollowsAResizedWindowToItsCorner) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    t.Form().Width = 900;
    t.Form().Height = 500;
    t.PlaceStatusNotice();
    EXPECT_EQ(t.Ctl("StatusMsg").Left, 900 - 220 - 4);
    EXPECT_EQ(t.Ctl("StatusMsg").Top, 500 - 22 - 112 - 4);
}

}  // namespace

// The remark box as the window shows it (drawn whole on the mat colour with the font backdrop)
// covers no pile, no center block and no hold frame on any table, whether laid out fresh or
// re-laid from another count of players, and keeps room for two lines of text.
TEST(RemarkBox, StandsClearOfThePilesOnEveryTable) {
    const std::pair<int, int> tables[] = {{2, 3}, {2, 4}, {3, 4}, {4, 4}};
    const auto covered = [](const TableLayout& t) {
        const BoxRect r = t.RemarkBox();
        std::string hit;
        for (const auto& [key, c] : t.Form().Controls) {
            const bool pile = key.rfind("Picture", 0) == 0 && key != "Picture1_0";
            const bool place = key.rfind("PicCenter_", 0) == 0 || key == "imgCenter" ||
                               key.rfind("Label3_", 0) == 0;
            if ((pile || place) && r.Overlaps({c.Left, c.Top, c.Width, c.Height})) hit += key + " ";
        }
        return hit;
    };
    for (int screen : {9600, kScreen800, kScreen1024, 19200, 28800})
        for (int mode = 0; mode <= 3; ++mode)
            for (const auto& [players, centers] : tables)
                for (const auto& [fromPlayers, fromCenters] : tables) {
                    SCOPED_TRACE(::testing::Message()
                                 << screen << " mode " << mode << ": " << fromPlayers << "x"
                                 << fromCenters << " to " << players << "x" << centers);
                    TableLayout t = FreshTable(fromPlayers, fromCenters, mode, screen);
                    const Game g = TableGame(players, centers);
                    t.Setup_Layout(g, fromPlayers, fromCenters);
                    t.Reset_Table(g);
                    EXPECT_EQ(covered(t), "");
                    EXPECT_GE(t.RemarkBox().width, 110);
                    EXPECT_GE(t.RemarkBox().height, 29);
                }
}
