// The computer players' turn: the seats after the human play one after the other until the
// human is on turn again, the game ends or the window asks the loop to stop.
#include "computer/computer_player.h"
#include "computer/turn_watcher.h"
#include "engine/opp_swap.h"

namespace {

// Clears the running mark however the turn ends.
struct RunningMark {
    explicit RunningMark(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningMark() { flag_ = false; }
    bool& flag_;
};

}  // namespace

void ComputerPlayer::ComputerTurn() {
    if (g.StopFlag) {
        g.ComputerBusy = VbFalse;
        return;
    }
    // An event handled during one of this turn's pauses must not start the seats over inside it.
    if (inTurn_) return;
    RunningMark running(inTurn_);
    // Remote seats of an Internet game are played by the Internet play code, not here.
    if (g.NetConnected > 0) {
        g.ComputerBusy = VbFalse;
        return;
    }
    g.ComputerBusy = VbTrue;
    while (g.Pturn >= 2 && g.Pturn <= g.NumPlayers) {
        if (g.StopFlag || g.NewGamePending) break;
        const int player = g.Pturn;
        OppSwap(g, player - 1, false);
        if (sv.status) sv.status->ShowOppStatus(player - 1);
        Say(1, g.CurName + "'s turn");
        if (watcher) watcher->SeatTurnStarted(player);
        Computer();
        if (watcher) watcher->SeatTurnEnded(player);
        // A turn that did not hand on was stopped, given up or ended the game.
        if (g.Pturn == player) break;
    }
    g.ComputerBusy = VbFalse;
    AfterSeatLoop();
}

void ComputerPlayer::AfterSeatLoop() {
    if (g.Pturn == 1 && !g.NewGamePending && !g.StopFlag && sv.window && g.NetConnected == 0 &&
        !g.TutorialOn)
        sv.window->StartIdleTimer(g.NumPlayers == 2 ? 12000 : 24000);
    if (g.NewGamePending) {
        // New Game was chosen while the seats moved: it runs now that they have stopped.
        g.NewGamePending = VbFalse;
        g.Pturn = 0;
        if (sv.window) sv.window->MenuNewGame();
    }
    if (g.TutorialOn && sv.window) sv.window->TutorialTurnOver();
}

void ComputerPlayer::Step(const char* what) {
    if (watcher) watcher->Step(what);
}
