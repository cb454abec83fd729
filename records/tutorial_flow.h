#pragma once
// The tutorial's steps: moving forward and back through the script, the fixed actions of the
// early steps, the prepared positions, and what each step's directive enables on the table. The
// window and the game are reached through TutorialHost, so the whole walk runs in tests.
#include <string>
#include <vector>

#include "records/tutorial_script.h"

class TutorialHost {
  public:
    virtual ~TutorialHost() = default;

    // The tutorial window.
    virtual void ShowText(const std::string& text) = 0;
    virtual void SetNextEnabled(bool enabled) = 0;
    virtual void SetNextVisible(bool visible) = 0;
    virtual void SetBackEnabled(bool enabled) = 0;
    virtual void SetBackVisible(bool visible) = 0;
    virtual void ClearPicture() = 0;
    virtual void MoveToScreenEdge() = 0;

    // The pointers on the main window.
    virtual void PointAtCenterArea() = 0;
    virtual void PointAtSideStack() = 0;
    // imgTipUp under a card of the human's row (1-6), imgTip beside the hold piles (7-10).
    virtual void PointAtPile(int pile) = 0;
    virtual void HideUpPointer() = 0;
    virtual void HidePointers() = 0;
    virtual void PointersToFront() = 0;

    // The table and the game.
    virtual void ResetTable() = 0;
    virtual void EnablePlayerPiles(bool enabled) = 0;
    virtual void EnablePile(int pile) = 0;
    // Restores prepared position `record` onto the table and keeps it as the game's start
    // (record 13). False when the record holds no sound position: the tutorial cannot go on.
    virtual bool LoadPosition(int record) = 0;
    virtual void ComputerTurn() = 0;
    virtual int PlayerOnTurn() const = 0;
    // A play or the computer's turn is being carried out: the buttons wait.
    virtual bool GameBusy() const = 0;
    virtual void Pause(double seconds) = 0;
    virtual void PlayCardSound(int kind) = 0;

    // The tutorial cannot go on: tell the player and end it.
    virtual void Abandon(const std::string& message) = 0;
};

// Where the card a step asks for is to go: the step's text names the place, its directive the
// kind of place.
enum class TutorialTarget { Center, Hold, Anywhere };

// The move the step on view waits for: the human's pile `pile` (1 the side pile, 2-6 the hand,
// 7-10 the hold piles) to `target`. No pile: the step waits for no move of the player's. While
// the tutorial runs, a card it does not ask for stays where it is.
struct TutorialAsk {
    int pile = 0;
    TutorialTarget target = TutorialTarget::Anywhere;

    bool MayPick(int slot) const { return pile != 0 && slot == pile; }
    // Onto a center pile (`toCenter`) or onto `slot` of the human's own row.
    bool MayDrop(bool toCenter, int slot) const;
};

// What the main window asks the running tutorial before a card moves.
class TutorialAsks {
  public:
    virtual ~TutorialAsks() = default;
    virtual TutorialAsk Asked() const = 0;
};

inline constexpr const char* kTurnOverLine = "== Brivo's turn is over. Click Next to continue. ==";

class TutorialFlow {
  public:
    explicit TutorialFlow(TutorialHost& host) : host_(host) {}

    // Takes the script's lines and shows the first step; false (nothing shown) for no script.
    bool Start(std::vector<std::string> lines);

    void NextClicked();
    void BackClicked();
    // The computer's turn begins: the player has nothing to move until it is over.
    void TurnStarting();
    // The computer's turn has ended: the table is still and Next goes on.
    void TurnOver();
    // The player laid the card the step asked for: Next goes on.
    void CardPlayed();

    int Step() const { return step_; }
    int StepCount() const { return static_cast<int>(steps_.size()); }
    // Leaving before the last step asks first.
    bool ExitNeedsQuestion() const { return step_ < StepCount(); }
    bool Abandoned() const { return abandoned_; }
    const std::string& Text() const { return text_; }
    const TutorialAsk& Asked() const { return asked_; }

  private:
    void Move(bool back);
    void FixedActions();
    void Display();
    // Carries out the step's directive; false when the tutorial had to stop.
    bool Carry(const TutorialStepLine& line);
    bool Load(int record);
    void Show(const std::string& text);

    TutorialHost& host_;
    std::vector<std::string> steps_;
    int step_ = 0;
    bool busy_ = false;
    bool abandoned_ = false;
    std::string text_;
    TutorialAsk asked_;
};
