#pragma once
// A peer that goes quiet in the middle of an exchange: its program answers card plays, their
// closes, the first player and the layout by itself, so a wait for one of those that lasts is a
// program that hangs or is stopped, not a person thinking. The waits go on as they are; the
// player is told whom the game waits for and how to end it.
#include <string>

#include "engine/game.h"
#include "net/session_state.h"

namespace net {

// How long a wait goes without the awaited line before the player is told.
inline constexpr double kQuietSeconds = 20;

// The peer whose program owes the line a wait is held up by; -1 when the game waits for a
// person (a card play, the Deal button) or for nothing.
int AwaitedPeer(const SessionState& s, const Game& g);

// The notice naming the player the game waits for and the key of END Internet Game.
std::string QuietNotice(const SessionState& s, const Game& g, int peer, const std::string& endKey);

}  // namespace net
