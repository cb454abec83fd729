#include "mainwindow/command_gate.h"

#include <gtest/gtest.h>

#include "tests/support/headless_services.h"

namespace {

using V = GateVerdict;

GateSituation Local(int pturn = 1) {
    GateSituation s;
    s.pturn = pturn;
    return s;
}
GateSituation ComputerOnTurn() {
    GateSituation s = Local(2);
    s.computerBusy = true;
    return s;
}
GateSituation Host(int pturn = 1) {
    GateSituation s = Local(pturn);
    s.netConnected = 1;
    s.isHost = 1;
    return s;
}
GateSituation Remote(int pturn = 1) {
    GateSituation s = Local(pturn);
    s.netConnected = 1;
    s.isHost = 0;
    return s;
}
GateSituation Waiting() {
    GateSituation s = Local(0);
    s.netConnected = 99;
    s.isHost = 1;
    return s;
}

struct Case {
    const char* what;
    GateSituation s;
    int menu, row;
    V verdict;
    const char* text;  // "" when nothing is said
};

constexpr const char* kMyTurn = "Wait!  Let me finish my turn first!";
constexpr const char* kNetMenu = "Please use the Internet Menu during Internet games.";
constexpr const char* kTutorial = "Please don't use the Menus during the tutorial.";

}  // namespace

TEST(CommandGate, RowsByTurnAndGame) {
    GateSituation tutorial = Local();
    tutorial.tutorialOn = tutorial.menusLocked = true;
    GateSituation locked = Local(0);
    locked.menusLocked = true;
    GateSituation pending = ComputerOnTurn();
    pending.newGamePending = true;
    GateSituation pendingIdle = Local(1);
    pendingIdle.newGamePending = true;
    GateSituation dealing = Local(0);
    dealing.dealing = true;
    // Busy with Pturn back on the human (the last pause of a seat's turn) counts as moving.
    GateSituation busyOnHuman = Local(1);
    busyOnHuman.computerBusy = true;

    const Case cases[] = {
        {"human's turn: new game", Local(), 1, 0, V::Run, ""},
        {"nobody on turn: restore", Local(0), 1, 4, V::Run, ""},
        {"computer's turn: new game waits", ComputerOnTurn(), 1, 0, V::Defer, ""},
        {"computer's turn: save", ComputerOnTurn(), 1, 3, V::Refuse, kMyTurn},
        {"computer's turn: restore", ComputerOnTurn(), 1, 4, V::Refuse, kMyTurn},
        {"computer's turn: previous turn", ComputerOnTurn(), 1, 6, V::Refuse, kMyTurn},
        {"computer's last pause: restore", busyOnHuman, 1, 4, V::Refuse, kMyTurn},
        {"computer's turn: exit closes after it", ComputerOnTurn(), 1, 11, V::Run, ""},
        {"computer's turn: rules", ComputerOnTurn(), 2, 4, V::Refuse, kMyTurn},
        {"computer's turn: opponents", ComputerOnTurn(), 2, 5, V::Refuse, kMyTurn},
        {"computer's turn: speed", ComputerOnTurn(), 2, 0, V::Run, ""},
        {"computer's turn: preferences", ComputerOnTurn(), 2, 2, V::Run, ""},
        {"computer's turn: start internet", ComputerOnTurn(), 3, 0, V::Ignore, ""},
        {"computer's turn: peek", ComputerOnTurn(), 4, 3, V::Run, ""},
        {"computer's turn: tutorial", ComputerOnTurn(), 4, 1, V::Refuse, kMyTurn},
        {"new game pending: game rows silent", pending, 1, 0, V::Ignore, ""},
        {"new game pending: exit silent too", pending, 1, 11, V::Ignore, ""},
        {"new game pending: help still works", pendingIdle, 4, 8, V::Run, ""},
        {"separator", Local(), 1, 2, V::Ignore, ""},
        {"past the last row", Local(), 1, 12, V::Ignore, ""},
        {"options separator", Local(), 2, 12, V::Ignore, ""},
        {"no such menu", Local(), 5, 0, V::Ignore, ""},
        {"tutorial: any row", tutorial, 4, 8, V::Refuse, kTutorial},
        {"locked: any row", locked, 2, 0, V::Ignore, ""},
        {"dealing: peek", dealing, 4, 3, V::Ignore, ""},
        {"dealing: counter", dealing, 4, 4, V::Run, ""},
        // Internet games.
        {"host: new game (F2)", Host(3), 1, 0, V::Run, ""},
        {"remote: new game (F2)", Remote(), 1, 0, V::Ignore, ""},
        {"nobody connected: new game", Waiting(), 1, 0, V::Ignore, ""},
        {"host: save from the game menu", Host(), 1, 3, V::Refuse, kNetMenu},
        {"remote: restore", Remote(), 1, 4, V::Refuse, kNetMenu},
        {"host: previous turn", Host(), 1, 6, V::Refuse, kNetMenu},
        {"remote: change player", Remote(), 1, 1, V::Refuse, kNetMenu},
        {"remote: scores and stats", Remote(2), 1, 9, V::Run, ""},
        {"remote: exit", Remote(2), 1, 11, V::Run, ""},
        {"host: rules", Host(), 2, 4, V::Refuse, kNetMenu},
        {"remote: opponents", Remote(), 2, 5, V::Refuse, kNetMenu},
        {"another's turn: preferences", Remote(2), 2, 2, V::Refuse,
         "Please wait until your turn to change game preferences!"},
        {"own turn: preferences", Remote(1), 2, 2, V::Run, ""},
        {"another's turn: speed", Host(3), 2, 0, V::Run, ""},
        {"another's turn: tutorial", Host(2), 4, 1, V::Refuse, kNetMenu},
        {"local: internet players setup not listed", Local(), 3, 3, V::Ignore, ""},
        {"local: start internet game", Local(), 3, 0, V::Run, ""},
        {"nobody connected: end it", Waiting(), 3, 0, V::Run, ""},
        {"nobody connected: save this game", Waiting(), 3, 4, V::Ignore, ""},
        {"remote: save this game", Remote(), 3, 4, V::Run, ""},
        {"remote: host setup not listed", Remote(), 3, 7, V::Ignore, ""},
        {"remote: send saved game not listed", Remote(), 3, 5, V::Ignore, ""},
        {"host: new game row", Host(2), 3, 10, V::Run, ""},
        {"host: internet separator", Host(), 3, 8, V::Ignore, ""},
    };
    for (const Case& c : cases) {
        const GateAnswer a = GateCommand(c.s, c.menu, c.row);
        EXPECT_EQ(a.verdict, c.verdict) << c.what;
        EXPECT_EQ(a.text, c.text) << c.what;
    }
}

