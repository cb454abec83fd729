#pragma once
// The computer players' turn, which the engine hands over to when a computer seat is next.
class TurnPort {
  public:
    virtual ~TurnPort() = default;
    // Plays the turns of the seats after the human until the human is on turn again.
    virtual void ComputerTurn() = 0;
};
