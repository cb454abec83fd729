// How strong the computer levels are against the scripted player 1, over the same seeded deals
// for every level. Run by hand (it prints figures and checks nothing a change could break):
//   core_tests --gtest_also_run_disabled_tests --gtest_filter='*ComputerStrength*'
// QUORVANE_STRENGTH_SEEDS sets the number of deals (default 5000).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "tests/support/self_play.h"

namespace {

// The 95% Wilson interval of k successes in n trials.
void Wilson(int k, int n, double& lo, double& hi) {
    const double z = 1.96, p = static_cast<double>(k) / n, z2n = z * z / n;
    const double mid = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
    lo = mid - half;
    hi = mid + half;
}

}  // namespace

TEST(ComputerStrength, DISABLED_ScriptedPlayerWinRateByLevel) {
    const char* env = std::getenv("QUORVANE_STRENGTH_SEEDS");
    const int seeds = env ? std::max(1, std::atoi(env)) : 5000;
    static const char* const kLevels[] = {"Average", "Clever", "Ruthless"};
    for (int players = 2; players <= 4; ++players) {
        // wins[level][seed]: the scripted player won that deal against that level.
        std::vector<std::vector<int>> wins(3, std::vector<int>(static_cast<size_t>(seeds)));
        for (int level = 0; level <= 2; ++level) {
            int won = 0, margin = 0, ended = 0;
            for (int i = 0; i < seeds; ++i) {
                SelfPlaySetup s;
                s.players = players;
                s.level = level;
                s.seed = 50000 + i;
                s.checkCards = false;
                const SelfPlayResult r = PlaySelfGame(s);
                ended += r.winner != 0;
                wins[static_cast<size_t>(level)][static_cast<size_t>(i)] = r.winner == 1;
                won += r.winner == 1;
                if (r.winner == 1) margin += r.margin;
            }
            double lo = 0, hi = 0;
            Wilson(won, seeds, lo, hi);
            std::printf(
                "%d players, %-8s: scripted player won %5d of %d (%.1f%%, 95%% CI "
                "%.1f-%.1f%%), mean winning margin %.1f, %d games ended\n",
                players, kLevels[level], won, seeds, 100.0 * won / seeds, 100 * lo, 100 * hi,
                won ? static_cast<double>(margin) / won : 0.0, ended);
        }
        // Paired differences over the same deals: how much harder each level is than Average.
        for (int level = 1; level <= 2; ++level) {
            double sum = 0, sq = 0;
            for (int i = 0; i < seeds; ++i) {
                const double d = wins[0][static_cast<size_t>(i)] -
                                 wins[static_cast<size_t>(level)][static_cast<size_t>(i)];
                sum += d;
                sq += d * d;
            }
            const double mean = sum / seeds;
            const double sd = std::sqrt(std::max(0.0, sq / seeds - mean * mean));
            const double half = 1.96 * sd / std::sqrt(static_cast<double>(seeds));
            std::printf(
                "%d players, win rate against Average minus against %s: %+.1f points "
                "(95%% CI %+.1f to %+.1f)\n",
                players, kLevels[level], 100 * mean, 100 * (mean - half), 100 * (mean + half));
        }
    }
}
