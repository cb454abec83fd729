#include <gtest/gtest.h>

#include "mainwindow/avatar_import.h"
#include "mainwindow/counter_layout.h"
#include "mainwindow/resize_rules.h"
#include "mainwindow/startup_texts.h"
#include "mainwindow/system_info.h"
#include "platform/file_util.h"
#include "temp_folder.h"

TEST(SystemInfo, TheBoxNamesEveryFactOnItsOwnLine) {
    SystemFacts f;
    f.ScreenWidthTwips = 19200;
    f.ScreenHeightTwips = 14400;
    f.ColorDepth = 24;
    f.SmallFonts = false;
    f.WindowWidthPx = 1024;
    f.WindowHeightPx = 700;
    f.TitleBarHeight = 23;
    f.CpuMHz = 2400;
    EXPECT_EQ(DisplayStatsText(f),
              "Resolution: \n"
              " 1280 X  960 pixels\n"
              " 24 bits per pixel  (True Color)\n"
              "\n"
              "19200 X 14400\n"
              "Large Fonts\n"
              "\n"
              "This window:\n"
              " 1024 x  700\n"
              "Titlebar height:  23\n"
              "CPU Speed: 2400 MHz");
}

TEST(SystemInfo, ColourNames) {
    const std::pair<int, const char*> cases[] = {{4, "(16 Color)"},    {8, "(256 Color)"},
                                                 {16, "(High Color)"}, {24, "(True Color)"},
                                                 {32, "(True Color)"}, {30, ""}};
    for (auto [bits, name] : cases) EXPECT_EQ(ColorDepthName(bits), name) << bits;
}

TEST(StartupTexts, VersionWelcomeAndErrors) {
    EXPECT_EQ(SplashVersionText(8, 4, 0), "Version 8.4.0");
    EXPECT_EQ(WelcomeLine("Ada"), "\nWelcome Ada to Brivo's World");
    EXPECT_EQ(ColorsGreeting("A B C "), "Welcome to Quorvane: Brivo & Tessik!\n\nA B C ");
    EXPECT_EQ(UnexpectedStartupError("cannot read Data/scores.ran"),
              "Unexpected error while setting up Quorvane!\ncannot read Data/scores.ran");
}

namespace {
void Put(const std::string& path, const std::string& bytes) {
    ASSERT_TRUE(WriteFileAtomically(path, bytes, nullptr));
}
}  // namespace

TEST(AvatarImport, APictureIsNeverOverwritten) {
    TempProgramFolder folder, outside;
    const std::string avatars = folder.File("Avatars");
    Put(folder.File("Avatars/Brivo.jpg"), "shipped brivo");
    Put(folder.File("Avatars/me.png"), "first me");
    Put(outside.File("Brivo.jpg"), "my own brivo");
    Put(outside.File("ME.PNG"), "first me");
    Put(outside.File("new.gif"), "new");

    struct Case {
        std::string chosen;
        bool copy;
        std::string name;
    };
    const Case cases[] = {
        // Already in the avatars folder: used where it lies.
        {folder.File("Avatars/Brivo.jpg"), false, "Brivo.jpg"},
        // Another picture under a shipped avatar's name: the next free name.
        {outside.File("Brivo.jpg"), true, "Brivo (2).jpg"},
        // The same picture again (names differ only in case): the one already there.
        {outside.File("ME.PNG"), false, "me.png"},
        {outside.File("new.gif"), true, "new.gif"},
    };
    for (const Case& c : cases) {
        const AvatarImport plan = PlanAvatarImport(avatars, c.chosen);
        EXPECT_EQ(plan.Copy, c.copy) << c.chosen;
        EXPECT_EQ(plan.FileName, c.name) << c.chosen;
        std::string error;
        EXPECT_TRUE(ImportAvatar(avatars, c.chosen, plan, &error)) << error;
    }
    EXPECT_EQ(*ReadWholeFile(folder.File("Avatars/Brivo.jpg")), "shipped brivo");
    EXPECT_EQ(*ReadWholeFile(folder.File("Avatars/Brivo (2).jpg")), "my own brivo");
    EXPECT_EQ(*ReadWholeFile(folder.File("Avatars/new.gif")), "new");
}

