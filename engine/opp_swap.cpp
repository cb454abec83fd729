#include "engine/opp_swap.h"

namespace {

void CopyPlay(const OpponentRecord& r, WorkingCopy& w, StatsTableArray& stats) {
    w.CurName = r.Name;
    w.CurSideShape = r.SideShape;
    w.CurSideCount = r.SideCount;
    w.CurSide = r.Side;
    w.CurCards = r.Cards;
    w.HoldCards = r.Hold;
    for (int p = 1; p <= 4; ++p) {
        w.HoldPileInfo[p][1] = r.HoldPileInfo[p][1];
        w.HoldPileInfo[p][2] = r.HoldPileInfo[p][2];
    }
    w.CurWildHand = r.WildHand;
    w.CurWildSide = r.WildSide;
    for (int i = 0; i <= 5; ++i) stats[4][i] = r.Stats[1][i];
}

void StorePlay(const WorkingCopy& w, const StatsTableArray& stats, OpponentRecord& r) {
    r.SideShape = w.CurSideShape;
    r.SideCount = w.CurSideCount;
    r.Side = w.CurSide;
    r.Cards = w.CurCards;
    r.Hold = w.HoldCards;
    for (int p = 1; p <= 4; ++p) {
        r.HoldPileInfo[p][1] = w.HoldPileInfo[p][1];
        r.HoldPileInfo[p][2] = w.HoldPileInfo[p][2];
    }
    r.WildHand = w.CurWildHand;
    r.WildSide = w.CurWildSide;
    for (int i = 0; i <= 5; ++i) r.Stats[1][i] = stats[4][i];
}

}  // namespace

void OppSwap(Game& g, int opp, bool store) {
    if (opp < 1 || opp > 3) return;
    OpponentRecord& r = g.Opp[opp];
    if (store) {
        StorePlay(g, g.StatsTable, r);
        g.WorkingOpp = 0;
        return;
    }
    CopyPlay(r, g, g.StatsTable);
    g.WorkingOpp = opp;
    if (g.NetConnected != 0) return;  // the seat's socket stands in for the level online
    g.CompLevel = r.Level;
    g.CompSounds = r.Sounds;
    if (r.CommentFile == "No Comments") {
        g.QuietComp = VbTrue;
        return;
    }
    g.QuietComp = VbFalse;
    for (int i = 1; i <= 33; ++i) g.CompComments[i] = r.Comments[i];
}

void EraseOppArrays(OpponentRecord& opp) {
    opp.Hold = {};
    opp.HoldPileInfo = {};
    opp.Cards = {};
    opp.Stats = {};
    opp.WildHand = 0;
    opp.WildSide = 0;
}
