#include <algorithm>
#include <array>

#include "engine/cards.h"
#include "engine/clear_table.h"
#include "engine/engine.h"
#include "engine/opp_swap.h"
#include "engine/seat_map.h"
#include "engine/table_limits.h"
#include "engine/turn_order.h"
#include "platform/file_util.h"
#include "platform/vb_strings.h"

PileRow RowOfPlayer(int player) {
    switch (player) {
        case 2:
            return PileRow::Opp1;
        case 3:
            return PileRow::Opp2;
        case 4:
            return PileRow::Opp3;
        default:
            return PileRow::Human;
    }
}

namespace {

// On a remote, the host's player q sits at this machine's player number returned here.
int LocalPlayerOf(const Game& g, int q) {
    if (!IsRemote(g)) return q;
    return LocalOfHost(q, g.NumPlayers == 2 ? 1 : g.NetValue2, g.NumPlayers);
}

PorC& CardsOf(Game& g, int player) {
    return player == 1 ? g.HumanCards : g.Opp[player - 1].Cards;
}

}  // namespace

void Engine::ResetTableState() {
    const i16 s = g.SidePileSize;
    g.HumanSideShape = static_cast<i16>(25 - s);
    g.CurSideShape = static_cast<i16>(50 - s);
    g.Pturn = 0;
    g.HumanSideCount = g.CurSideCount = 0;
    g.HandCount = 5;
    g.UsedCount = g.StockCount = 0;
    g.HumanWildSide = g.HumanWildHand = g.CurWildSide = g.CurWildHand = 0;
    ClearTablePiles(g);
    for (int row = 1; row <= 4; ++row) g.StatsTable[row] = {};
    g.Peeking = VbFalse;
}

void Engine::Reset_Table() {
    ++g.NetTable;
    // A remark about a turn that is gone would come in the middle of the new deal.
    if (sv.window) sv.window->StopIdleTimer();
    ResetTableState();
    if (sv.status) sv.status->WildUpdate();
    if (sv.board) sv.board->ResetTable();
}

void Engine::SetUp() {
    // The table's arrays hold four decks, four centers and side piles of 26 at most: a table set
    // up otherwise deals nothing rather than write past them, and says so, or every remote would
    // sit waiting for a deck that never comes.
    if (const std::string fault = TableFault(g.NumPlayers, g.NumCenters); !fault.empty()) {
        sv.dialogs->MsgBox(fault + "\nThe cards were not dealt.", mb::Exclamation, "Quorvane");
        return;
    }
    if (g.SidePileSize < 0 || g.SidePileSize >= kMaxSidePile) g.SidePileSize = 19;
    g.NumCards = static_cast<i16>(52 * g.NumPlayers);
    g.ComputerBusy = VbTrue;
    // A set-up that one of its waits for the peers ended (the Internet game was ended or given
    // anew meanwhile) deals nothing, and its caller shows no deal: the table is the player's
    // again, or every menu and key would wait for a deal that never comes.
    if (!SetUpTable()) g.ComputerBusy = VbFalse;
}

