#pragma once
// The drawn menus on the main window: the bar shown when the pointer touches the window's top
// edge or the menu picture, hidden by a press elsewhere, Esc or any command; a click on a title
// opens its drop-down list (one click moves from one title to another); a chosen row, with its
// pop-up's choice, goes through the command gate to the menu commands once the list has
// closed. The controller is also the commands' view of the window (MenuShell).
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "board/board_looks.h"
#include "engine/engine.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/menu_bar.h"
#include "mainwindow/menu_commands.h"
#include "mainwindow/menu_shell.h"
#include "platform/hook_check.h"
#include "records/game_records.h"

class BoardShell;
class FrmBrivo;
class FrmMenu;
class MainWindow;
class MenuBarPanel;
class MenuReveal;

struct MenuControllerParts {
    Game& g;
    MainWindowState& state;
    const Services& sv;
    FrmBrivo& window;
    BoardShell& board;
    BoardLooks& looks;
    MainWindow& main;
    Engine& engine;
    GameRecords& records;
};

// What other parts of the window carry out for the menus; the composition sets each one.
struct MenuHooks {
    std::function<void(bool rulesOnly)> setupOpponents;
    std::function<void(const ResumeNote&)> sendRecover;
    std::function<void()> changeNoise;
    std::function<void()> takeFontSize;
    std::function<bool()> oppPeeking;
    std::function<int()> nextChatSeq;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("MenuHooks")
            .Need("setupOpponents", setupOpponents)
            .Need("sendRecover", sendRecover)
            .Need("changeNoise", changeNoise)
            .Need("takeFontSize", takeFontSize)
            .Need("oppPeeking", oppPeeking)
            .Need("nextChatSeq", nextChatSeq);
    }
};

class MenuController : public QObject, public MenuShell {
    Q_OBJECT
  public:
    MenuController(MenuControllerParts parts, MenuHooks hooks);
    ~MenuController() override;

    // The commands, for the keys and for the code that runs a row for the player.
    MenuCommands& Commands() { return *commands_; }
    MenuHooks& Hooks() { return hooks_; }

    // Esc, a resize, shutdown: the bar and any open list go.
    void CloseMenus() { HideMenuBar(); }
    bool BarShown() const;
    bool MenuOpen() const { return menuOpen_; }
    // Puts the menu picture where the layout has it and takes the menu style.
    void Place();

    // For the tests: the bar's press and move handlers, at a position on the bar.
    void PressBar(QPoint at);
    void MoveOverBar(QPoint at);
    // For the tests: a press on row `row` of the open list.
    void PressRow(int row, QPoint globalPos);
    FrmMenu* DropDown() const;
    MenuBarPanel* Bar() const { return panel_; }

    // MenuShell.
    void HideMenuBar() override;
    void CloseMainWindow() override;
    void ChangeNoise() override;
    void CycleBackground(int keyCode) override;
    void LoadBackground() override;
    void ShowBackground(const std::string& fileName) override;
    void SetStretchBackground(bool stretch) override;
    void ChangeDisplay(int action) override;
    void PlaceStatusArea() override;
    bool StatusBarShown() const override;
    void ShowStatusBar(bool show) override;
    void ShowCounter() override;
    void RefreshCounterIfShown() override;
    void ShowPeekLabel(const std::string& text, bool visible) override;
    bool OpenWeb(const std::string& address) override;
    void StopAnimation() override;
    void TakeFontSize() override;
    void SetupOpponents(bool rulesOnly) override;
    void SetupInternet() override;
    void SendRecover(const ResumeNote& note) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void ShowBar();
    void OpenList(int menu);
    void CloseList();
    void KeysBackToWindow();
    void RunChosen(int menu, int row, int value);
    void PointerAtTop(int y);
    void PressOnWindow(QObject* watched);
    void PlayMenuSound(int id) const;
    bool Wood() const;
    void AfterLayoutChange();

    MenuControllerParts p_;
    MenuHooks hooks_;
    std::unique_ptr<MenuCommands> commands_;
    MenuBarPanel* panel_;
    MenuReveal* reveal_;
    QPointer<FrmMenu> dropDown_;
    RevealBand topBand_;
    AnimationPointerWatch animationWatch_;
    bool menuOpen_ = false;
    bool hoverPlayed_ = false;
};
