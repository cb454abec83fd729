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

// The table a procedure of the game began on. A command chosen during one of the procedure's
// pauses or waits may lay another (a new deal, a game given again, an end and a new Internet
// game) and run on until that table's own lines have set NetCode anew: the procedure then goes
// no further, even though NetCode no longer tells it.
class NetTableWatch {
  public:
    explicit NetTableWatch(const Game& g) : g_(g), table_(g.NetTable) {}
    bool Gone() const { return g_.NetTable != table_; }
    // Gone, or broken as NetTurnBroken tells.
    bool Broken() const { return Gone() || NetTurnBroken(g_); }

  private:
    const Game& g_;
    int table_;
};

// Handles lines from the peers until `done` holds after one of them. False when the game broke
// or its table was replaced meanwhile; when no more lines can arrive at all, NetCode becomes GO.
bool WaitNetUntil(Game& g, NetPort* net, const std::function<bool()>& done);
