#pragma once
// The table the tutorial's steps and prepared positions are made for: two players, three center
// piles, side piles of twenty cards and Aces that need not be played at once.
#include "engine/game.h"

// Sets the game's counts and rules to the tutorial's table; true when any count changed, so that
// the table has to be laid out again.
bool SetTutorialTable(Game& g);
