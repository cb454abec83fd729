#pragma once
#include "engine/game.h"

// Empties every pile of the table: the players' cards, side and hold piles (the opponents'
// per-deal parts included), the stock, the used pile and the centers. Counters stay.
void ClearTablePiles(Game& g);
