#pragma once
// Whose payoff card a center value blocks.
#include <string>

#include "engine/game.h"

// The player (1 the human, 2-4 a computer seat other than the one on turn) whose payoff card has
// value `value`, 0 when none; seats are looked at only with three or four players.
int SideCardOwnerPlayer(const Game& g, i16 value);

// That player's name: PlayerName for the human, the seat's name otherwise, "" when none.
std::string SideCardOwner(const Game& g, i16 value);
