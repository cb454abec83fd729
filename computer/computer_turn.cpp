// The computer players' turn: the seats after the human play one after the other until the
// human is on turn again, the game ends or the window asks the loop to stop.
#include <utility>

#include "computer/computer_player.h"
#include "computer/turn_watcher.h"
#include "engine/engine.h"
#include "engine/opp_swap.h"
#include "platform/scoped_flag.h"

void ComputerPlayer::ComputerTurn() {
    if (g.StopFlag) {
        g.ComputerBusy = VbFalse;
        return;
    }
    // An event handled during one of this turn's pauses must not start the seats over inside it.
    // Online that event may have laid a table whose turn is due (a game given again during the
    // hand-over, the human's discard made then): the running loop takes it up once its own seat
    // has unwound, or nobody would replay the remote's moves.
    if (inTurn_) {
        again_ = g.NetConnected > 0;
        return;
    }
    again_ = false;
    auto running = RaiseWhile(inTurn_);
    const bool online = g.NetConnected > 0;
    // Online the seats are other people: the window stays free while their turns arrive.
    g.ComputerBusy = online ? VbFalse : VbTrue;
    if (online && g.NetCode == net::EG) return;
    while (g.Pturn >= 2 && g.Pturn <= g.NumPlayers) {
        if (g.StopFlag || g.NewGamePending) break;
        const int player = g.Pturn;
        OppSwap(g, player - 1, false, sv.board);
        if (sv.status) sv.status->ShowOppStatus(player - 1);
        Say(1, g.CurName + "'s turn");
        if (g.TutorialOn && sv.window) sv.window->TutorialTurnStarting();
        if (online) {
            if (!RemoteTurn()) return;
        } else {
            if (g.NumPlayers >= 3 && sv.board) sv.board->SetLevelLabel(LevelCaption(g.CompLevel));
            if (watcher) watcher->SeatTurnStarted(player);
            Computer();
            if (watcher) watcher->SeatTurnEnded(player);
        }
        // A turn that did not hand on was stopped, given up or ended the game.
        if (g.Pturn == player && !std::exchange(again_, false)) break;
    }
    g.ComputerBusy = VbFalse;
    AfterSeatLoop();
}

// The turn of a remote player, replayed by the Internet play code; false when the game is
// over, changed under it or gone.
bool ComputerPlayer::RemoteTurn() {
    for (i16 code : {net::GO, net::EG, net::GS, net::LO})
        if (g.NetCode == code) return false;
    if (sv.net) sv.net->Opponent();
    return g.NetConnected != 0;
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
    if (g.TutorialOn) {
        // The tutorial holds the table still until its Next button is pressed.
        if (sv.window) sv.window->StopIdleTimer();
        if (sv.board) sv.board->EnablePlayerPiles(false);
        if (sv.window) sv.window->TutorialTurnOver();
    }
}

void ComputerPlayer::Step(const char* what) {
    if (watcher) watcher->Step(what);
}
