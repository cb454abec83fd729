#include "mainwindow/deal_button.h"

#include <string>

#include "board/card_look.h"
#include "platform/file_util.h"

namespace {
constexpr const char* kVersionWithReadySignal = "74";

void Say(const Services& sv, int label, const std::string& text) {
    if (sv.board) sv.board->SetMessage(label, text);
}

// A remote answers the host's start ("GS") or game state ("RC"); a newer host then says when
// its side is ready ("RS"). False when the host ended the game meanwhile.
bool AnswerHost(Game& g, const Services& sv, int soundSet) {
    if (!sv.net) return true;
    if (g.NetCode == net::GS) {
        sv.net->SendNet(0, "GS");
    } else if (g.NetCode == net::RC) {
        sv.net->SendNet(0, "RC");
        if (g.PeerVersion > kVersionWithReadySignal) {
            while (g.NetCode != net::RS) {
                if (!sv.net->WaitNet(0) || g.NetCode == net::EG || g.NetConnected == 0)
                    return false;
            }
            if (sv.sounds && g.SoundMode != 2)
                sv.sounds->PlaySound(
                    JoinPath(g.AppFolder, "Data/" + CardSoundFile(card_kind::kTurnUp, soundSet)),
                    false);
        }
    }
    return true;
}

// A saved Internet game goes on where it stopped: whoever was on turn plays on.
void ResumeNetGame(DealButtonParts& p) {
    Game& g = p.g;
    const Services& sv = p.engine.sv;
    g.NetResume = 0;
    if (sv.window) sv.window->ShowSideStack(true);
    if (sv.board) sv.board->DrawTable();
    if (g.Pturn != 1) {
        Say(sv, 1, "     It's NOT your turn.\n");
        g.NewDeal = 1;
        g.NoMissCheck = 0;
        if (sv.window) sv.window->ShowTurnMarker(g.Pturn);
        if (sv.turns) sv.turns->ComputerTurn();
        return;
    }
    Say(sv, 1, "     It's still your turn.\n");
    g.NoMissCheck = 1;
    g.NewDeal = 0;
    if (sv.window) sv.window->ShowTurnMarker(1);
    // The player on turn plays on from the cards the game was given with.
    if (sv.board) sv.board->EnableHumanPiles(true, 1, 10);
}

void RemoteDeal(DealButtonParts& p) {
    Game& g = p.g;
    p.hideNetNotices();
    if (!AnswerHost(g, p.engine.sv, p.looks ? p.looks->CardSoundSet : 0)) {
        // The game given to resume went with the host: the next game starts from its own deal.
        g.NetResume = 0;
        return;
    }
    if (g.NetResume == 1) return ResumeNetGame(p);
    p.engine.SetUp();
    if (g.NetConnected != 0 && g.NetCode == net::EG) return;
    p.engine.GoDeal();
}

}  // namespace

void cmdDeal_Click(DealButtonParts& p) {
    Game& g = p.g;
    const Services& sv = p.engine.sv;
    if (g.NetConnected == 0 && g.AnimationRunning) {
        // The animation stops at its next frame and presses the button itself.
        p.window.AnimationStop = true;
        p.window.DealAfterAnimation = true;
        return;
    }
    // One deal at a time: a press while the last one is still being dealt or played waits.
    if (g.ComputerBusy || g.PlayRunning || g.Dealing || g.StopFlag) return;
    // The tutorial's steps stand on its own positions: no game is dealt under them.
    if (g.TutorialOn) return;
    if (sv.window) sv.window->ShowDealButton(false);
    Say(sv, 2, "");
    if (g.NetConnected == 0) {
        if (!g.NewGameAsked) g.GameStarted = VbFalse;
        p.engine.Game_New();
        if (g.StopFlag) {
            g.ComputerBusy = VbFalse;
            p.closeWindow();
        }
        return;
    }
    if (g.IsHost != 0) return p.engine.GoDeal();
    RemoteDeal(p);
}

const char* PanelKey(int panel) {
    switch (panel) {
        case 2:
            return "Undo";
        case 5:
            return "OppName";
        default:
            return "";
    }
}

void StatusBar1_PanelClick(DealButtonParts& p, int panel) {
    Game& g = p.g;
    const std::string key = PanelKey(panel);
    if (key == "Undo") {
        if (g.Pturn != 1 || g.MoveRecordNo == 0 || g.PlayRunning || g.ComputerBusy || g.TutorialOn)
            return;
        g.UndoMove = VbTrue;
        p.restartTurn();
    } else if (key == "OppName") {
        int& shown = p.drag.ShownOpponent;
        if (++shown > g.NumPlayers - 1) shown = 1;
        if (p.engine.sv.status) p.engine.sv.status->ShowOppStatus(shown);
    }
}
