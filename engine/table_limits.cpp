#include "engine/table_limits.h"

#include "shared/card_types.h"

std::string TableFault(int players, int centers) {
    if (players < 2 || players > kMaxPlayers) return "A game is played by 2 to 4 players.";
    if (centers < 3 || centers > kMaxCenters) return "A game is played on 3 or 4 center piles.";
    if (players > 2 && centers != 4) return kFourCentersNeeded;
    return "";
}
