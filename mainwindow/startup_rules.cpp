#include "mainwindow/startup_rules.h"

#include <algorithm>
#include <cctype>

#include "platform/file_util.h"

bool IsDevModeSwitch(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) line += (line.empty() ? "" : " ") + a;
    if (line.size() < 6) return false;
    std::string head = line.substr(0, 6);
    std::transform(head.begin(), head.end(), head.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return head == "/KRAMB";
}

bool StartFilesPresent(const std::string& appFolder) {
    return FileExists(JoinPath(appFolder, start_files::kScores)) &&
           FileExists(JoinPath(appFolder, start_files::kPrefs));
}

int DisplayModeFromStored(i16 stored) {
    const int mode = stored - settings_rec::kDisplayBase;
    return mode >= 0 && mode <= 3 ? mode : 0;
}

WindowPlan PlanWindow(const StartupSettings& saved, const ScreenTwips& screen, i32 minWidth,
                      i32 minHeight) {
    WindowPlan plan;
    if (saved.SavedWindowFlag != settings_rec::kSavedWindow) {
        // Never closed in order: open maximised, on a very narrow screen with number cards.
        plan.NumberCards = screen.Width <= kNumberCardsScreenTwips;
        return plan;
    }
    const i16 height = saved.Window[0];
    if (height == 0 || height == settings_rec::kMaximised) return plan;
    plan.Maximised = false;
    plan.SetSize = true;
    // A size too small to show the player's row (or a damaged record) is raised to one that
    // does, whatever the card size.
    plan.Height = std::max<i32>(height, minHeight);
    plan.Width = std::max<i32>(saved.Window[1], minWidth);
    plan.Left = saved.Window[2];
    plan.Top = saved.Window[3];
    return plan;
}

void KeepOnScreen(WindowPlan& plan, const ScreenTwips& screen) {
    if (plan.Maximised) return;
    // Two thirds of the window must stay on the screen, on either side.
    const bool offRight = plan.Left + plan.Width / 1.5 > screen.Width;
    const bool offLeft = plan.Left + plan.Width / 3.0 < 0;
    if (offRight || offLeft) plan.Left = plan.Top = 0;
    const bool offBottom = plan.Top + plan.Height / 1.5 > screen.Height;
    const bool offTop = plan.Top < 0;
    if (offBottom || offTop) plan.Left = plan.Top = 0;
}

SmallScreenRules ApplySmallScreen(int displayMode, i32 screenWidthTwips) {
    SmallScreenRules r;
    r.DisplayMode = displayMode;
    if (displayMode < 2 && screenWidthTwips < kSmallScreenTwips) {
        r.Forced = true;
        r.DisplayMode = 2;
    }
    return r;
}

StartupPlan PlanStartup(const StartupFacts& f) {
    StartupPlan p;
    if (f.OtherInstance) {
        p.Outcome = StartupOutcome::AlreadyRunning;
        return p;
    }
    if (!f.FilesPresent) {
        p.Outcome = StartupOutcome::FilesMissing;
        return p;
    }
    const SmallScreenRules small =
        ApplySmallScreen(DisplayModeFromStored(f.Saved.StoredDisplayMode), f.Screen.Width);
    p.DisplayMode = small.DisplayMode;
    p.SmallCardsForced = small.Forced;
    p.Window = PlanWindow(f.Saved, f.Screen, f.MinWidth, f.MinHeight);
    KeepOnScreen(p.Window, f.Screen);
    p.GreetFirstStart = f.FirstStart;
    p.GreetLowColour = f.FirstStart && f.ColorDepth < 16;
    return p;
}
