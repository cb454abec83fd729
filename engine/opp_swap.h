#pragma once
// Copying an opponent seat into the working copy of the player on turn and back.
#include "engine/game.h"

// store false: record Opp[opp] (1-3) into the working copy; true: the working copy back into it.
// Name, level, avatar, sounds and comments are never written back.
void OppSwap(Game& g, int opp, bool store);

// Clears the per-deal parts of a record: hold piles, their info, visible cards, statistics and
// wild counters. The side pile and the personality stay.
void EraseOppArrays(OpponentRecord& opp);
