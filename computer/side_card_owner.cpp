#include "computer/side_card_owner.h"

int SideCardOwnerPlayer(const Game& g, i16 value) {
    if (g.HumanCards[kRank][kSideSlot] == value) return 1;
    if (g.NumPlayers < 3) return 0;
    // The seat on turn is passed over by its name (its record is out of date meanwhile).
    for (int k = 1; k <= 3 && k < g.NumPlayers; ++k) {
        const OpponentRecord& r = g.Opp[k];
        if (r.Name != g.CurName && r.Cards[kRank][kSideSlot] == value) return k + 1;
    }
    return 0;
}

std::string SideCardOwner(const Game& g, i16 value) {
    const int p = SideCardOwnerPlayer(g, value);
    if (p == 0) return "";
    return p == 1 ? g.PlayerName : g.Opp[p - 1].Name;
}
