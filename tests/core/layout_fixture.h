#pragma once
// Building tables the way the window does: a game with its counts, start-up in a saved display
// mode, then the reset before a deal.
#include "board/table_layout.h"
#include "engine/game.h"

inline constexpr int kScreen800 = 12000;   // twips of an 800-pixel screen
inline constexpr int kScreen1024 = 15360;  // twips of a 1024-pixel screen

inline Game TableGame(int players, int centers) {
    Game g;
    g.NumPlayers = static_cast<i16>(players);
    g.NumCenters = static_cast<i16>(centers);
    g.CurSideShape = 99;
    g.Opp[1].Name = "Brivo";
    g.Opp[2].Name = "Tessik";
    g.Opp[3].Name = "Ruun";
    return g;
}

inline TableLayout FreshTable(int players, int centers, int mode, int screenTwips,
                              bool reset = true) {
    const Game g = TableGame(players, centers);
    TableLayout t(screenTwips, false);
    t.StartUp(g, mode);
    if (reset) t.Reset_Table(g);
    t.TakeRequests();
    return t;
}
