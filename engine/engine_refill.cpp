#include "engine/cards.h"
#include "engine/engine.h"
#include "engine/net_wait.h"
#include "engine/opp_swap.h"

namespace {
const char* const kDealerError =
    "Oops! Sorry, I dropped the cards and can't redeal. Let's give up on this stalemate and start "
    "a new game.";
}

bool Engine::ToUsed(i16 id, i16 rank) {
    if (g.UsedCount >= g.NumCards) return false;
    ++g.UsedCount;
    g.UsedPile[kId][g.UsedCount] = id;
    g.UsedPile[kRank][g.UsedCount] = rank;
    return true;
}

void Engine::Deal_Players(PileRow row, PorC& cards) {
    const bool wholeHand = g.HandCount == 0;
    const bool human = &cards == &g.HumanCards;
    // Online the other machines deal this hand whole before they replay the turn's first play,
    // so here too the hand takes no play until it is whole: a card played from it meanwhile
    // would be dealt again here and not there.
    const bool wholeFirst = human && g.Pturn == 1 && g.NetConnected != 0;
    if (wholeFirst) EnableHuman(false, kFirstHandSlot, kLastHandSlot);
    // A command chosen during a card's glide may end the Internet game or deal another: the
    // refill then stops rather than reshuffle or stalemate the table that replaced this one.
    const bool brokenBefore = g.NetConnected == 0 || NetTurnBroken(g);
    const NetTableWatch table(g);
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
        if (!brokenBefore && table.Broken()) return;
        if (g.StockCount == 0) RESHUFFLE();
        if (cards[kRank][s] != 0) continue;
        if (g.StockCount == 0 || g.Deck[kRank][g.StockCount] == 0) {
            STALEMATE();
            // A recovery dealt new hands: the count follows what this hand now holds.
            if (g.AbortTurn == 2) g.HandCount = CountHand(cards);
            if (wholeFirst && g.Pturn == 1) EnableHuman(true, kFirstHandSlot, kLastHandSlot);
            return;
        }
        DealCard(row, cards, s);
        if (g.Pturn == 1 && human && !wholeFirst) EnableHuman(true, s, s);
    }
    if (wholeHand) Message(1, human ? "\n\nYOU Picked Up" : g.CurName + " Picked Up");
    g.HandCount = 5;
    if (wholeFirst && g.Pturn == 1) EnableHuman(true, kFirstHandSlot, kLastHandSlot);
}

void Engine::RESHUFFLE() {
    if (g.UsedCount == 0) return;
    const bool remote = IsRemote(g), host = IsHost(g);
    HideCard(PileRow::Center, 0);
    PlayDataSound(122);
    g.RecoverText.clear();
    if (remote) {
        // The stock stays empty until the host's cards have been taken.
        Message(0, g.HostPlayerName + " Reshuffled");
        sv.Pause(0.75);
        const bool arrived = WaitFor(0, [this] { return g.NetCode == net::DK || g.AbortTurn == 1; },
                                     {net::GS, net::LO});
        if (!arrived || g.AbortTurn == 1) return;
        if (!sv.net->TakeReshuffle(g)) return PeerSentBadData("reshuffled stock");
        sv.net->SendNet(1, "DK");
    } else {
        g.StockCount = g.UsedCount;
        Message(g.NetConnected == 0 ? 2 : 0, "I Reshuffled");
        sv.Pause(0.75);
        sv.Pause(g.MovePause);
        for (int i = 1; i <= g.StockCount; ++i)
            for (int r : {kId, kRank}) {
                g.Deck[r][i] = g.UsedPile[r][i];
                g.UsedPile[r][i] = 0;
            }
        Shuffle(g, g.Rng, 1, g.StockCount, g.StockCount);
        if (host) g.RecoverText = StockPayload();
    }
    g.UsedPile = {};
    g.UsedCount = 0;
    if (g.NetConnected == 0) Message(2, " ");
    if (host) {
        sv.net->SendNetAll(0, "DK " + g.RecoverText);
        g.NetAnswers = 1;
        WaitFor(0, [this] { return g.NetCode == net::DK && g.NetAnswers >= g.NumPlayers; });
    }
    Message(0, "");
    ShowCard(PileRow::Center, 0, 0, card_kind::kSilent);
}

void Engine::STALEMATE() {
    const bool remote = IsRemote(g);
    if (sv.window) sv.window->StopIdleTimer();
    HideCard(PileRow::Center, 0);
    Message(1, "UNBELIEVABLY BRIVOUS!\nWe're out of cards.\nI can't deal anymore.");
    if (remote) {
        Message(2, "HOST will decide whether to reshuffle the cards in play or start a new game.");
        g.NetCode = net::WT;
    } else {
        Message(2,
                "This game declared a Stalemate! Reshuffle cards in play to continue or start up "
                "a new game.");
    }
    PlayDataSound(108);
    g.AbortTurn = 1;
    if (remote) {
        if (!WaitFor(0, [this] { return g.NetCode == net::OK || g.NetCode == net::GS; }, {net::LO}))
            return;
        if (g.NetCode == net::GS) return GameOverAfterStalemate();
    } else {
        const int answer = sv.dialogs
                               ? sv.dialogs->MsgBox("Reshuffle cards and continue with this game?",
                                                    mb::YesNo, "Stalemate")
                               : mb::No;
        if (answer != mb::Yes) {
            Message(2,
                    "You tossed the Stalemated game. Press F2 to start a new game or select New "
                    "Game from the menu.");
            return GameOverAfterStalemate();
        }
        if (g.NetConnected != 0) sv.net->SendNetAll(0, "OK");
    }
    g.AbortTurn = 2;
    Stale_Recover();
    if (g.PileLoop == 666) {
        if (sv.dialogs) sv.dialogs->MsgBox(kDealerError, mb::Exclamation, "Dealer Error");
        g.AbortTurn = 1;
        g.Pturn = 0;
        g.PileLoop = 0;
        EnableHuman(false, 1, 10);
    }
}

