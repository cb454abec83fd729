#pragma once
// The card-conservation check that tests and self-play runs call after every step: every card of
// the game in exactly one place, every count in range, every rank matching its id, the center
// piles in sequence and each side-pile and hold-pile top where the game's logic expects it.
#include <string>

#include "engine/game.h"

// Empty when the state is sound; otherwise a description of the first fault found.
std::string CheckConservation(const Game& g);