TEST(AvatarImport, ALongNameIsCutToTheRecordFieldKeepingItsExtension) {
    TempProgramFolder folder, outside;
    const std::string longName = "a-very-long-picture-name-for-me.jpeg";  // 36 characters
    Put(outside.File(longName), "x");
    Put(folder.File("Avatars/a-very-long-picture-name-.jpeg"), "y");
    const AvatarImport plan = PlanAvatarImport(folder.File("Avatars"), outside.File(longName));
    EXPECT_EQ(plan.FileName, "a-very-long-picture-n (2).jpeg");
    EXPECT_EQ(plan.FileName.size(), kAvatarNameLength);
}

TEST(CounterLayoutTest, ThreeAndFourPlayersGrowTheWindowByHalfAndAWholeGrid) {
    CounterDesign d;  // 8 lines of 15 pixels: a grid of 120
    const CounterLayout two = LayOutCounter(2, d), three = LayOutCounter(3, d),
                        four = LayOutCounter(4, d);
    EXPECT_EQ(two.WindowHeight, 176);
    EXPECT_FALSE(two.Picture1);
    EXPECT_EQ(three.WindowHeight, 176 + 60);
    EXPECT_EQ(four.WindowHeight, 176 + 120);
    EXPECT_EQ(three.Picture1Top, 28 + 120 + 1);
    EXPECT_EQ(three.Picture1Height, 60);
    EXPECT_EQ(four.Picture1Height, 120);
    EXPECT_TRUE(ClosesCounter(119));
    EXPECT_TRUE(ClosesCounter(13));
    EXPECT_FALSE(ClosesCounter(27));
}

TEST(CounterLayoutTest, EachCountStandsUnderItsValueAndNoLineIsWiderThanTheHeader) {
    // Seen: the Ace, Ten and King of the first suit; the second suit's Ace twice (two decks).
    const std::string grid =
        " 1  _  _  _  _  _  _  _  _  1   _  _  1 \n 2  _  _  _  _  _  _  _  _  "
        "_   _  _  _ \n ";
    EXPECT_EQ(std::string(kCounterHeader), "1  2  3  4  5  6  7  8  9 10 J  Q  K");
    EXPECT_EQ(AlignCounterGrid(grid),
              "1  _  _  _  _  _  _  _  _  1 _  _  1\n"
              "2  _  _  _  _  _  _  _  _  _ _  _  _");
    EXPECT_EQ(AlignCounterGrid(""), "");
}

TEST(ResizeRulesTest, WhatEachKindOfResizeDoes) {
    ResizeInputs in;
    in.StartingUp = true;
    EXPECT_TRUE(PlanResize(in).Nothing);

    in.StartingUp = false;
    in.ClientWidth = 1000;
    in.AvatarWidth = 120;
    in.ScreenWidthTwips = 15360;
    in.BackgroundPicture = true;
    ResizeActions a = PlanResize(in);
    EXPECT_TRUE(a.StopAnimation && a.StopIdleTimer && a.CloseMenus);
    EXPECT_TRUE(a.TakeSize && a.ReloadBackground && a.PlaceAvatars && a.MoveAvatar);
    EXPECT_FALSE(a.CloseSmallWindows);
    EXPECT_EQ(a.Chat, ChatFollows::Nothing);
    EXPECT_NEAR(a.AvatarLeft, 1000 - 120, 1e-9);

    // Minimised: the small windows go, the remembered size stays.
    in.Show = WindowShow::Minimised;
    in.NetConnected = 1;
    a = PlanResize(in);
    EXPECT_TRUE(a.StopAnimation && a.CloseSmallWindows);
    EXPECT_FALSE(a.TakeSize || a.PlaceAvatars);
    EXPECT_EQ(a.Chat, ChatFollows::SameState);

    in.Show = WindowShow::Maximised;
    EXPECT_EQ(PlanResize(in).Chat, ChatFollows::Restore);

    // The avatar's own place: two players always; three only on a wide screen; four never.
    const struct {
        int players;
        i32 screen;
        bool moves;
    } seats[] = {{2, 9000, true}, {3, 12000, false}, {3, 12001, true}, {4, 30000, false}};
    for (auto s : seats) {
        in.NumPlayers = s.players;
        in.ScreenWidthTwips = s.screen;
        EXPECT_EQ(PlanResize(in).MoveAvatar, s.moves) << s.players << " " << s.screen;
    }
}
