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

// The place of TurnOrder after the one on turn, round from the last place to the first (and
// back to the first from a place out of range).
inline i16 NextTurnPos(const Game& g) {
    const int pos = g.TurnPos + 1;
    return static_cast<i16>(pos > g.NumPlayers || pos < 1 || pos >= kMaxPlayers + 1 ? 1 : pos);
}

// The player whose turn comes after this one's.
inline i16 NextInTurn(const Game& g) {
    return g.TurnOrder[static_cast<size_t>(NextTurnPos(g))];
}

// Passes the turn to the next place of TurnOrder.
inline void AdvanceTurn(Game& g) {
    g.TurnPos = NextTurnPos(g);
    g.Pturn = g.TurnOrder[static_cast<size_t>(g.TurnPos)];
}
