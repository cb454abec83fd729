// The display-mode machine: which mode each menu action leads to, the menu rows' captions and
// enabled state, the card size and the drop tolerance.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/core/layout_fixture.h"

namespace {

struct Step {
    int action;
    int mode;
    const char* moveCaption;
    bool moveEnabled;
    const char* sizeCaption;
    int cardWidth;
    int dropOffset;
};

struct MachineCase {
    const char* title;
    int players, screen;
    std::vector<Step> steps;
};

class DisplayMachine : public ::testing::TestWithParam<MachineCase> {};

TEST_P(DisplayMachine, FollowsTheMenuActions) {
    const MachineCase& c = GetParam();
    TableLayout t = FreshTable(c.players, c.players == 2 ? 3 : 4, 0, c.screen);
    int n = 0;
    for (const Step& s : c.steps) {
        SCOPED_TRACE(testing::Message() << "step " << ++n << ", action " << s.action);
        t.Change_Display(s.action);
        EXPECT_EQ(t.DisplayMode, s.mode);
        EXPECT_EQ(t.SmallDisplay, s.mode >= 2);
        EXPECT_EQ(t.Display[0].Caption, s.moveCaption);
        EXPECT_EQ(t.Display[0].Enabled, s.moveEnabled);
        EXPECT_EQ(t.Display[1].Caption, s.sizeCaption);
        EXPECT_EQ(t.CardWidthPx, s.cardWidth);
        EXPECT_EQ(t.Ctl("Picture1", 0).Width, s.cardWidth);  // the moving card
        EXPECT_EQ(t.Ctl("Picture7", 7).Width, s.cardWidth);
        EXPECT_EQ(t.DropOffset, s.dropOffset);
    }
}

constexpr const char* kUp = "Move Cards Up";
constexpr const char* kDown = "Move Cards Down";
constexpr const char* kSmaller = "Make Display Smaller";
constexpr const char* kLarger = "Make Display Larger";

std::string Title(const ::testing::TestParamInfo<MachineCase>& info) {
    return info.param.title;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, DisplayMachine,
    ::testing::Values(
        // Two players: the table is scaled with the cards, which moves the drop base to 66 and
        // then to 102.
        MachineCase{"TwoPlayers",
                    2,
                    kScreen1024,
                    {{0, 1, kDown, true, kSmaller, 71, 41},
                     {0, 0, kUp, true, kSmaller, 71, 41},
                     {0, 1, kDown, true, kSmaller, 71, 41},
                     {1, 2, kUp, false, kLarger, 59, 33},  // rows first put back down
                     {0, 3, kDown, false, kLarger, 59, 33},
                     {1, 0, kUp, true, kSmaller, 71, 51},
                     {7, 0, kUp, true, kSmaller, 71, 51}}},  // another action: common part only
        MachineCase{"FourPlayers",
                    4,
                    kScreen1024,
                    {{1, 2, kUp, false, kLarger, 59, 41},
                     {0, 3, kDown, false, kLarger, 59, 41},
                     {0, 2, kUp, false, kLarger, 59, 41},
                     {1, 0, kUp, true, kSmaller, 71, 41}}},
        // At exactly 10000 twips the rows cannot be moved up, not even after going large.
        MachineCase{"ThreePlayersAt10000",
                    3,
                    10000,
                    {{1, 2, kUp, false, kLarger, 59, 41}, {1, 0, kUp, false, kSmaller, 71, 41}}}),
    Title);

TEST(DisplayModes, DropOffsetFromDropBase) {
    TableLayout t = FreshTable(3, 4, 0, kScreen1024);
    // (142 - base) / 2 is rounded halves to even: 28.5 and 27.5 both give 28.
    for (const auto& [base, offset] :
         {std::pair{82, 41}, {66, 33}, {102, 51}, {85, 43}, {87, 43}}) {
        t.DropBase = static_cast<i16>(base);
        t.Change_Display(9);
        EXPECT_EQ(t.DropOffset, offset) << base;
    }
}

TEST(DisplayModes, RowMovesInPixels) {
    TableLayout t = FreshTable(2, 4, 0, kScreen1024);
    t.Change_Display(0);
    EXPECT_EQ(t.HoldRowTop, 230);
    EXPECT_EQ(t.HandRowTop, 352);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 7).Top, 230);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 1).Top, 352);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture1", 10).Top, 113);
    EXPECT_EQ(t.CenterTop, 123);  // just under the opponent's raised hold row
    EXPECT_DOUBLE_EQ(t.Ctl("Label3", 0).Top, 230 - 8);
    EXPECT_DOUBLE_EQ(t.Ctl("ImgHold").Top, 352);
    t.Change_Display(0);
    EXPECT_EQ(t.HoldRowTop, 273);
    EXPECT_EQ(t.HandRowTop, 392);
    EXPECT_DOUBLE_EQ(t.Ctl("Picture1", 10).Top, 128);
    EXPECT_EQ(t.CenterTop, 153);
}

