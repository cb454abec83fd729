#include "mainwindow/command_gate.h"

#include "mainwindow/menu_rows.h"

namespace {

GateAnswer Run() {
    return {};
}
GateAnswer Ignore() {
    return {GateVerdict::Ignore, "", "", 0};
}
GateAnswer Defer() {
    return {GateVerdict::Defer, "", "", 0};
}
GateAnswer Refuse(const char* text, const char* title, int style = mb::Information) {
    return {GateVerdict::Refuse, text, title, style};
}
GateAnswer MyTurn() {
    return Refuse(gate_text::kMyTurn, gate_text::kMyTurnTitle, mb::OkOnly);
}
GateAnswer UseInternetMenu() {
    return Refuse(gate_text::kInternetMenu, gate_text::kInternetMenuTitle);
}

bool Online(const GateSituation& s) {
    return s.netConnected != 0;
}
bool Connected(const GateSituation& s) {
    return s.netConnected >= 1 && s.netConnected != 99;
}
// A computer player is moving in a local game: its turn runs inside pauses, and anything that
// deals, restores or rewrites the table would pull the cards from under it.
bool ComputerMoving(const GateSituation& s) {
    return !Online(s) && (s.pturn >= 2 || s.computerBusy);
}

MenuView ViewOf(const GateSituation& s) {
    MenuView v;
    v.netConnected = s.netConnected;
    v.isHost = s.isHost;
    return v;
}

GateAnswer GameRow(const GateSituation& s, int row) {
    if (s.newGamePending) return Ignore();
    // Exit ends a computer turn in progress first (the close waits for it), so it always runs.
    if (row == 11) return Run();
    if (Online(s)) {
        // New Game of an Internet game belongs to the host (its Internet menu has the row too).
        if (row == 0) return s.isHost == 1 && Connected(s) ? Run() : Ignore();
        if (row == 9) return Run();
        // Save, restore, previous turn, restart or another player would change this machine
        // only: the Internet menu has the rows that keep every machine together.
        return UseInternetMenu();
    }
    if (ComputerMoving(s)) return row == 0 ? Defer() : MyTurn();
    return Run();
}

GateAnswer OptionsRow(const GateSituation& s, int row) {
    const bool rulesOrSeats = row == 4 || row == 5;
    if (Online(s) && rulesOrSeats) return UseInternetMenu();
    if (Online(s) && row == 2 && s.pturn >= 2)
        return Refuse(gate_text::kWaitYourTurn, gate_text::kWaitYourTurnTitle);
    // New rules and new opponents start a new game.
    if (ComputerMoving(s) && rulesOrSeats) return MyTurn();
    return Run();
}

GateAnswer InternetRow(const GateSituation& s, int row) {
    if (ComputerMoving(s)) return Ignore();
    if (row >= RowCount(menu::kInternet, ViewOf(s))) return Ignore();
    return Run();
}

GateAnswer HelpRow(const GateSituation& s, int row) {
    if (row == 3 && s.dealing) return Ignore();
    if (row == 1) {
        // The tutorial lays its own table out.
        if (Online(s)) return UseInternetMenu();
        if (ComputerMoving(s)) return MyTurn();
    }
    return Run();
}

}  // namespace

GateSituation SituationOf(const Game& g) {
    GateSituation s;
    s.tutorialOn = g.TutorialOn != VbFalse;
    s.menusLocked = g.MenusLocked != VbFalse;
    s.newGamePending = g.NewGamePending != VbFalse;
    s.computerBusy = g.ComputerBusy != VbFalse;
    s.dealing = g.Dealing != VbFalse;
    s.pturn = g.Pturn;
    s.netConnected = g.NetConnected;
    s.isHost = g.IsHost;
    return s;
}

GateAnswer GateMenuTitle(const GateSituation& s, int menu) {
    if (s.tutorialOn) return Refuse(gate_text::kTutorial, gate_text::kTutorialTitle);
    if (s.menusLocked) return Ignore();
    switch (menu) {
        case menu::kGame:
            if (Online(s)) return UseInternetMenu();
            if (s.pturn > 1 || s.computerBusy) return MyTurn();
            return Run();
        case menu::kInternet:
            return ComputerMoving(s) ? Ignore() : Run();
        case menu::kOptions:
        case menu::kHelp:
            return Run();
        default:
            return Ignore();
    }
}

GateAnswer GateCommand(const GateSituation& s, int menu, int row) {
    if (s.tutorialOn) return Refuse(gate_text::kTutorial, gate_text::kTutorialTitle);
    if (s.menusLocked || !IsCommandRow(menu, row)) return Ignore();
    switch (menu) {
        case menu::kGame:
            return GameRow(s, row);
        case menu::kOptions:
            return OptionsRow(s, row);
        case menu::kInternet:
            return InternetRow(s, row);
        case menu::kHelp:
            return HelpRow(s, row);
        default:
            return Ignore();
    }
}

std::vector<MenuRow> GatedMenuRows(int menu, const MenuView& view, const GateSituation& s) {
    std::vector<MenuRow> rows = MenuRows(menu, view);
    for (int i = 0; i < static_cast<int>(rows.size()); ++i)
        if (!rows[i].separator)
            rows[i].enabled = GateCommand(s, menu, i).verdict != GateVerdict::Ignore;
    return rows;
}

namespace {
bool Apply(Game& g, Dialogs* dialogs, const GateAnswer& a) {
    switch (a.verdict) {
        case GateVerdict::Run:
            return true;
        case GateVerdict::Defer:
            g.NewGamePending = VbTrue;
            return false;
        case GateVerdict::Refuse:
            if (dialogs && !a.text.empty()) dialogs->MsgBox(a.text, a.style, a.title);
            return false;
        case GateVerdict::Ignore:
            return false;
    }
    return false;
}
}  // namespace

bool PassGate(Game& g, Dialogs* dialogs, int menu, int row) {
    return Apply(g, dialogs, GateCommand(SituationOf(g), menu, row));
}

bool PassTitleGate(Game& g, Dialogs* dialogs, int menu) {
    return Apply(g, dialogs, GateMenuTitle(SituationOf(g), menu));
}
