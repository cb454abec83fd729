#pragma once
// The commands of the four drawn menus, whether chosen in a drop-down or given by a key. Run
// puts a row through the command gate first; MenuGame, MenuOptions, MenuInternet and MenuHelp
// carry a row out and are also called directly by the code that runs a row for the player (the
// deferred New Game, the save after a lost connection). Each hides the menu bar first.
#include <functional>
#include <string>

#include "engine/engine.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/added_background.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/menu_shell.h"
#include "records/game_records.h"

// The menus' own state between commands.
struct MenuState {
    // The Internet game is being restarted from its beginning (the host's Restart).
    bool NetRestart = false;
    // The scoreboard's opening tab: 0 from the Game menu.
    int StatsMode = 0;
};

// The three web rows of the Help menu: 1 the game's page, 2 its online gaming page, 3 a page
// that shows the visitor's Internet address.
std::string SiteAddress(int choice);

// The peek notice as a system chat line: a peer from version 7.4 on reads "$-" before the text.
std::string PeekNoticeText(bool peeking, const std::string& peerVersion);

struct MenuCommandsParts {
    Game& g;
    Engine& engine;
    GameRecords& records;
    const Services& sv;
    MainWindowState& window;
    MenuShell& shell;
    // The running number of the next chat or system line this machine sends.
    std::function<int()> nextChatSeq{};
    // The opponents still peeking at this player (shown again when peeking stops).
    std::function<bool()> oppPeeking{};
};

class MenuCommands {
  public:
    explicit MenuCommands(MenuCommandsParts parts) : p_(std::move(parts)) {}

    // A row chosen by the player (the drop-down or a key): through the gate, then carried out.
    // `value` is the pop-up's choice for Display Size and the web rows. True when it ran.
    bool Run(int menu, int row, int value = 0);
    // The same once the gate has let the row through (the keys ask the gate themselves).
    void Dispatch(int menu, int row, int value);

    void MenuGame(int item);
    void MenuOptions(int item, int value);
    void MenuInternet(int item);
    void MenuHelp(int item, int value);

    MenuState& state() { return state_; }

  private:
    void Save();
    void Restore();
    void PreviousTurn();
    void RestartGame();
    bool RecordHoldsGame(int slot);
    void Rules();
    void AddBackground();
    void SendSavedGame();
    void Peek();
    void SendPeekNotice();
    void CardCounter();
    void Say(const std::string& text, int style, const std::string& title) const;

    MenuCommandsParts p_;
    MenuState state_;
};