TEST(CommandGate, TitlesOfTheDrawnBar) {
    GateSituation tutorial = Local();
    tutorial.tutorialOn = tutorial.menusLocked = true;
    const Case cases[] = {
        {"human's turn: game", Local(), 1, 0, V::Run, ""},
        {"computer's turn: game", ComputerOnTurn(), 1, 0, V::Refuse, kMyTurn},
        {"computer's turn: options", ComputerOnTurn(), 2, 0, V::Run, ""},
        {"computer's turn: internet, silently", ComputerOnTurn(), 3, 0, V::Ignore, ""},
        {"computer's turn: help", ComputerOnTurn(), 4, 0, V::Run, ""},
        {"internet game: game", Host(), 1, 0, V::Refuse, kNetMenu},
        {"nobody connected yet: game", Waiting(), 1, 0, V::Refuse, kNetMenu},
        {"another's turn online: internet", Remote(3), 3, 0, V::Run, ""},
        {"tutorial: help", tutorial, 4, 0, V::Refuse, kTutorial},
    };
    for (const Case& c : cases) {
        const GateAnswer a = GateMenuTitle(c.s, c.menu);
        EXPECT_EQ(a.verdict, c.verdict) << c.what;
        EXPECT_EQ(a.text, c.text) << c.what;
    }
}

TEST(CommandGate, AppliedGateShowsRefusalsAndMarksTheDeferredNewGame) {
    CallLog log;
    ScriptedDialogs dialogs{log};
    Game g;
    g.Pturn = 3;
    g.ComputerBusy = VbTrue;

    EXPECT_FALSE(PassGate(g, &dialogs, 1, 0));
    EXPECT_EQ(g.NewGamePending, VbTrue);
    EXPECT_EQ(dialogs.asked, 0);

    // Once New Game waits, the Game menu is silent until the computer's loop takes it.
    EXPECT_FALSE(PassGate(g, &dialogs, 1, 4));
    EXPECT_EQ(dialogs.asked, 0);

    g.NewGamePending = VbFalse;
    EXPECT_FALSE(PassGate(g, &dialogs, 1, 4));
    EXPECT_EQ(dialogs.lastText, "Wait!  Let me finish my turn first!");
    EXPECT_EQ(dialogs.lastTitle, "Brivo:");

    // The loop ran the deferred New Game: nobody on turn, not busy.
    g.Pturn = 0;
    g.ComputerBusy = VbFalse;
    EXPECT_TRUE(PassGate(g, &dialogs, 1, 0));
}

TEST(CommandGate, ListGreysOnlyTheRowsPassedOverInSilence) {
    GateSituation dealing = Local(0);
    dealing.dealing = true;
    const std::vector<MenuRow> help = GatedMenuRows(4, {}, dealing);
    ASSERT_EQ(help.size(), 9u);
    EXPECT_FALSE(help[3].enabled);  // Peek while a card is dealt
    EXPECT_TRUE(help[4].enabled);

    // Refused with a message: the row stays live so the player hears why.
    const std::vector<MenuRow> game = GatedMenuRows(1, {}, ComputerOnTurn());
    EXPECT_TRUE(game[4].enabled);
    EXPECT_TRUE(game[0].enabled);
}

// Whose turn the gate counts as the computer's, in a local game: every opponent seat (2, 3, 4)
// whether or not its busy flag is up yet, and any seat while the flag is up; nobody on turn and
// the player's own turn are the player's.
TEST(CommandGate, EveryOpponentSeatWithOrWithoutItsBusyFlagIsTheComputersTurn) {
    const struct {
        int pturn;
        bool busy;
        bool computers;
    } cases[] = {
        {0, false, false}, {1, false, false}, {2, false, true}, {3, false, true}, {4, false, true},
        {0, true, true},   {1, true, true},   {2, true, true},  {3, true, true},  {4, true, true},
    };
    for (const auto& c : cases) {
        GateSituation s = Local(c.pturn);
        s.computerBusy = c.busy;
        const GateAnswer save = GateCommand(s, 1, 3);
        EXPECT_EQ(save.verdict, c.computers ? V::Refuse : V::Run) << c.pturn << c.busy;
        EXPECT_EQ(save.text, c.computers ? kMyTurn : "") << c.pturn << c.busy;
        EXPECT_EQ(GateCommand(s, 1, 0).verdict, c.computers ? V::Defer : V::Run)
            << c.pturn << c.busy;
    }
}
