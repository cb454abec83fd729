#pragma once
// A close request while the game is busy (the computer's turn, a deal, the end of a game, or any
// handler waiting inside a pause) cannot end the program at once: the running procedure would
// carry on after the files were written. The request stops every loop and is remembered; the
// close then completes as soon as the game is idle again, whatever started the busy spell.
#include "engine/game.h"
#include "mainwindow/main_window_state.h"

enum class CloseAnswer {
    Shutdown,  // nothing runs: shut down now
    Deferred,  // loops stopped; the close completes when the game is idle
    AlreadyDone,
};

CloseAnswer QueryUnload(Game& g, MainWindowState& w);

// True when a deferred close can complete now.
bool CloseDue(const Game& g, const MainWindowState& w);

// Counts a window event handler for as long as it runs. After the outermost one returns, the
// window asks CloseDue whether a remembered close can complete.
class HandlerScope {
  public:
    explicit HandlerScope(MainWindowState& w) : w_(w) { ++w_.HandlerDepth; }
    ~HandlerScope() { --w_.HandlerDepth; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

  private:
    MainWindowState& w_;
};
