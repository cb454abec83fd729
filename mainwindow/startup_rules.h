#pragma once
// The decisions of start-up that need no window: the developer switch, the files the program
// cannot run without, the display mode and the window's place from the settings records, the
// rules for small screens and the check that a restored window is on the screen.
#include <string>
#include <vector>

#include "mainwindow/settings_records.h"
#include "platform/vb_types.h"

namespace start_files {
inline constexpr const char* kScores = "Data/scores.ran";
inline constexpr const char* kPrefs = "Data/Prefs.sav";
inline constexpr const char* kSavedGames = "Data/backup.sav";
inline constexpr const char* kSplashPicture = "backgrounds/GameBoard.gif";
}  // namespace start_files

// Below this screen width (twips) normal cards do not fit: small cards are forced.
inline constexpr i32 kSmallScreenTwips = 10000;
// At or below this width a first start uses the number-card faces.
inline constexpr i32 kNumberCardsScreenTwips = 9600;

// The developer switch: the command line starts with "/KRAMB", in any case.
bool IsDevModeSwitch(const std::vector<std::string>& args);

// True when the files start-up cannot do without are in the program folder.
bool StartFilesPresent(const std::string& appFolder);

// Record 14's stored mode: 20 to 23 give display modes 0 to 3; anything else the default 0.
int DisplayModeFromStored(i16 stored);

// The screen in twips.
struct ScreenTwips {
    i32 Width = 0;
    i32 Height = 0;
};

// How the main window opens.
struct WindowPlan {
    bool Maximised = true;
    // The normal window's place in twips (Left and Top also for a maximised start).
    i32 Left = 0;
    i32 Top = 0;
    i32 Width = 0;
    i32 Height = 0;
    bool SetSize = false;  // Width and Height came from the saved window
    // The first start on a very narrow screen draws number cards.
    bool NumberCards = false;
};

// The window from records 14 and 15: a saved normal window gets its place back, raised to the
// smallest size that shows the player's row (`minWidth`, `minHeight`, twips); anything else
// opens maximised at the top left.
WindowPlan PlanWindow(const StartupSettings& saved, const ScreenTwips& screen, i32 minWidth,
                      i32 minHeight);

// A normal window lying more than a third off the screen moves to the top left corner.
void KeepOnScreen(WindowPlan& plan, const ScreenTwips& screen);

// Small screens: normal cards (modes 0 and 1) do not fit below kSmallScreenTwips.
struct SmallScreenRules {
    bool Forced = false;  // small cards forced: mode 2, the two display-size rows disabled
    int DisplayMode = 0;
};
SmallScreenRules ApplySmallScreen(int displayMode, i32 screenWidthTwips);

// Status-bar panels that keep a minimum width on a small screen, that width in twips, and the
// short caption of panel 5.
inline constexpr int kSmallScreenPanels[] = {1, 4, 5, 8};
inline constexpr int kSmallScreenPanelMinTwips = 700;
inline constexpr const char* kSmallScreenOpponentPanel = "Brivo:";

// Everything start-up finds before it decides how to open.
struct StartupFacts {
    bool OtherInstance = false;  // the program folder is in use by a running game
    bool FilesPresent = true;
    StartupSettings Saved;
    ScreenTwips Screen;
    i32 ColorDepth = 32;
    bool FirstStart = false;  // the program folder was made by this start
    // The smallest window that shows the player's row, in twips.
    i32 MinWidth = 0;
    i32 MinHeight = 0;
};

enum class StartupOutcome { AlreadyRunning, FilesMissing, Run };

struct StartupPlan {
    StartupOutcome Outcome = StartupOutcome::Run;
    int DisplayMode = 0;
    bool SmallCardsForced = false;
    WindowPlan Window;
    bool GreetLowColour = false;  // the 256-colour greeting and the display question
    bool GreetFirstStart = false;
};

StartupPlan PlanStartup(const StartupFacts& f);
