#pragma once
// The main window's buttons that start things rather than move cards: the Deal button (a local
// game, the host's deal, a remote's answer to the host's start or game state) and the clickable
// panels of the status bar (undo of the last play, the opponent whose figures the bar shows).
#include <functional>

#include "board/board_looks.h"
#include "engine/engine.h"
#include "mainwindow/drag_state.h"
#include "mainwindow/main_window_state.h"

struct DealButtonParts {
    Game& g;
    Engine& engine;
    MainWindowState& window;
    DragState& drag;
    const BoardLooks* looks = nullptr;  // the card sounds' set
    // Takes back the human's last play of the turn (the records' restart of a turn).
    std::function<void()> restartTurn;
    // The program was closed while the first computer turn ran: the window goes now.
    std::function<void()> closeWindow;
    // A remote's status message and the opponent's peeking notice are taken away.
    std::function<void()> hideNetNotices;
};

void cmdDeal_Click(DealButtonParts& p);

// The key of status-bar panel `panel` (1-8) that answers a click: "Undo", "OppName" or "".
const char* PanelKey(int panel);
void StatusBar1_PanelClick(DealButtonParts& p, int panel);
