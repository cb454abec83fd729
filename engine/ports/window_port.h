#pragma once
// The main window's controls and shows that the game flow switches: the dragged card's return,
// turn markers, the Deal button, the idle-comment timer and the end-of-game shows.
#include <string>

class WindowPort {
  public:
    virtual ~WindowPort() = default;
    // Puts the box of `slot` back where the drag started.
    virtual void ReturnDraggedCard(int slot) = 0;
    // Shows whose turn it is: 1 the human, 2-4 an opponent, 0 nobody.
    virtual void ShowTurnMarker(int pturn) = 0;
    virtual void ShowDealButton(bool visible) = 0;
    // Shows (or hides) the side-pile depth shapes after a deal.
    virtual void ShowSideStack(bool visible) = 0;
    virtual void StopIdleTimer() = 0;
    // The winning personality's end-of-game show, and the card animation after the human's win.
    virtual void Flash(const std::string& personalityName) = 0;
    virtual void AnimateCardsFlow(int style) = 0;
    // The developer's view of the shuffled stock.
    virtual void DebugShowDeck() = 0;
};
