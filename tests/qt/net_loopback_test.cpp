// Internet games between separate processes over TCP on the loopback address: every machine
// with its own program folder plays the same game to the same end, seen turn by turn through a
// digest of the whole position; a machine that is killed, closes its window or misbehaves ends
// the game for the others within seconds.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

#include "engine/engine.h"
#include "tests/support/net_table.h"
#include "tests/support/raw_peer.h"

using namespace net_table;

namespace {

bool EndedCleanly(const Machine& m) {
    return WIFEXITED(m.status);
}

}  // namespace

// Every player count, each player beginning once: all machines log the same position at every
// turn end and see the same winner by the same margin.
TEST(NetLoopback, EveryMachinePlaysTheSameGameToTheSameEnd) {
    const char* only = std::getenv("QUORVANE_NET_PLAYERS");
    for (int players = 2; players <= 4; ++players) {
        if (only && std::atoi(only) != players) continue;
        for (int first = 1; first <= players; ++first) {
            const int seed = SeedWhereFirstIs(players, first);
            ASSERT_NE(seed, 0);
            Table t("game" + std::to_string(players) + std::to_string(first));
            t.StartGame(players, seed);
            ASSERT_TRUE(t.WaitAll(60)) << players << " players, seed " << seed;
            const std::string digests = t.Digests(0);
            EXPECT_GT(LineCount(t.machine(0).folder / "digests"), 2 * players);
            for (size_t i = 0; i < t.size(); ++i) {
                SCOPED_TRACE("machine " + std::to_string(i) + " of " + std::to_string(players) +
                             ", seed " + std::to_string(seed));
                EXPECT_TRUE(EndedCleanly(t.machine(i)));
                EXPECT_EQ(WEXITSTATUS(t.machine(i).status), 0) << t.Outcome(i);
                EXPECT_EQ(t.Outcome(i), t.Outcome(0));
                EXPECT_EQ(t.Digests(i), digests);
            }
        }
    }
}

namespace {

// The digest lines of a machine from its resume on, and the digest it resumed with.
std::pair<std::string, std::string> AfterResume(const std::string& digests) {
    const size_t at = digests.find("resumed ");
    if (at == std::string::npos) return {};
    const size_t eol = digests.find('\n', at);
    return {digests.substr(at + 8, eol - at - 8), digests.substr(eol + 1)};
}

}  // namespace

// The host saves the game, leaves, and gives it to the remotes again once they have joined
// anew: every machine takes up the very position that was saved and plays it to the same end.
TEST(NetLoopback, AGameSavedAndResumedAfterReconnectingGoesOnTheSameEverywhere) {
    Table t("resume");
    t.StartGame(3, SeedWhereFirstIs(3, 1), [](int, NetPeerSetup& s) { s.saveAfter = 6; });
    ASSERT_TRUE(t.WaitAll(60));
    const std::string host = t.Digests(0);
    const size_t saved = host.find("saved ");
    ASSERT_NE(saved, std::string::npos);
    const std::string savedDigest = host.substr(saved + 6, 16);
    for (size_t i = 0; i < t.size(); ++i) {
        SCOPED_TRACE("machine " + std::to_string(i));
        EXPECT_EQ(WEXITSTATUS(t.machine(i).status), 0) << t.Outcome(i);
        EXPECT_EQ(t.Outcome(i), t.Outcome(0));
        const auto [resumedWith, after] = AfterResume(t.Digests(i));
        EXPECT_EQ(resumedWith, savedDigest);
        EXPECT_EQ(after, AfterResume(host).second);
        EXPECT_FALSE(after.empty());
    }
}
