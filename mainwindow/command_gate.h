#pragma once
// The one gate in front of every menu command, whether it comes from the drawn menus or from a
// key: the tutorial, the locked menus, a New Game already waiting, the computer's turn and the
// Internet game decide here whether a row runs now, is refused (with the message the menus
// give), is deferred until the computer players stop, or is ignored without a word. A key can
// therefore never do what the menu would refuse.
#include <string>
#include <vector>

#include "engine/game.h"
#include "mainwindow/menu_rows.h"
#include "platform/dialogs.h"

namespace menu {
constexpr int kGame = 1, kOptions = 2, kInternet = 3, kHelp = 4;
}

// What the gate needs to know of the moment.
struct GateSituation {
    bool tutorialOn = false;
    bool menusLocked = false;
    bool newGamePending = false;
    bool computerBusy = false;
    bool dealing = false;
    int pturn = 0;
    int netConnected = 0;  // 0 local, 99 set up with nobody connected, else connected peers
    int isHost = 0;
};

GateSituation SituationOf(const Game& g);

enum class GateVerdict {
    Run,     // carry the row out now
    Refuse,  // show the message and do nothing else
    Defer,   // New Game while the computer players move: it runs when they stop
    Ignore,  // do nothing, say nothing
};

struct GateAnswer {
    GateVerdict verdict = GateVerdict::Run;
    std::string text;
    std::string title;
    int style = mb::Information;
};

// The verdict on a click on the title of `menu` (1 Game to 4 Help) of the drawn bar.
GateAnswer GateMenuTitle(const GateSituation& s, int menu);
// The verdict on row `row` of `menu` (rows counted from 0 with the separators).
GateAnswer GateCommand(const GateSituation& s, int menu, int row);

// The rows of `menu` as the list shows them now: a row the gate would pass over without a word
// is greyed; a row it refuses with a message stays live, so the player learns why.
std::vector<MenuRow> GatedMenuRows(int menu, const MenuView& view, const GateSituation& s);

// The gate applied: a refusal is shown, a deferred New Game is marked pending. True when the
// caller is to carry the row out now.
bool PassGate(Game& g, Dialogs* dialogs, int menu, int row);
bool PassTitleGate(Game& g, Dialogs* dialogs, int menu);

namespace gate_text {
inline constexpr const char* kTutorial = "Please don't use the Menus during the tutorial.";
inline constexpr const char* kTutorialTitle = "Using Tutorial";
inline constexpr const char* kMyTurn = "Wait!  Let me finish my turn first!";
inline constexpr const char* kMyTurnTitle = "Brivo:";
inline constexpr const char* kInternetMenu = "Please use the Internet Menu during Internet games.";
inline constexpr const char* kInternetMenuTitle = "Quorvane Online";
inline constexpr const char* kWaitYourTurn =
    "Please wait until your turn to change game preferences!";
inline constexpr const char* kWaitYourTurnTitle = "Don't hold up the game!";
}  // namespace gate_text
