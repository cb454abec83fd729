#pragma once
// The main window's controls as the game flow switches them: the Deal button, the idle timer,
// the turn markers and the shows (handed on to the window's shows).
#include <functional>

#include "engine/ports/window_port.h"
#include "platform/hook_check.h"

class FrmBrivo;
class QPushButton;
class RecordsWindows;
class TableLayout;
class WindowShows;

class MainWindowPort : public WindowPort {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("MainWindowPort")
            .Need("onReturnDraggedCard", onReturnDraggedCard)
            .Need("onDealButtonClick", onDealButtonClick);
    }
    explicit MainWindowPort(FrmBrivo& window) : window_(window) {}
    // The tutorial hears through here what the game does.
    void ConnectRecordsWindows(RecordsWindows& windows) { records_ = &windows; }
    // The markers, shows and views the game flow asks for.
    void ConnectShows(WindowShows* shows) { shows_ = shows; }
    // The table's model keeps the Deal button's state, so that laying the widgets out again
    // never brings back or hides the button against the game.
    void ConnectLayout(TableLayout* layout) { layout_ = layout; }

    void ReturnDraggedCard(int slot) override { onReturnDraggedCard(slot); }
    void ShowTurnMarker(int pturn) override;
    void ShowDealButton(bool visible) override;
    void ShowSideStack(bool visible) override;
    void ShowHoldImage(bool visible) override;
    void StopIdleTimer() override;
    void StartIdleTimer(int milliseconds) override;
    void MenuNewGame() override;
    void TutorialTurnOver() override;
    void TutorialTurnStarting() override;
    void TutorialCardPlayed() override;
    void Flash(const std::string& personalityName) override;
    void AnimateCardsFlow(int style) override;
    void DebugShowDeck() override;

    // New Game asked for during the end-of-game animation presses the Deal button, which
    // ends the animation and deals afterwards.
    void DealButtonClick() override { onDealButtonClick(); }

    // The mouse's card move puts a dragged box back home.
    std::function<void(int)> onReturnDraggedCard;
    // The Deal button's handler.
    std::function<void()> onDealButtonClick;

  private:
    QPushButton* DealButton() const;
    FrmBrivo& window_;
    RecordsWindows* records_ = nullptr;
    WindowShows* shows_ = nullptr;
    TableLayout* layout_ = nullptr;
};
