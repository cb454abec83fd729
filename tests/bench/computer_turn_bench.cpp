// The computer opponent's speed on one core: the CPU time of one computer turn (median and 99th
// percentile, over every turn of many seeded games) and whole games per second, by level and
// player count. Games are self-play games: the scripted player 1 against the computer seats.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "tests/support/self_play.h"

namespace {

SelfPlaySetup Setup(const benchmark::State& state, int seed) {
    SelfPlaySetup s;
    s.level = static_cast<int>(state.range(0));
    s.players = static_cast<int>(state.range(1));
    s.centers = 4;
    s.seed = seed;
    s.checkCards = false;
    return s;
}

double Percentile(std::vector<double>& v, double q) {
    if (v.empty()) return 0;
    const auto k = static_cast<size_t>(q * static_cast<double>(v.size() - 1));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
    return v[k];
}

void Args(benchmark::internal::Benchmark* b) {
    b->ArgNames({"level", "players"});
    for (int level = 0; level <= 2; ++level)
        for (int players = 2; players <= 4; ++players) b->Args({level, players});
}

// Whole games, untimed inside: games per second.
void BM_WholeGames(benchmark::State& state) {
    int seed = 0;
    for (auto _ : state) benchmark::DoNotOptimize(PlaySelfGame(Setup(state, ++seed)).winner);
    state.counters["games_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WholeGames)->Apply(Args)->MinTime(1.0);

// Every computer turn of the games timed on the thread's CPU clock.
void BM_ComputerTurn(benchmark::State& state) {
    std::vector<double> turns;
    int seed = 0;
    for (auto _ : state) {
        SelfPlaySetup s = Setup(state, ++seed);
        s.timeTurns = true;
        const SelfPlayResult r = PlaySelfGame(s);
        turns.insert(turns.end(), r.turnSeconds.begin(), r.turnSeconds.end());
    }
    state.counters["turns"] = static_cast<double>(turns.size());
    state.counters["turn_median_us"] = Percentile(turns, 0.5) * 1e6;
    state.counters["turn_p99_us"] = Percentile(turns, 0.99) * 1e6;
    state.counters["turn_max_us"] = Percentile(turns, 1.0) * 1e6;
}
BENCHMARK(BM_ComputerTurn)->Apply(Args)->MinTime(1.0);

}  // namespace

BENCHMARK_MAIN();
