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

// The host's socket of the Internet player whose seat is on turn; 0 on a remote or when the
// seat has nobody.
i16 SocketOnTurn(const Game& g) {
    if (g.IsHost == 0) return 0;
    for (int i = 1; i <= 3; ++i)
        if (g.NetSeats[i].Seat == g.Pturn - 1) return g.NetSeats[i].Socket;
    return 0;
}

void ShowSeatAvatar(const Game& g, const OpponentRecord& r, BoardPort* board) {
    if (!board || r.Avatar.empty() || g.Pturn == 1) return;
    if (g.NetConnected != 0 || g.NumPlayers > 2) board->LoadAvatar(r.Avatar);
}

}  // namespace

void OppSwap(Game& g, int opp, bool store, BoardPort* board) {
    if (opp < 1 || opp > 3) return;
    OpponentRecord& r = g.Opp[opp];
    if (store) {
        StorePlay(g, g.StatsTable, r);
        g.WorkingOpp = 0;
        return;
    }
    CopyPlay(r, g, g.StatsTable);
    g.WorkingOpp = opp;
    ShowSeatAvatar(g, r, board);
    if (g.NetConnected != 0) {
        g.CompLevel = SocketOnTurn(g);  // online the level is the seat's connection
        return;
    }
    g.CompLevel = r.Level;
    g.CompSounds = r.Sounds;
    if (r.CommentFile == "No Comments") {
        g.QuietComp = VbTrue;
        return;
    }
    g.QuietComp = VbFalse;
    for (int i = 1; i <= 33; ++i) g.CompComments[i] = r.Comments[i];
}

OpponentRecord CurrentOpp(const Game& g, int opp) {
    OpponentRecord r = g.Opp[opp];
    if (g.WorkingOpp == opp) StorePlay(g, g.StatsTable, r);
    return r;
}

void EraseOppArrays(OpponentRecord& opp) {
    opp.Hold = {};
    opp.HoldPileInfo = {};
    opp.Cards = {};
    opp.Stats = {};
    opp.WildHand = 0;
    opp.WildSide = 0;
}
