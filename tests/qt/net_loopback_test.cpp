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

// A machine killed outright, the host or a remote: the others notice the lost connection and
// end the game within seconds instead of waiting for a move that will not come.
TEST(NetLoopback, AKilledMachineEndsTheGameForTheOthersWithinSeconds) {
    const int seed = SeedWhereFirstIs(3, 2);
    for (int victim : {1, 0}) {
        SCOPED_TRACE(victim == 0 ? "host killed" : "remote killed");
        Table t("kill" + std::to_string(victim));
        t.StartGame(3, seed);
        ASSERT_TRUE(t.WaitForTurns(victim, 4));
        t.Kill(victim);
        ASSERT_TRUE(t.WaitAll(15));
        for (size_t i = 0; i < t.size(); ++i) {
            if (static_cast<int>(i) == victim) continue;
            EXPECT_TRUE(EndedCleanly(t.machine(i))) << i;
            EXPECT_LT(t.machine(i).endedAt - t.killedAt(), 5.0) << i;
            EXPECT_EQ(t.Outcome(i).rfind("ended", 0), 0u) << t.Outcome(i);
        }
    }
}

// A remote's player closes the window while another player is on turn: its farewell reaches
// the host, which ends the game for the third machine too.
TEST(NetLoopback, AWindowClosedDuringAnothersTurnEndsTheGameForAll) {
    Table t("close");
    t.StartGame(3, SeedWhereFirstIs(3, 1), [](int i, NetPeerSetup& s) {
        if (i == 2) s.closeWindowAfter = 4;
    });
    ASSERT_TRUE(t.WaitAll(15));
    for (size_t i = 0; i < t.size(); ++i) {
        EXPECT_TRUE(EndedCleanly(t.machine(i))) << i;
        EXPECT_LT(t.machine(i).endedAt - t.machine(2).endedAt, 5.0) << i;
        EXPECT_EQ(t.Outcome(i).rfind("ended", 0), 0u) << i << ": " << t.Outcome(i);
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

namespace {

// A listening socket on a free port of the loopback address, for a test that plays the host.
int ListenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(fd, 8) != 0)
        return -1;
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return fd;
}

// Plays a hostile host over a real socket: greets the joiner, lays out its table, then sends
// `line`. True when the remote cut the connection then.
bool HostileHost(int listenFd, const std::string& line) {
    RawPeer host = RawPeer::Accept(listenFd);
    host.Send("IP ^ 8. 4. 0^ 1\n");
    if (!host.Hear("IP ^", 5)) return false;
    host.Send("NM Hana\n");
    if (!host.Hear("NM ", 5)) return false;
    host.Send("LO  5  1|\n");
    if (!host.Hear("LO\n", 5)) return false;
    host.Send(line);
    return host.HearClosed(1);
}

}  // namespace

