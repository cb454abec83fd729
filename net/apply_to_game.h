#pragma once
// Carries out the part of a dispatched line's actions that is the game's own state: the codes
// and answers the game flow waits on, the move and the first player received, the deck's payload,
// the peer's version, the connection count, the opponents' names and the table's counts. What the
// window shows, plays or re-lays is left to the window's side.
#include "engine/game.h"
#include "net/net_actions.h"

namespace net {

// True when `a` is wholly the game's state and has been applied; false when the window's side
// has (also) to carry it out.
bool ApplyToGame(Game& g, const Action& a);

}  // namespace net
