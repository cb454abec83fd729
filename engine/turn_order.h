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

// Passes the turn to the next place of TurnOrder, round from the last place to the first (and
// back to the first from a place out of range).
inline void AdvanceTurn(Game& g) {
    if (++g.TurnPos > g.NumPlayers || g.TurnPos < 1 || g.TurnPos >= kMaxPlayers + 1) g.TurnPos = 1;
    g.Pturn = g.TurnOrder[static_cast<size_t>(g.TurnPos)];
}