bool Engine::SetUpTable() {
    if (g.NetConnected == 0) {
        if (g.SavedPause != 0) g.MovePause = g.SavedPause;
        g.IsHost = 0;
    } else if (IsRemote(g)) {
        Reset_Table();
    }
    if (!IsRemote(g)) {
        for (i16 i = 1; i <= g.NumCards; ++i) {
            g.Deck[kId][i] = i;
            g.Deck[kRank][i] = static_cast<i16>((i - 1) % 13 + 1);
        }
        if (g.ShuffleSeparately) {
            for (int d = 1; d <= g.NumPlayers; ++d)
                Shuffle(g, g.Rng, 52 * (d - 1) + 1, 52 * d, 52, 52 * (d - 1));
        } else {
            Shuffle(g, g.Rng, 1, g.NumCards, g.NumCards);
        }
        g.StockCount = g.NumCards;
    }
    g.RecoverText.clear();

    if (IsHost(g)) {
        if (!WaitFor(0, [this] { return g.NetCode == net::GS; })) return false;
        sv.net->SendNetAll(0, "DK " + DeckPayload());
        g.NetAnswers = 1;
        if (!WaitFor(0, [this] { return g.NetCode == net::DK && g.NetAnswers >= g.NumPlayers; }))
            return false;
    } else if (IsRemote(g)) {
        if (!WaitFor(0, [this] { return g.NetCode == net::DK; }, {net::LO})) return false;
        if (!sv.net->TakeDeal(g)) {
            PeerSentBadData("deck");
            return false;
        }
        sv.net->SendNet(1, "DK");
    }
    g.RecoverText.clear();
    if (g.NetConnected != 0) ShowRulesCaption();

    const i16 s = g.SidePileSize;
    for (int k = 1; k < g.NumPlayers; ++k) {
        g.Opp[k].SideShape = static_cast<i16>(25 * (k + 1) - s);
        g.Opp[k].SideCount = static_cast<i16>(s + 1);
    }
    if (g.DevMode && sv.window) sv.window->DebugShowDeck();
    DealSidePiles();
    ChooseFirstPlayer();

    if (IsRemote(g)) {
        if (!WaitFor(0, [this] { return g.NetCode == net::TR; }, {net::GS, net::LO})) {
            ResetTableState();
            return false;
        }
        if (g.Pturn < 1 || g.Pturn > g.NumPlayers) {
            PeerSentBadData("first player");
            ResetTableState();
            return false;
        }
        sv.net->SendNet(1, "TR");
        if (g.PeerVersion > "74" && g.NumPlayers >= 3) PturnCalculate();
    }
    WhosOnFirst();
    if (IsHost(g)) {
        i16 first = g.Pturn;
        if (g.PeerVersion > "74" && g.NumPlayers == 2) first = g.Pturn == 1 ? 2 : 1;
        sv.net->SendNetAll(0, "TR " + Str(first));
        g.NetAnswers = 1;
        WaitFor(0, [this] { return g.NetCode == net::TR && g.NetAnswers >= g.NumPlayers; });
    }
    g.NewDeal = 1;
    g.NoMissCheck = 2;
    return true;
}

void Engine::DealSidePiles() {
    const int n = g.NumPlayers;
    const int last = g.NumCards - g.SidePileSize * n;
    int i = g.NumCards;
    for (; i >= last; i -= n) {
        ++g.HumanSideCount;
        const i16 at = ++g.CurSideCount;  // the common index of every side pile during the deal
        for (int q = 1; q <= n; ++q) {
            const int p = LocalPlayerOf(g, q);
            SidePile& side = p == 1 ? g.HumanSide : g.Opp[p - 1].Side;
            for (int row : {kId, kRank}) {
                side[row][at] = g.Deck[row][i - (q - 1)];
                g.Deck[row][i - (q - 1)] = 0;
            }
        }
    }
    g.StockCount = static_cast<i16>(i);
    for (int row : {kId, kRank}) {
        g.HumanCards[row][kSideSlot] = g.HumanSide[row][g.HumanSideCount];
        for (int k = 1; k < n; ++k)
            g.Opp[k].Cards[row][kSideSlot] = g.Opp[k].Side[row][g.CurSideCount];
    }
}

void Engine::ChooseFirstPlayer() {
    std::array<std::pair<i16, i16>, 4> pairs{};  // (rank of the side top, player)
    for (int p = 1; p <= 4; ++p) {
        const i16 rank = p > g.NumPlayers ? 0 : CardsOf(g, p)[kRank][kSideSlot];
        pairs[p - 1] = {rank, static_cast<i16>(p)};
    }
    // Highest first; equal ranks keep the order of the player numbers.
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    int ties = 0;
    while (ties < 3 && pairs[ties + 1].first == pairs[0].first) ++ties;
    g.Pturn = pairs[0].second;
    g.TieCount = 0;
    if (ties > 0) {
        g.TieCount = static_cast<i16>(ties + 1);
        g.Pturn = pairs[static_cast<int>(g.Rng.Rnd() * static_cast<float>(ties + 1))].second;
    }
}

void Engine::WhosOnFirst() {
    FillTurnOrder(g);
}

void Engine::PturnCalculate() {
    const int host = g.Pturn;
    if (host < 1 || host > 4) return;
    const int n = g.NumPlayers, seat = g.NetValue2;
    // Outside a seat at the table (a local game among them) the turn only moves on by one.
    const int local =
        seat >= 1 && seat < n && host <= n ? LocalOfHost(host, seat, n) : host % 4 + 1;
    g.Pturn = static_cast<i16>(local);
}