// A host that breaks the protocol: the remote cuts it off at once (or, for a line it may pass
// over, plays on), ends its game cleanly and writes nothing outside its own folder whatever
// names the lines carry.
TEST(NetLoopback, AHostileHostEndsTheGameCleanlyOverARealSocket) {
    struct Case {
        std::string line;
        bool cut = true;  // false: the remote passes over the line
    };
    const Case cases[] = {
        {"TR  0\n"},
        {"TR  9\n"},
        {"LO  3  0|A|B|\n"},
        {"NM x|y\n"},
        {"DK  1# 2#x\n"},
        {"PC  12# 1\n"},
        {"RC  1# 2#\n"},
        {"IP ^ 8. 4. 0\n"},
        {"SY no number\n"},
        {"PK maybe\n"},
        {"GS x\n"},
        {std::string(1 << 20, 'x')},
        {"SY  2#$$../../outside.wav\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 30));
        Table t("hostile");
        NetPeerSetup s;
        const int listenFd = ListenOnLoopback(s.port);
        ASSERT_GE(listenFd, 0);
        s.quietLimit = 2;
        Machine& remote = t.Start(s);
        EXPECT_EQ(HostileHost(listenFd, c.line), c.cut);
        close(listenFd);
        ASSERT_TRUE(t.WaitAll(5));
        EXPECT_TRUE(EndedCleanly(t.machine(0)));
        EXPECT_EQ(t.Outcome(0).rfind("ended", 0), 0u) << t.Outcome(0);
        // Nothing but the remote's own folder under the root, nothing above it.
        for (const auto& entry : fs::directory_iterator(t.root()))
            EXPECT_EQ(entry.path(), remote.folder);
        EXPECT_FALSE(fs::exists(t.root() / "outside.wav"));
        EXPECT_FALSE(fs::exists(t.root().parent_path() / "outside.wav"));
    }
}

// A remote that breaks the protocol against a real host machine: the host cuts it off at once
// (or, for a line it may pass over, plays on), ends its game cleanly within seconds and writes
// nothing outside its own folder.
TEST(NetLoopback, AHostileRemoteIsCutOffAndTheHostEndsCleanly) {
    struct Case {
        const char* what;
        bool seated;  // the remote joins properly first and is on turn
        std::string lines;
        bool cut = true;  // false: the host passes over the line
    };
    const Case cases[] = {
        {"a hello with a damaged version", false, "IP ^ 8.x. 0\n"},
        {"garbage, then a name before the hello", false, "\x01\xfe garbage\nNM Mallory\n"},
        {"a second hello", true, "IP ^ 8. 4. 0\n"},
        {"a card play without numbers", true, "PC  x# y\n"},
        {"a card from a place out of range", true, "PC  99# 1\n"},
        {"a card onto a pile out of range", true, "PC  1# 99\n"},
        {"a chat line without its number", true, "SY no number\n"},
        {"a peek without numbers", true, "PK maybe\n"},
        {"a damaged farewell", true, "GO x\n"},
        {"a line after the farewell", true, "GO\nPC  1# 1\n"},
        {"a line of 1 MB without a newline", true, std::string(1 << 20, 'x')},
        {"a chat sound climbing out of the folder", true, "SY  2#$$../../outside.wav\n", false},
    };
    const int seed = SeedWhereFirstIs(2, 2);
    ASSERT_NE(seed, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Table t("hostileremote" + std::to_string(&c - cases));
        NetPeerSetup s;
        s.host = true;
        s.seed = seed;
        s.quietLimit = 2;
        const Machine& host = t.Start(s);
        ASSERT_NE(t.port(), 0);
        RawPeer remote = RawPeer::Connect(t.port());
        ASSERT_TRUE(remote.connected());
        ASSERT_TRUE(remote.Hear("IP ^", 5));
        if (c.seated) {
            remote.Send("IP ^ 8. 4. 0\nNM Mallory\n");
            ASSERT_TRUE(remote.Hear("LO ", 5)) << remote.heard();
            remote.Send("LO\n");
            // The host's new game, its deck and the first turn, each answered as a remote does.
            for (const char* code : {"GS", "DK", "TR"}) {
                ASSERT_TRUE(remote.Hear(std::string("\n") + code, 5)) << remote.heard();
                remote.Send(std::string(code) + "\n");
            }
        }
        const auto sent = std::chrono::steady_clock::now();
        remote.Send(c.lines);
        EXPECT_EQ(remote.HearClosed(1), c.cut) << remote.heard();
        ASSERT_TRUE(t.WaitAll(5));
        EXPECT_TRUE(EndedCleanly(host));
        EXPECT_EQ(t.Outcome(0).rfind("ended", 0), 0u) << t.Outcome(0);
        EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - sent).count(),
                  4.0);
        for (const auto& entry : fs::directory_iterator(t.root()))
            EXPECT_EQ(entry.path(), host.folder);
        EXPECT_FALSE(fs::exists(t.root() / "outside.wav"));
        EXPECT_FALSE(fs::exists(t.root().parent_path() / "outside.wav"));
    }
}
