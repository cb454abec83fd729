#pragma once
// The whole position of a game as text and as a digest, written the same on every machine of an
// Internet game: players are numbered as the host numbers them (the host 1, its opponents 2-4),
// whatever this machine calls them, and every pile is listed bottom to top with its top, so that
// two machines showing the same game give the same text.
#include <cstdint>
#include <string>

#include "engine/game.h"

// The host's number of this machine's player `local` (1 the local human); `remote` when this
// machine is a remote of the game.
int HostNumberOf(const Game& g, int local, bool remote);
std::string PositionText(const Game& g, bool remote);
std::uint64_t PositionDigest(const Game& g, bool remote);
// The position as the turn of the player on turn begins, the same on every machine however far
// that player's hand has been refilled: the hand's cards are counted with the stock and the used
// pile, as one sorted list.
std::string TurnStartText(const Game& g, bool remote);
std::uint64_t TextDigest(const std::string& text);