void Engine::GameOverAfterStalemate() {
    g.Pturn = 0;
    EnableHuman(false, 1, 10);
    if (IsHost(g)) Reset_Table();
    if (sv.board) sv.board->DrawTable();
}

void Engine::ClearOppCards(OpponentRecord& opp, PileRow row) {
    bool ok = true;
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
        if (opp.Cards[kRank][s] != 0) ok = ToUsed(opp.Cards[kId][s], opp.Cards[kRank][s]) && ok;
        HideCard(row, s);
    }
    // A computer's hold pile keeps its top at position count too: each card is gathered once.
    for (int p = 1; p <= 4; ++p) {
        const int n = opp.HoldPileInfo[p][1];
        for (int i = 1; i <= n && i <= kHoldCapacity; ++i)
            ok = ToUsed(opp.Hold[kId][p][i], opp.Hold[kRank][p][i]) && ok;
        if (n == 0 && opp.Cards[kRank][6 + p] != 0)
            ok = ToUsed(opp.Cards[kId][6 + p], opp.Cards[kRank][6 + p]) && ok;
        ShowEmptyPile(row, 6 + p);
    }
    for (int s = kFirstHandSlot; s <= kLastHoldSlot; ++s)
        opp.Cards[kId][s] = opp.Cards[kRank][s] = 0;
    opp.HoldPileInfo = {};
    opp.Hold = {};
    if (!ok) g.PileLoop = 666;
}

void Engine::Stale_Recover() {
    // The seats' records are gathered and dealt anew below. A working copy still loaded from one
    // of them (the seat on turn, or Opp1 after a restore, whoever is on turn) goes back first:
    // left loaded, a later save or snapshot would read its cards from before the recovery.
    if (g.WorkingOpp != 0) OppSwap(g, g.WorkingOpp, true);
    bool ok = true;
    Message(0, " CLEARING Center ");
    for (int k = 1; k <= g.NumCenters; ++k) {
        for (int n = 1; n <= kQueen && g.Center[kRank][k][n] != 0; ++n)
            ok = ToUsed(g.Center[kId][k][n], g.Center[kRank][k][n]) && ok;
        ShowEmptyPile(PileRow::Center, k);
        if (sv.board) sv.board->SetWildLabel(k, "");
    }
    g.Center = {};
    g.CenterCount = {};
    PlayDataSound(118);
    sv.Pause(0.75);

    Message(0, " CLEARING Player Hand ");
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
        if (g.HumanCards[kRank][s] == 0) continue;
        ok = ToUsed(g.HumanCards[kId][s], g.HumanCards[kRank][s]) && ok;
        g.HumanCards[kId][s] = g.HumanCards[kRank][s] = 0;
        HideCard(PileRow::Human, s);
    }
    Message(0, " CLEARING Player Hold ");
    for (int s = kFirstHoldSlot; s <= kLastHoldSlot; ++s)
        if (g.HumanCards[kRank][s] != 0)
            ok = ToUsed(g.HumanCards[kId][s], g.HumanCards[kRank][s]) && ok;
    for (int p = 1; p <= 4; ++p) {
        for (int n = 1; n <= g.HumanHoldCount[p]; ++n)
            ok = ToUsed(g.HumanHold[kId][p][n], g.HumanHold[kRank][p][n]) && ok;
        g.HumanCards[kId][6 + p] = g.HumanCards[kRank][6 + p] = 0;
        ShowEmptyPile(PileRow::Human, 6 + p);
    }
    g.HumanHold = {};
    g.HumanHoldCount = {};
    PlayDataSound(118);
    sv.Pause(0.75);

    Message(0, " CLEARING Opponents's Cards ");
    for (int k = 1; k < g.NumPlayers; ++k) ClearOppCards(g.Opp[k], RowOfPlayer(k + 1));
    PlayDataSound(118);
    sv.Pause(0.75);
    if (!ok || g.PileLoop == 666) {
        if (sv.dialogs) sv.dialogs->MsgBox(kDealerError, mb::Exclamation, "Dealer Error");
        g.PileLoop = 666;
        return;
    }

    // A stalemate leaves the stock empty; should any cards remain there, they join the rest
    // rather than be overwritten by the new stock.
    for (int i = 1; i <= g.StockCount; ++i) ok = ToUsed(g.Deck[kId][i], g.Deck[kRank][i]) && ok;
    for (int i = 1; i <= g.StockCount; ++i) g.Deck[kId][i] = g.Deck[kRank][i] = 0;
    g.StockCount = 0;
    RESHUFFLE();
    for (int i = 1; i <= g.NumCards; ++i) g.Deck[2][i] = 0;
    if (sv.board) sv.board->DrawTable();
    Deal_All();
    if (g.Pturn >= 2 && g.Pturn <= g.NumPlayers) {
        OppSwap(g, g.Pturn - 1, false, sv.board);
        g.NoMissCheck = 2;
    } else {
        g.NewDeal = 1;
    }
    Message(1, "");
    Message(2, "");
    g.Msg.clear();
    // The working copy's side top is on view whoever is on turn: it was the last seat to play.
    if (g.CurSideCount > 0) g.Deck[2][g.CurSide[kId][g.CurSideCount]] = 1;
    if (g.HumanSideCount > 0) g.Deck[2][g.HumanSide[kId][g.HumanSideCount]] = 1;
    if (sv.status) sv.status->ShowCounter();
}
