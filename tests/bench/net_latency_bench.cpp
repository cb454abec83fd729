// The time from a card play made on the host to its replay on each of three remotes, every
// machine a process of its own on the program's link and sockets over TCP on the loopback
// address: whole four-player games are played, and every play of the host is matched with its
// replay on each remote by its place in the game. Reported as the median and the 99th
// percentile in microseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>

#include "tests/support/net_table.h"

namespace {

using namespace net_table;

std::vector<long long> Stamps(const fs::path& file) {
    std::vector<long long> out;
    std::ifstream in(file);
    for (long long v; in >> v;) out.push_back(v);
    return out;
}

double Percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const size_t at =
        std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())));
    return v[at];
}

void BM_HostPlayToReplayOnThreeRemotes(benchmark::State& state) {
    std::vector<double> micros;
    int seed = 1;
    for (auto _ : state) {
        Table t("bench" + std::to_string(seed));
        t.StartGame(4, seed++);
        if (!t.WaitAll(120)) {
            state.SkipWithError("a machine did not finish its game");
            return;
        }
        const auto sent = Stamps(t.machine(0).folder / "sent");
        for (size_t m = 1; m < t.size(); ++m) {
            const auto replayed = Stamps(t.machine(m).folder / "replayed");
            for (size_t k = 0; k < sent.size() && k < replayed.size(); ++k)
                micros.push_back(static_cast<double>(replayed[k] - sent[k]) / 1000.0);
        }
    }
    state.counters["plays"] = static_cast<double>(micros.size());
    state.counters["median_us"] = Percentile(micros, 0.5);
    state.counters["p99_us"] = Percentile(micros, 0.99);
}
BENCHMARK(BM_HostPlayToReplayOnThreeRemotes)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
