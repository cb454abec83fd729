// What one card play from a peer costs: its bytes cut into a line, the line read, checked against
// the player on turn and the table, and its actions applied to the game.
#include <benchmark/benchmark.h>

#include "engine/cards.h"
#include "net/apply_to_game.h"
#include "net/dispatch.h"
#include "net/line_framer.h"

namespace {

// A host with one seated remote on turn, whose hand slot 3 holds an Ace.
struct Table {
    Game g;
    net::SessionState s;
    Table() {
        g.NumPlayers = 2;
        g.NumCards = 104;
        g.NumCenters = 3;
        g.NetConnected = 99;
        g.IsHost = 1;
        net::SessionConfig c;
        c.host = true;
        c.playerName = "Hana";
        s = net::NewSession(c);
        Take(net::Accepted(s, g, 1));
        Take(net::Dispatch(s, g, 1, "IP ^ 8. 4. 0"));
        Take(net::Dispatch(s, g, 1, "NM Ann"));
        g.Pturn = 2;
        g.Opp[1].Cards[kId][3] = 14;
        g.Opp[1].Cards[kRank][3] = 1;
    }
    void Take(net::Outcome o) {
        s = std::move(o.state);
        for (const auto& a : o.actions) net::ApplyToGame(g, a);
    }
};

}  // namespace

static void BM_ReadAndDispatchOneMoveLine(benchmark::State& state) {
    Table t;
    net::Inbox inbox;
    for (auto _ : state) {
        inbox.Feed(1, "PC  3# 1\n");
        auto line = inbox.Take();
        t.Take(net::Dispatch(std::move(t.s), t.g, line->peer, line->text));
        benchmark::DoNotOptimize(t.g.MoveFrom);
    }
    if (t.g.NetCode != net::PC || t.g.MoveTo != 1) state.SkipWithError("the move was not taken");
}
BENCHMARK(BM_ReadAndDispatchOneMoveLine);
