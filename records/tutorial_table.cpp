#include "records/tutorial_table.h"

bool SetTutorialTable(Game& g) {
    if (g.NumPlayers <= 2 && g.NumCenters <= 3) return false;
    g.NumCards = 104;
    g.NumPlayers = 2;
    g.NumCenters = 3;
    g.SidePileSize = 19;
    g.NoWildAce = VbFalse;
    return true;
}
