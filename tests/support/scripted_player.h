#pragma once
// The scripted player 1 of whole games run by calls (self-play, the Internet games between
// machines): lays its side card whenever it fits, then hold tops and hand cards that fit, a wild
// King only where it lets the side card follow; then discards its highest hand card where it
// continues a pile downwards, else on an empty pile, else the smallest. Not part of the program.
#include <functional>

#include "engine/engine.h"

class ScriptedPlayer {
  public:
    // `turnStamp` changes once this player's turn is over (the others have moved): from then on
    // the player makes no further play even when the turn has come round to it again.
    ScriptedPlayer(Game& g, Engine& e, std::function<int()> turnStamp)
        : g(g), e(e), turnStamp_(std::move(turnStamp)) {}

    void PlayTurn();

  private:
    i16 Rank(int slot) const { return g.HumanCards[kRank][slot]; }
    bool OnTurn() const { return g.Pturn == 1 && turnStamp_() == turnStart_; }
    bool Play(int slot, int center);
    bool PlayOne();
    void Discard();
    int PileFor(i16 r) const;
    void TryDiscard(int slot, int pile);

    Game& g;
    Engine& e;
    std::function<int()> turnStamp_;
    int turnStart_ = 0;
};
