#include "tests/support/standin_turns.h"

#include "engine/opp_swap.h"
#include "engine/turn_order.h"

void StandInTurns::ComputerTurn() {
    Game& g = e_.g;
    while (g.Pturn >= 2 && g.Pturn <= g.NumPlayers && !g.StopFlag) {
        if (!PlaySeat()) return;
        ++turnsPlayed;
    }
    if (g.Pturn != 1) return;
    // Without the move history the turn-start records stay as the deal wrote them.
    if (g.TempMovesOpen) {
        ++g.MoveCounter;
        if (e_.sv.records) e_.sv.records->AutoSave();
    }
    // The human's new turn starts with a full hand.
    g.HandCount = CountHand(g.HumanCards);
    e_.Deal_Players(PileRow::Human, g.HumanCards);
    if (g.AbortTurn == 2) g.AbortTurn = 0;
    Step();
}

bool StandInTurns::PlaySeat() {
    Game& g = e_.g;
    OppSwap(g, g.Pturn - 1, false);
    g.HandCount = CountHand(g.CurCards);
    e_.Deal_Players(RowOfPlayer(g.Pturn), g.CurCards);
    Step();
    if (g.AbortTurn == 1) return false;
    if (g.AbortTurn == 2) g.AbortTurn = 0;
    if (!PlaySideCards()) return false;
    Discard();
    Step();
    if (e_.sv.records) e_.sv.records->StatsCk(3, 4);
    e_.GoUpdateOpponents();
    AdvanceTurn(g);
    g.HandCount = 5;
    return true;
}

bool StandInTurns::PlaySideCards() {
    Game& g = e_.g;
    for (;;) {
        const i16 rank = g.CurCards[kRank][kSideSlot];
        int pile = 0;
        for (int k = 1; k <= g.NumCenters && pile == 0; ++k)
            if (CenterAccepts(g, rank, k)) pile = k;
        if (pile == 0) return true;
        g.PileSel = static_cast<i16>(pile);
        g.MoveCard = {g.CurCards[kId][kSideSlot], rank};
        e_.Add_Center();
        if (e_.sv.records) e_.sv.records->StatsAdd(kSideSlot, 3);
        if (rank == kKing) ++g.CurWildSide;
        for (int r : {kId, kRank}) {
            g.CurSide[r][g.CurSideCount] = 0;
            g.CurCards[r][kSideSlot] = g.CurSide[r][g.CurSideCount - 1];
        }
        --g.CurSideCount;
        if (g.CurSideCount == 0) {
            e_.Game_End();
            return false;
        }
        if (g.CenterCount[pile] == kQueen) e_.Add_Used();
        Step();
    }
}

void StandInTurns::Discard() {
    Game& g = e_.g;
    int slot = kFirstHandSlot;
    while (slot <= kLastHandSlot && g.CurCards[kRank][slot] == 0) ++slot;
    if (slot > kLastHandSlot) return;
    int p = 1;
    while (p < 4 && g.HoldPileInfo[p][1] >= kHoldCapacity) ++p;
    const i16 n = ++g.HoldPileInfo[p][1];
    for (int r : {kId, kRank}) {
        g.HoldCards[r][p][n] = g.CurCards[r][slot];
        g.CurCards[r][6 + p] = g.CurCards[r][slot];
        g.CurCards[r][slot] = 0;
    }
    --g.HandCount;
}