// With three and four players the raised rows send the remark right of the center block; it
// stands under the notice line there, not over it, and takes the room up to the hold frame and
// down to the side pile.
TEST(DisplayModes, RaisedRowsKeepTheRemarkOffTheNoticeLine) {
    for (int players : {3, 4})
        for (int mode : {1, 3})
            for (int screen : {kScreen800, kScreen1024}) {
                SCOPED_TRACE(::testing::Message()
                             << players << " players, mode " << mode << ", " << screen);
                const TableLayout t = FreshTable(players, 4, mode, screen);
                const ControlGeom& center = t.Ctl("imgCenter");
                const ControlGeom& notice = t.Ctl("Label9", 0);
                const ControlGeom& remark = t.Ctl("Label9", 2);
                EXPECT_DOUBLE_EQ(remark.Left, center.Left + center.Width);
                EXPECT_DOUBLE_EQ(remark.Left + remark.Width, t.Ctl("Label3", 0).Left);
                EXPECT_DOUBLE_EQ(remark.Top + remark.Height, t.Ctl("Picture7", 1).Top);
                EXPECT_GE(remark.Top, notice.Top + notice.Height);
            }
}

// Three centers in a row: with the rows raised the Deal button and the Peek label follow the
// hand up, the button into the narrowed gap under the center row without touching its frame or
// the hand, and the notice line leaves that gap.
TEST(DisplayModes, RaisedRowsTakeTheDealButtonAndNoticeAlong) {
    for (int screen : {kScreen800, kScreen1024}) {
        SCOPED_TRACE(screen);
        const TableLayout t = FreshTable(2, 3, 1, screen);
        ASSERT_EQ(t.HandRowTop, 352);
        const ControlGeom& deal = t.Ctl("cmdDeal");
        const ControlGeom& center = t.Ctl("imgCenter");
        EXPECT_GT(deal.Top, center.Top + center.Height);
        EXPECT_LT(deal.Top + deal.Height, 352);
        EXPECT_DOUBLE_EQ(t.Ctl("LabelPeek").Top, 352);
        const ControlGeom& notice = t.Ctl("Label9", 0);
        EXPECT_DOUBLE_EQ(notice.Top + notice.Height, t.Ctl("imgCenter").Top);
        // Down again: back where a table at the default height has them.
        TableLayout down = t;
        down.Change_Display(0);
        const TableLayout fresh = FreshTable(2, 3, 0, screen);
        for (const char* name : {"cmdDeal", "LabelPeek"})
            EXPECT_EQ(down.Ctl(name).Top, fresh.Ctl(name).Top) << name;
        EXPECT_EQ(down.Ctl("Label9", 0).Top, fresh.Ctl("Label9", 0).Top);
    }
}

// A card-size switch gives the remark the player's font and, on a narrow screen, rewrites the
// rules caption, whatever the number of players.
TEST(DisplayModes, SizeSwitchSetsTheRemarkFontAndRulesCaptionForEveryTable) {
    for (int players : {2, 3, 4})
        for (int screen : {kScreen800, kScreen1024}) {
            SCOPED_TRACE(::testing::Message() << players << " players, " << screen);
            TableLayout t = FreshTable(players, 4, 0, screen);
            t.FontSize = 11;
            t.Change_Display(1);
            EXPECT_EQ(t.TakeRequests().ShowRulesCaption, screen <= 12000);
            EXPECT_DOUBLE_EQ(t.Ctl("Label9", 2).FontSize, 11);
        }
}

