#include "mainwindow/startup_rules.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "mainwindow/instance_lock.h"
#include "platform/file_util.h"
#include "temp_folder.h"

TEST(StartupRules, DeveloperSwitch) {
    EXPECT_TRUE(IsDevModeSwitch({"/KRAMB"}));
    EXPECT_TRUE(IsDevModeSwitch({"/kramb", "x"}));
    EXPECT_TRUE(IsDevModeSwitch({"/KRAMBLE"}));
    EXPECT_FALSE(IsDevModeSwitch({"/KRAM"}));
    EXPECT_FALSE(IsDevModeSwitch({" /KRAMB"}));
    EXPECT_FALSE(IsDevModeSwitch({}));
}

TEST(StartupRules, StoredDisplayModes) {
    const std::pair<i16, int> cases[] = {{0, 0},  {19, 0}, {20, 0}, {21, 1},   {22, 2},
                                         {23, 3}, {24, 0}, {-3, 0}, {32767, 0}};
    for (auto [stored, mode] : cases) EXPECT_EQ(DisplayModeFromStored(stored), mode) << stored;
}

TEST(StartupRules, WindowPlanFromTheSettingsRecords) {
    const ScreenTwips screen{15360, 11520};  // 1024 x 768
    const i32 minW = 9000, minH = 8000;
    struct Case {
        const char* what;
        StartupSettings saved;
        ScreenTwips screen;
        WindowPlan expected;
    };
    const Case cases[] = {
        {"never closed in order", {20, 0, {9000, 12000, 30, 45}}, screen, {true, 0, 0, 0, 0}},
        {"never closed, 640 wide: number cards",
         {20, 7, {}},
         {9600, 7200},
         {true, 0, 0, 0, 0, false, true}},
        {"maximised mark 2", {20, 20, {2, 0, 0, 0}}, screen, {true, 0, 0, 0, 0}},
        {"height 0 reads as maximised", {20, 20, {0, 5, 5, 5}}, screen, {true, 0, 0, 0, 0}},
        {"normal window",
         {22, 20, {9000, 12000, 30, 45}},
         screen,
         {false, 30, 45, 12000, 9000, true}},
        {"too small: raised to the minimum",
         {22, 20, {300, -4, 30, 45}},
         screen,
         {false, 30, 45, minW, minH, true}},
    };
    for (const Case& c : cases) {
        const WindowPlan p = PlanWindow(c.saved, c.screen, minW, minH);
        EXPECT_EQ(p.Maximised, c.expected.Maximised) << c.what;
        EXPECT_EQ(p.Left, c.expected.Left) << c.what;
        EXPECT_EQ(p.Top, c.expected.Top) << c.what;
        EXPECT_EQ(p.Width, c.expected.Width) << c.what;
        EXPECT_EQ(p.Height, c.expected.Height) << c.what;
        EXPECT_EQ(p.SetSize, c.expected.SetSize) << c.what;
        EXPECT_EQ(p.NumberCards, c.expected.NumberCards) << c.what;
    }
}

TEST(StartupRules, AWindowMoreThanAThirdOffTheScreenGoesToTheCorner) {
    const ScreenTwips screen{15360, 11520};
    struct Case {
        i32 left, top;
        bool moved;
    };
    // A window of 9000 x 6000 twips: two thirds are 6000 and 4000.
    const Case cases[] = {
        {9360, 100, false},                       // right edge: 9360 + 6000 = 15360, just on
        {9361, 100, true},                        // one twip more
        {100, 7520, false},                       // bottom: 7520 + 4000 = 11520
        {100, 7521, true},  {-3000, 100, false},  // a third off the left
        {-3001, 100, true}, {100, -1, true},      // the caption above the screen
    };
    for (const Case& c : cases) {
        WindowPlan p;
        p.Maximised = false;
        p.Width = 9000;
        p.Height = 6000;
        p.Left = c.left;
        p.Top = c.top;
        KeepOnScreen(p, screen);
        const bool moved = p.Left == 0 && p.Top == 0;
        EXPECT_EQ(moved, c.moved) << c.left << "," << c.top;
    }
    WindowPlan maximised;
    maximised.Left = 99999;
    KeepOnScreen(maximised, screen);
    EXPECT_EQ(maximised.Left, 99999);
}

TEST(StartupRules, SmallScreensForceSmallCards) {
    struct Case {
        int mode;
        i32 width;
        bool forced;
        int result;
    };
    const Case cases[] = {{0, 9999, true, 2},  {1, 9000, true, 2},  {0, 10000, false, 0},
                          {3, 9000, false, 3}, {2, 9000, false, 2}, {1, 15360, false, 1}};
    for (const Case& c : cases) {
        const SmallScreenRules r = ApplySmallScreen(c.mode, c.width);
        EXPECT_EQ(r.Forced, c.forced) << c.mode << " " << c.width;
        EXPECT_EQ(r.DisplayMode, c.result) << c.mode << " " << c.width;
    }
}

