#pragma once
// The main window's shows and markers as the game flow asks for them: whose turn it is, the
// side-pile depth shapes and the card back on the human's, the personality's end-of-game show,
// the card animation after a win, the developer's view of the shuffled deck, and a New Game
// chosen while the computer moved, run once the game's call stack has unwound.
#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "board/board_looks.h"
#include "engine/game.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/qt/cards_flow_view.h"
#include "platform/hook_check.h"
#include "platform/pause.h"

class BoardShell;
class FrmBrivo;
class FrmShuffledDeck;

struct WindowShowsParts {
    Game& game;
    MainWindowState& state;
    BoardShell& board;
    const BoardLooks& looks;
    FrmBrivo& window;
    Clock& clock;
    EventPump& pump;
    Dialogs* dialogs = nullptr;
    // The Game menu's New Game and the Deal button's handler.
    std::function<void()> newGame;
    std::function<void()> pressDeal;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("WindowShowsParts").Need("newGame", newGame).Need("pressDeal", pressDeal);
    }
};

class WindowShows : public QObject {
    Q_OBJECT
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { p_.NeedHooks(check); }
    explicit WindowShows(WindowShowsParts parts);
    ~WindowShows() override;

    void ShowTurnMarker(int pturn);
    void ShowSideStack(bool visible);
    void ShowHoldImage(bool visible);
    void MenuNewGame();
    void Flash(const std::string& personalityName);
    void AnimateCardsFlow(int style);
    void DebugShowDeck();

    CardsFlowView& CardsFlow() { return flow_; }
    FrmShuffledDeck* ShuffledDeck() const;

  private:
    WindowShowsParts p_;
    CardsFlowView flow_;
    QPointer<QWidget> deck_;
};
