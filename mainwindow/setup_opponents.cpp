#include "mainwindow/setup_opponents.h"

namespace {
// The avatar beside the table: the player's own with more than two players when there is one,
// else the first opponent's; and the first opponent's level.
void ShowFirstOpponent(SetupOpponentsParts& p) {
    Game& g = p.g;
    BoardPort* board = p.engine.sv.board;
    if (!board) return;
    const bool own = !g.PlayerAvatar.empty() && g.NumPlayers > 2;
    board->LoadAvatar(own ? g.PlayerAvatar : g.Opp[1].Avatar);
    const int level = g.Opp[1].Level;
    if (level >= 0 && level < 3) board->SetLevelLabel(p.levelNames[static_cast<size_t>(level)]);
}

// The table laid out for the counts the dialog left.
void NewTable(SetupOpponentsParts& p) {
    Game& g = p.g;
    g.NumCards = static_cast<i16>(g.NumPlayers * 52);
    if (BoardPort* board = p.engine.sv.board) {
        board->SetupLayout(g.PrevPlayers, g.PrevCenters);
        board->DrawTable();
    }
    p.engine.ShowRulesCaption();
    g.GameStarted = VbFalse;
}
}  // namespace

void SetupOpponents(SetupOpponentsParts& p, bool rulesOnly) {
    Game& g = p.g;
    g.PrevPlayers = g.NumPlayers;
    g.PrevCenters = g.NumCenters;
    g.CancelFlag = VbFalse;
    if (!rulesOnly && p.readProfile) p.readProfile();
    bool rulesChanged = false;
    if (g.NetConnected != 0) {
        if (!rulesOnly) {
            // That window applies its own choices when it closes.
            p.engine.sv.dialogHost->Show(DialogForm::MultiNET);
            return;
        }
        const DialogResult r = p.engine.sv.dialogHost->Show(DialogForm::RulesNET);
        g.CancelFlag = r.CancelFlag ? VbTrue : VbFalse;
        rulesChanged = r.RulesChanged;
    } else {
        const DialogResult r = p.engine.sv.dialogHost->Show(DialogForm::Multi);
        g.CancelFlag = r.CancelFlag ? VbTrue : VbFalse;
        rulesChanged = r.RulesChanged;
    }
    if (!rulesOnly && !g.CancelFlag) p.saveProfile();
    if (g.NetConnected == 0) ShowFirstOpponent(p);
    if (g.CancelFlag && !rulesChanged) {
        p.showPlayerNames();
        g.CancelFlag = VbFalse;
        return;
    }
    NewTable(p);
    if (g.NetConnected != 0 && g.NetConnected != 99)
        p.netNewGame();
    else if (g.NetConnected == 0)
        p.newGame();
}
