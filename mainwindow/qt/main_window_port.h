#pragma once
// The main window's controls as the game flow switches them: the Deal button and the idle
// timer. The shows and markers that belong to play with the mouse stay quiet until that lands.
#include "engine/ports/window_port.h"

class FrmBrivo;
class QPushButton;
class RecordsWindows;

class MainWindowPort : public WindowPort {
  public:
    explicit MainWindowPort(FrmBrivo& window) : window_(window) {}
    // The tutorial hears through here what the game does.
    void ConnectRecordsWindows(RecordsWindows& windows) { records_ = &windows; }

    void ReturnDraggedCard(int) override {}
    void ShowTurnMarker(int) override {}
    void ShowDealButton(bool visible) override;
    void ShowSideStack(bool) override {}
    void StopIdleTimer() override;
    void StartIdleTimer(int milliseconds) override;
    void MenuNewGame() override {}
    void TutorialTurnOver() override;
    void TutorialTurnStarting() override;
    void TutorialCardPlayed() override;
    void Flash(const std::string&) override {}
    void AnimateCardsFlow(int) override {}
    void DebugShowDeck() override {}

  private:
    QPushButton* DealButton() const;
    FrmBrivo& window_;
    RecordsWindows* records_ = nullptr;
};
