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
    // The card back laid over the human's depth shapes (ImgHold): hidden while only the last
    // side card is left.
    virtual void ShowHoldImage(bool visible) { (void)visible; }
    virtual void StopIdleTimer() = 0;
    // Starts the idle-comment timer after the computer players' turns.
    virtual void StartIdleTimer(int milliseconds) = 0;
    // The Game menu's New Game, chosen while the computer players moved and run once they stop.
    virtual void MenuNewGame() = 0;
    // The Deal button's handler, as when the player presses it: stops the end-of-game animation
    // (and, with NewGameAsked set, deals the new game that was asked for meanwhile).
    virtual void DealButtonClick() {}
    // In the tutorial: the computer's turn is over and the tutorial waits for its Next button.
    virtual void TutorialTurnOver() = 0;
    // In the tutorial: a computer player's turn starts (the pointers go, Back waits).
    virtual void TutorialTurnStarting() {}
    // In the tutorial: the player laid a card on a center pile, and Next may go on.
    virtual void TutorialCardPlayed() {}
    // The winning personality's end-of-game show, and the card animation after the human's win.
    virtual void Flash(const std::string& personalityName) = 0;
    virtual void AnimateCardsFlow(int style) = 0;
    // The developer's view of the shuffled stock.
    virtual void DebugShowDeck() = 0;
};
