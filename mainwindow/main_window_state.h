#pragma once
// The main window's own state: what start-up measured and decided, the window's remembered
// size, and the close and shutdown flags. The game's state stays in Game; this struct is owned
// by the main window and passed to the procedures that need it.
#include <array>
#include <string>

#include "platform/vb_types.h"

struct MainWindowState {
    // The screen and the machine, measured at start-up.
    i32 ScreenWidth = 0;   // twips
    i32 ScreenHeight = 0;  // twips
    i32 ColorDepth = 32;
    long CpuMHz = 0;
    bool LargeFonts = false;
    i32 TitleBarHeight = 0;  // pixels

    // The window's last normal size in pixels (kept by the resize handler, saved at shutdown).
    i32 WindowWidth = 0;
    i32 WindowHeight = 0;
    // The board's inside size in pixels.
    i32 BoardWidthPx = 0;
    i32 BoardHeightPx = 0;
    // Settings record 14's saved-window mark, and the state the window opens in (2 maximised).
    i16 SavedWindowFlag = 0;
    int StartWindowState = 0;
    bool FirstStart = false;

    std::array<std::string, 3> LevelNames{"Level: Average", "Level: Clever", "Level: Ruthless"};
    std::string HostPlayerName = "Brivo";
    // The avatar picture shown after an import.
    std::string ShownAvatarName;
    // Another personality's end-of-game show replaced the default personality's pictures.
    bool FlashPicturesChanged = false;
    long ShowTipsAtStartup = 1;

    // The end-of-game animation's two stop requests.
    bool AnimationStop = false;
    bool DealAfterAnimation = false;

    // A close was asked for while the game was busy; it completes once the game is idle.
    bool ClosePending = false;
    // Shutdown has run: nothing is saved twice.
    bool ShutDown = false;
    // Handlers of the window's events now running (more than one when nested in a wait).
    int HandlerDepth = 0;
};
