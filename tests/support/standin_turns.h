#pragma once
// A plain computer seat for headless games until the real computer opponent plays them: it
// refills its hand, lays its side card while one fits, and discards its first hand card.
#include <functional>

#include "engine/engine.h"

class StandInTurns : public TurnPort {
  public:
    explicit StandInTurns(Engine& engine) : e_(engine) {}
    // Plays the seats after the human until the human is on turn again (or the game is over),
    // then fills the human's hand for the new turn.
    void ComputerTurn() override;

    // Called after every step of a seat's turn (tests check the cards there).
    std::function<void()> afterStep;
    int turnsPlayed = 0;

  private:
    // False when the game ended or was given up during the seat's turn.
    bool PlaySeat();
    bool PlaySideCards();
    void Discard();
    void Step() {
        if (afterStep) afterStep();
    }
    Engine& e_;
};
