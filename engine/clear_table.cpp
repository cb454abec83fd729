#include "engine/clear_table.h"

#include "engine/opp_swap.h"

void ClearTablePiles(Game& g) {
    g.HumanCards = {};
    g.HumanSide = {};
    g.HumanHold = {};
    g.HumanHoldCount = {};
    g.CurCards = {};
    g.CurSide = {};
    g.HoldCards = {};
    g.HoldPileInfo = {};
    g.Deck = {};
    g.UsedPile = {};
    g.Center = {};
    g.CenterCount = {};
    for (int k = 1; k <= 3; ++k) EraseOppArrays(g.Opp[k]);
    g.WorkingOpp = 0;
}