TEST(StartupRules, BothDataFilesAreNeeded) {
    TempProgramFolder folder;
    EXPECT_FALSE(StartFilesPresent(folder.path()));
    WriteFileAtomically(folder.File("Data/scores.ran"), std::string(38 * 18, '\0'), nullptr);
    EXPECT_FALSE(StartFilesPresent(folder.path()));
    WriteFileAtomically(folder.File("Data/Prefs.sav"), std::string(756, '\0'), nullptr);
    EXPECT_TRUE(StartFilesPresent(folder.path()));
    std::filesystem::remove(folder.File("Data/scores.ran"));
    EXPECT_FALSE(StartFilesPresent(folder.path()));
}

TEST(InstanceLockTest, ASecondInstanceOfTheSameFolderIsRefusedUntilTheFirstEnds) {
    TempProgramFolder folder, other;
    auto first = std::make_unique<InstanceLock>();
    ASSERT_EQ(first->Acquire(folder.path()), InstanceLock::Result::Acquired);
    InstanceLock second;
    EXPECT_EQ(second.Acquire(folder.path()), InstanceLock::Result::HeldElsewhere);
    EXPECT_FALSE(second.Held());
    // Another program folder is another game.
    InstanceLock elsewhere;
    EXPECT_EQ(elsewhere.Acquire(other.path()), InstanceLock::Result::Acquired);
    first.reset();
    EXPECT_EQ(second.Acquire(folder.path()), InstanceLock::Result::Acquired);
}

TEST(StartupRules, StartUpDecisionsAsATable) {
    const ScreenTwips wide{19200, 14400}, narrow{9000, 7200};
    struct Case {
        const char* what;
        StartupFacts facts;
        StartupOutcome outcome;
        int mode = 0;
        bool forced = false, maximised = false;
        i32 left = 0, top = 0;
        bool greet = false, lowColour = false;
    };
    auto facts = [](StartupSettings saved, ScreenTwips screen, bool first = false, int depth = 32,
                    bool other = false, bool files = true) {
        StartupFacts f;
        f.OtherInstance = other;
        f.FilesPresent = files;
        f.Saved = saved;
        f.Screen = screen;
        f.ColorDepth = depth;
        f.FirstStart = first;
        f.MinWidth = 6000;
        f.MinHeight = 6000;
        return f;
    };
    const StartupSettings fresh{20, 0, {}};
    const StartupSettings normal{23, 20, {9000, 12000, 300, 450}};
    const StartupSettings offRight{21, 20, {9000, 12000, 15000, 450}};
    const StartupSettings maximised{22, 20, {2, 0, 0, 0}};
    const Case cases[] = {
        {"second instance", facts(normal, wide, false, 32, true), StartupOutcome::AlreadyRunning},
        {"files missing", facts(normal, wide, false, 32, false, false),
         StartupOutcome::FilesMissing},
        {"first start", facts(fresh, wide, true), StartupOutcome::Run, 0, false, true, 0, 0, true},
        {"first start, 256 colours", facts(fresh, wide, true, 8), StartupOutcome::Run, 0, false,
         true, 0, 0, true, true},
        {"saved normal window, mode 3", facts(normal, wide), StartupOutcome::Run, 3, false, false,
         300, 450},
        {"saved window a third off the right", facts(offRight, wide), StartupOutcome::Run, 1, false,
         false, 0, 0},
        {"saved maximised, mode 2", facts(maximised, wide), StartupOutcome::Run, 2, false, true},
        {"small screen forces small cards", facts(offRight, narrow), StartupOutcome::Run, 2, true,
         false, 0, 0},
        {"small screen keeps small mode 3", facts(normal, narrow), StartupOutcome::Run, 3, false,
         false, 300, 450},
    };
    for (const Case& c : cases) {
        const StartupPlan p = PlanStartup(c.facts);
        EXPECT_EQ(p.Outcome, c.outcome) << c.what;
        if (c.outcome != StartupOutcome::Run) continue;
        EXPECT_EQ(p.DisplayMode, c.mode) << c.what;
        EXPECT_EQ(p.SmallCardsForced, c.forced) << c.what;
        EXPECT_EQ(p.Window.Maximised, c.maximised) << c.what;
        EXPECT_EQ(p.Window.Left, c.left) << c.what;
        EXPECT_EQ(p.Window.Top, c.top) << c.what;
        EXPECT_EQ(p.GreetFirstStart, c.greet) << c.what;
        EXPECT_EQ(p.GreetLowColour, c.lowColour) << c.what;
    }
}
