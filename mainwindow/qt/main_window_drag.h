#pragma once
// The human's mouse on the main window: presses, moves, releases and double clicks on their own
// row of card boxes, the Deal button and the status bar's clickable panels. The card box itself
// follows the pointer (its place in the table's layout and its widget move together); no
// platform drag and drop is involved. What each gesture means is decided by CardMouse and the
// Deal button's logic; this only turns Qt's events into their calls and shows the result.
#include <QObject>
#include <QRect>
#include <array>
#include <functional>

#include "board/board_looks.h"
#include "engine/engine.h"
#include "mainwindow/card_mouse.h"
#include "mainwindow/deal_button.h"
#include "mainwindow/drag_state.h"
#include "mainwindow/main_window_state.h"
#include "platform/hook_check.h"

class BoardShell;
class FrmBrivo;
class QMouseEvent;

struct MainWindowDragParts {
    Game& game;
    Engine& engine;
    MainWindowState& state;
    BoardShell& board;
    FrmBrivo& window;
    // The running tutorial, which decides which card may move.
    const TutorialAsks& tutorial;
    const BoardLooks* looks = nullptr;
    // The records' restart of a turn, which the Undo panel asks for one play back.
    std::function<void()> restartTurn;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("MainWindowDragParts").Need("restartTurn", restartTurn);
    }
};

class MainWindowDrag : public QObject, public CardMouseShell {
    Q_OBJECT
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        p_.NeedHooks(check);
        check.In("MainWindowDrag")
            .Need("showHumanHidden", showHumanHidden)
            .Need("closeMenus", closeMenus)
            .Need("hideNetNotices", hideNetNotices);
    }
    explicit MainWindowDrag(MainWindowDragParts parts);
    ~MainWindowDrag() override;

    CardMouse& Mouse() { return mouse_; }
    DragState& Drag() { return drag_; }
    // The Deal button's click.
    void DealClicked();

    // Filled by the windows that show them: the hold-cards window with the human's hidden
    // cards of a slot, the drawn menus' close, a remote's network notices.
    std::function<void(int slot)> showHumanHidden;
    std::function<void()> closeMenus;
    std::function<void()> hideNetNotices;

    // CardMouseShell.
    void BoxMoved(int slot) override;
    void HomeStepShown(int slot) override;
    void ShowHumanHidden(int slot) override;
    void CloseMenus() override;
    void CloseWindow() override;
    bool DealButtonShown() const override;
    TutorialAsk TutorialAsked() const override { return p_.tutorial.Asked(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    bool TableMouse(QEvent* e);
    bool PanelClicked(QObject* watched, QEvent* e);
    QRect BoxRect(int slot) const;
    DealButtonParts DealParts();

    MainWindowDragParts p_;
    DragState drag_;
    CardMouse mouse_;
    // The box that took the last press: moves and the release go to it.
    int pressedSlot_ = 0;
    // Where each box was last shown, so that only what it leaves and enters is painted again.
    std::array<QRect, 11> shownAt_{};
};
