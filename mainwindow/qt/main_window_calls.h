#pragma once
// The main window's calls into the profiles and the dialogs of the other subsystems, connected
// once by the composition root.
#include "board/board_looks.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/qt/main_window.h"
#include "records/profiles.h"
#include "shared/profile_state.h"

class BoardShell;
class FrmBrivo;
class RecordsWindows;
class WindowProfileTarget;

struct MainWindowCallParts {
    Game& game;
    MainWindowState& state;
    const Services& services;
    FrmBrivo& window;
    BoardShell& board;
    BoardLooks& looks;
    Profiles& profiles;
    ProfileState& profileState;
    WindowProfileTarget& profileTarget;
    RecordsWindows& recordsWindows;
};

MainWindowCalls ConnectMainWindowCalls(MainWindowCallParts parts);
