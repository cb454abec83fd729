#pragma once
// The human's mouse on their own row of card boxes (Picture7: 1 the side pile, 2-6 the hand,
// 7-10 the hold-pile tops): a press, a drag and a release become a play onto a center pile, a
// discard that ends the turn, a new order of the hand or the card's way back home; a double
// click plays a card onto the first center pile it fits; a right press asks what lies hidden.
// The rules are the engine's; this only asks and reports. The card box itself follows the
// pointer: its place lives in the table's layout, which the window shows.
#include "engine/engine.h"
#include "engine/game.h"
#include "mainwindow/drag_state.h"
#include "mainwindow/drop_target.h"
#include "mainwindow/main_window_state.h"
#include "records/tutorial_flow.h"

class TableLayout;

// What the mouse needs of the window around the table.
class CardMouseShell {
  public:
    virtual ~CardMouseShell() = default;
    // The box of `slot` was moved in the layout: the window shows it at its new place.
    virtual void BoxMoved(int slot) = 0;
    // One step of a card's way home has been placed: the window shows it before the next.
    virtual void HomeStepShown(int slot) { BoxMoved(slot); }
    // The hold-cards window with the human's hidden cards of `slot` (1 the side pile, 7-10 a
    // hold pile).
    virtual void ShowHumanHidden(int slot) = 0;
    // The drawn menu bar is hidden and an open drop-down closed.
    virtual void CloseMenus() = 0;
    // The program was closed while the turn ran: the window goes now.
    virtual void CloseWindow() = 0;
    // The Deal button shows (between games).
    virtual bool DealButtonShown() const = 0;
    // The move the running tutorial waits for; asked only while it runs.
    virtual TutorialAsk TutorialAsked() const = 0;
};

namespace mouse_button {
constexpr int kLeft = 1;
constexpr int kRight = 2;
}  // namespace mouse_button

// The human's box under the window point (x, y): the topmost shown box that takes the mouse,
// 0 when none does.
int HumanBoxAt(const TableLayout& layout, double x, double y);
// The human's box under (x, y) that a right press asks about: one that takes the mouse, or else
// a pile that holds no card and so takes no other press: an empty hold pile, or the side pile
// once its last card has gone (its box is hidden then).
int HumanInfoBoxAt(const TableLayout& layout, const Game& g, double x, double y);

class CardMouse {
  public:
    CardMouse(Game& g, Engine& engine, MainWindowState& window, TableLayout& layout,
              DragState& drag, CardMouseShell& shell)
        : g(g), e_(engine), w_(window), t_(layout), d_(drag), shell_(shell) {}

    // (x, y) are the pointer's place inside the box, as the box lies now.
    void Picture7_MouseDown(int index, int button, bool ctrl, int x, int y);
    void Picture7_MouseMove(int index, int x, int y);
    void Picture7_MouseUp(int index);
    void Picture7_DblClick(int index);

    // Puts the box of `slot` straight back home (a refused discard, a play carried out).
    void ReturnDraggedCard(int slot);
    // A box is being dragged now.
    bool Dragging() const { return g.Dragging == 1; }

  private:
    void RightPressInfo(int index, bool ctrl);
    bool PressRefused();
    bool TutorialRefusesPick(int index) const;
    bool TutorialRefusesDrop(const DropResult& r) const;
    void StartDrag(int index, int x, int y);
    void ShowUnderHoldTop(int index);
    void HideSpare();
    void DropOnCenter(int index, int pile);
    void DropOnOwnRow(int index, int target);
    void SortHand(int index, int target);
    void Discard(int index, int target);
    void GoHome(int index);
    void PutAt(int index, double left, double top);
    void ClearMessages();
    bool BothSidesHoldCards() const;
    bool AwayFromHome(int index) const;

    Game& g;
    Engine& e_;
    MainWindowState& w_;
    TableLayout& t_;
    DragState& d_;
    CardMouseShell& shell_;
    // The spare box shows the card under a dragged hold-pile top.
    bool spareShown_ = false;
};