TEST(DisplayModes, SmallHumanRowWithMorePlayers) {
    const TableLayout t = FreshTable(3, 4, 2, kScreen1024);
    const double side = t.Ctl("Picture7", 1).Left;
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 1).Top, 392 - 80 / 3.0);
    // The hand cards touch each other from just right of the side pile.
    for (int k = 2; k <= 6; ++k)
        EXPECT_DOUBLE_EQ(t.Ctl("Picture7", k).Left, std::nearbyint(side + 29.5 + 6) + 59 * (k - 1));
    EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 8).Left - t.Ctl("Picture7", 7).Left, 62);
    EXPECT_DOUBLE_EQ(t.Ctl("Label3", 0).Width, 262);
    EXPECT_DOUBLE_EQ(t.Ctl("Label3", 0).Height, 93);
}

// Moving the small rows up and down puts the side pile and the hand on the row tops themselves,
// as with normal cards; the window's default height follows the raised hand: 352 + 80 + 22 + 60.
TEST(DisplayModes, SmallRowsMoveToTheRowTops) {
    for (int players : {3, 4}) {
        SCOPED_TRACE(players);
        TableLayout t = FreshTable(players, 4, 3, kScreen1024);
        for (int k : {1, 2, 6}) EXPECT_DOUBLE_EQ(t.Ctl("Picture7", k).Top, 352) << k;
        EXPECT_EQ(t.DefaultWindowHeight, 514);
        t.Change_Display(0);
        for (int k : {1, 2, 6}) EXPECT_DOUBLE_EQ(t.Ctl("Picture7", k).Top, 392) << k;
        EXPECT_DOUBLE_EQ(t.Ctl("Picture7", 7).Top, 273);
    }
}

TEST(DisplayModes, NarrowScreenStartsSmall) {
    const TableLayout t = FreshTable(2, 3, 0, 9600);
    EXPECT_EQ(t.DisplayMode, 2);
    EXPECT_FALSE(t.Display[0].Enabled);
    EXPECT_EQ(t.Ctl("PicCenter", 0).Width, 59);
}

TEST(DisplayModes, SavedModeComesBack) {
    EXPECT_EQ(FreshTable(2, 4, 1, kScreen1024).DisplayMode, 1);
    EXPECT_EQ(FreshTable(2, 4, 2, kScreen1024).DropBase, 66);
    // Raised rows with small cards stay with three and four players; the two-player small
    // table is the whole table scaled down, where they would run into the centers.
    EXPECT_EQ(FreshTable(4, 4, 3, kScreen1024).DisplayMode, 3);
    EXPECT_EQ(FreshTable(2, 4, 3, kScreen1024).DisplayMode, 2);
}

TEST(DisplayModes, MovingCardTakesTheSizeOfItsPile) {
    TableLayout t = FreshTable(4, 4, 0, kScreen1024);
    t.Size_MovingCard("Picture7", 3);
    EXPECT_EQ(t.Ctl("Picture1", 0).Width, 71);
    EXPECT_EQ(t.Ctl("Picture1", 0).Height, 96);
    t.Size_MovingCard("Picture2", 8);
    EXPECT_EQ(t.Ctl("Picture1", 0).Width, 59);
    EXPECT_EQ(t.Ctl("Picture1", 0).Height, 80);
}

}  // namespace

namespace {

TEST(DisplayModes, SwitchBringsAMaximisedWindowBackToNormal) {
    TableLayout t = FreshTable(2, 3, 0, kScreen1024);
    t.Form().WindowState = 2;
    t.Change_Display(1);
    EXPECT_EQ(t.Form().WindowState, 0);
    EXPECT_EQ(t.DropBase, 66);  // the table was scaled with the cards
    EXPECT_DOUBLE_EQ(t.Ctl("Label3", 0).Width, 324 * 0.8);
}

}  // namespace
