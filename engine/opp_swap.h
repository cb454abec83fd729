#pragma once
// Copying an opponent seat into the working copy of the player on turn and back.
#include "engine/game.h"
#include "engine/ports/board_port.h"

// store false: record Opp[opp] (1-3) into the working copy; true: the working copy back into it.
// Name, level, avatar, sounds and comments are never written back. When loading, `board` (if
// given) shows the seat's avatar where several opponents share the avatar box. In an Internet
// game CompLevel carries the host's socket of the player on turn instead of a level.
void OppSwap(Game& g, int opp, bool store, BoardPort* board = nullptr);

// Opponent `opp` (1-3) as it stands now: its record, or, while the working copy holds that
// player, the record with the working copy's cards and counters.
OpponentRecord CurrentOpp(const Game& g, int opp);

// Clears the per-deal parts of a record: hold piles, their info, visible cards, statistics and
// wild counters. The side pile and the personality stay.
void EraseOppArrays(OpponentRecord& opp);
