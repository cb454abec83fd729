#pragma once
// Follows a computer turn from outside: self-play checks the cards after every step and times
// each seat's turn. Every call comes at a point where all cards are in their places.
class TurnWatcher {
  public:
    virtual ~TurnWatcher() = default;
    // Seat `player` (2-4) has been loaded and is about to play.
    virtual void SeatTurnStarted(int player) = 0;
    // A card has been played, a hand refilled or a discard made; "pass limit" when a turn ran
    // out of passes (it then discards).
    virtual void Step(const char* what) = 0;
    // The seat's turn is over (handed on, the game ended or was given up).
    virtual void SeatTurnEnded(int player) = 0;
};
