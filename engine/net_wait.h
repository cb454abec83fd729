#pragma once
// The waits of an Internet game's turns: lines are handled one at a time until the one awaited
// has been, or the game goes away or changes under the wait.
#include <functional>

#include "engine/game.h"
#include "engine/ports/net_port.h"

// True when nothing more is to be waited for: nobody is connected, the window is closing, a
// player left or the connection was lost (GO), or the host ended the game (EG), started a new
// one (GS) or laid out a new table (LO).
bool NetTurnBroken(const Game& g);

// Handles lines from the peers until `done` holds after one of them. False when the game broke
// meanwhile; when no more lines can arrive at all, NetCode becomes GO.
bool WaitNetUntil(Game& g, NetPort* net, const std::function<bool()>& done);