void Engine::DealCard(PileRow row, PorC& cards, int slot) {
    if (g.StockCount < 1) return;
    g.Dealing = VbTrue;
    if (sv.board) sv.board->PutMoverOnStock();
    for (int r : {kId, kRank}) {
        cards[r][slot] = g.Deck[r][g.StockCount];
        g.Deck[r][g.StockCount] = 0;
    }
    --g.StockCount;
    g.Deck[2][cards[kId][slot]] = 1;
    if (sv.board) sv.board->MoveCardAnim(PileRow::Opp1, 0, row, slot);
    const bool human = row == PileRow::Human;
    const int kind = human ? card_kind::kDealToHuman : card_kind::kDealToOpp;
    ShowCard(row, slot, human || g.Peeking ? cards[kId][slot] : 0, kind);
    g.Dealing = VbFalse;
    if (sv.status) sv.status->ShowCounter();
    sv.Pause(row == PileRow::Human ? g.MovePause / 2 : 0.02);
}

void Engine::Deal_All() {
    for (int slot = kFirstHandSlot; slot <= kLastHandSlot; ++slot)
        for (int q = 1; q <= g.NumPlayers; ++q) {
            const int p = LocalPlayerOf(g, q);
            DealCard(RowOfPlayer(p), CardsOf(g, p), slot);
        }
}

void Engine::GoDeal() {
    if (g.HumanSideCount == 0) {  // the set-up ended early: nothing to show or play
        g.ComputerBusy = VbFalse;
        return;
    }
    g.ComputerBusy = VbTrue;
    // A remote's deal comes from the host's deck, not from a new game of its own: the game it
    // deals is on the table all the same, and a redraw shows its side piles face up.
    g.GameStarted = VbTrue;
    Message(1, " ");
    if (g.NetConnected == 0) Message(2, " ");
    PlayDataSound(121);
    if (sv.window) sv.window->ShowSideStack(true);
    for (int p : {2, 1, 3, 4}) {
        if (p > g.NumPlayers) continue;
        const i16 id = CardsOf(g, p)[kId][kSideSlot];
        ShowCard(RowOfPlayer(p), kSideSlot, id, card_kind::kTurnUp);
        g.Deck[2][id] = 1;
    }
    sv.Pause(0.6);
    PlayDataSound(118);
    Deal_All();
    if (sv.records) sv.records->AutoSave();
    g.MoveCounter = 1;
    if (sv.status) {
        sv.status->StatusBar_Clear();
        sv.status->WildUpdate();
        sv.status->ShowCounter();
    }
    if (sv.window) sv.window->ShowTurnMarker(g.Pturn);
    if (g.TieCount != 0) {
        Message(1, "It was a tie...\nWe flipped for it.");
        if (sv.sounds) sv.sounds->PlaySound(JoinPath(g.AppFolder, "Data/~123.tmp"), true);
        sv.Pause(0.5);
    }
    if (g.StopFlag) {
        g.ComputerBusy = VbFalse;
        return;
    }
    AnnounceFirstPlayer();
    g.ComputerBusy = VbFalse;
}

void Engine::AnnounceFirstPlayer() {
    const bool local = g.NetConnected == 0;
    if (g.Pturn >= 2) {
        OppSwap(g, g.Pturn - 1, false, sv.board);
        const std::string& name = g.CurName;
        if (g.TieCount != 0) {
            Message(2, name + " won the toss --\nSo " + name + " goes FIRST!");
            PlayDataSound(123, true);
            if (local) sv.Pause(2);
        } else if (g.NumPlayers == 2) {
            Message(2, "My" + Str(g.CurCards[kRank][kSideSlot]) + " beats\nyour" +
                           Str(g.HumanCards[kRank][kSideSlot]) + "\nSo I go FIRST!");
            if (local) sv.Pause(1.85);
        } else {
            Message(2, name + " has the highest card.\n" + name + " goes FIRST!");
            if (local) sv.Pause(1.85);
        }
        sv.Pause(g.MovePause);
        if (sv.turns) sv.turns->ComputerTurn();
        return;
    }
    Message(2, "\n\nYOU go first");
    if (sv.board && (g.NetConnected != 0 || g.NumPlayers > 2)) sv.board->LoadAvatar(g.PlayerAvatar);
    EnableHuman(true, 1, 10);
    g.Dragging = 0;
}
