#pragma once
// The score arithmetic of one row of an Internet score file: the game's margin, one more game,
// one more win for the winner's row, and the margin added for a win or taken off for a loss.
// The tallies are 16-bit: they stop at the limits instead of wrapping round.
#include "engine/game.h"

namespace net {

// `margin` is the cards left on every side pile (Engine::DoTheMargin); kept in LastMargin.
void DoTheNETMath(Game& g, i16 margin, bool thisOneWon);

}  // namespace net
