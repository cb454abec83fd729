// Internet games between separate processes over TCP on the loopback address, each machine with
// its own program folder: a game saved and resumed after reconnecting goes on the same on every
// machine, seen turn by turn through a digest of the whole position.
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
