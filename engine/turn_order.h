#pragma once
// The order of play: from the player on turn round the table.
#include "engine/game.h"

// Fills TurnOrder from Pturn onwards, wrapping after NumPlayers, and starts at its first place.
inline void FillTurnOrder(Game& g) {
    int p = g.Pturn;
    for (int pos = 1; pos <= g.NumPlayers; ++pos) {
        g.TurnOrder[pos] = static_cast<i16>(p);
        if (++p > g.NumPlayers) p = 1;
    }
    g.TurnPos = 1;
    g.Pturn = g.TurnOrder[1];
}
