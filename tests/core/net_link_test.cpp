// The link between the sockets and the session, over a stand-in wire: lines out to the live
// peers, losses taken up in order, and no line handled inside another's handling.
#include "net/net_link.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/net_wait.h"

namespace {

using net::Action;
using net::LinkEvent;

struct FakeWire : net::Transport, net::Sleeper {
    bool Write(int peer, const std::string& bytes) override {
        if (dead.count(peer)) return false;
        written[peer] += bytes;
        return true;
    }
    bool Live(int peer) const override { return dead.count(peer) == 0; }
    void Close(int peer) override { closed.push_back(peer); }
    void CloseAll() override { closedAll = true; }
    // A sleep takes no time but the length asked for, on the wire's own clock.
    void Sleep(double seconds) override {
        ++sleeps;
        clock.Advance(seconds);
        if (onSleep) onSleep();
    }
    std::function<void()> onSleep;
    void Wake() override {}
    void Soon(std::function<void()> task, double) override { soon.push_back(std::move(task)); }
    void RunSoon() {
        auto tasks = std::move(soon);
        soon.clear();
        for (auto& t : tasks) t();
    }
    std::vector<std::function<void()>> soon;

    std::map<int, std::string> written;
    std::set<int> dead;
    std::vector<int> closed;
    bool closedAll = false;
    int sleeps = 0;
    ManualClock clock;
};

struct HostRig {
    HostRig() {
        g.NumPlayers = 4;
        g.NumCenters = 4;
        g.NetConnected = 99;
        g.IsHost = 1;
        net::SessionConfig config;
        config.host = true;
        config.playerName = "Hostess";
        link.Begin(config);
    }
    net::LinkWindow Window() {
        net::LinkWindow w;
        w.carry = [this](const Action& a) {
            if (const auto* ask = std::get_if<net::act::AskJoin>(&a))
                link.JoinAnswer(ask->peer, true);
            if (const auto* l = std::get_if<net::act::Label>(&a)) labels.push_back(l->text);
            if (const auto* n = std::get_if<net::act::Status>(&a))
                notices.push_back({wire.clock.Now(), n->visible ? n->text : "(hidden)"});
            if (onCarry) onCarry(a);
        };
        w.flowBusy = [this] { return busy; };
        w.endGameKey = "F11";
        w.failed = [this](int peer, net::SocketFault, const std::string&, bool ends) {
            failures.push_back({peer, ends});
        };
        return w;
    }
    void Bytes(int peer, const std::string& bytes) {
        link.Post({LinkEvent::Bytes, peer, bytes, net::SocketFault::Other});
    }
    void Join(int peer, const std::string& name) {
        link.Post({LinkEvent::Accept, peer, {}, net::SocketFault::Other});
        Bytes(peer, "IP ^ 8. 4. 0\n");
        Bytes(peer, "NM " + name + "\n");
        link.DrainIdle();
    }

    Game g;
    FakeWire wire;
    std::vector<std::string> labels;
    std::vector<std::pair<double, std::string>> notices;  // when, and what (or "(hidden)")
    std::vector<std::pair<int, bool>> failures;
    std::function<void(const Action&)> onCarry;
    bool busy = false;
    net::NetLink link{g, wire, wire, wire.clock, Window()};
};

TEST(NetLink, ABroadcastReachesEveryLivePeerThenTheLossIsTheDeadPeers) {
    HostRig rig;
    rig.Join(1, "Ann");
    rig.Join(2, "Bob");
    rig.Join(3, "Cid");
    ASSERT_EQ(rig.g.NetConnected, 3);
    rig.wire.written.clear();

    rig.wire.dead = {2};
    rig.link.SendNetAll(0, "OK");
    EXPECT_EQ(rig.wire.written[1], "OK\n");
    EXPECT_EQ(rig.wire.written[3], "OK\n");
    EXPECT_EQ(rig.g.NetConnected, 3);  // nothing handled inside the send

    ASSERT_TRUE(rig.link.WaitNet(0));
    EXPECT_EQ(rig.g.NetConnected, 2);
    EXPECT_EQ(rig.g.NetSeats[1].Kind, 7);
    EXPECT_EQ(rig.g.NetSeats[2].Kind, 0);
    EXPECT_EQ(rig.g.NetSeats[3].Kind, 7);
    EXPECT_EQ(rig.labels.back(), "Bob quit the game.");
    // The others hear that the game has ended.
    EXPECT_EQ(rig.wire.written[1], "OK\nEG\n");
    EXPECT_EQ(rig.wire.written[3], "OK\nEG\n");

    // A single send that fails is the loss of the peer it went to.
    rig.wire.dead = {3};
    rig.link.SendNet(3, "PC  1# 1");
    ASSERT_TRUE(rig.link.WaitNet(3));
    EXPECT_EQ(rig.g.NetSeats[1].Kind, 7);
    EXPECT_EQ(rig.g.NetSeats[3].Kind, 0);
    EXPECT_EQ(rig.g.NetConnected, 1);
}

TEST(NetLink, OneRemotesBrokenSocketEndsTheGameWithThatRemoteOnly) {
    HostRig rig;
    rig.Join(1, "Ann");
    rig.Join(2, "Bob");
    rig.link.Post({LinkEvent::Failed, 2, "Connection reset by peer", net::SocketFault::Reset});
    ASSERT_TRUE(rig.link.WaitNet(0));
    ASSERT_EQ(rig.failures.size(), 1u);
    EXPECT_EQ(rig.failures[0], std::make_pair(2, false));
    EXPECT_TRUE(rig.link.Running());
    EXPECT_EQ(rig.g.NetConnected, 1);
    EXPECT_EQ(rig.g.NetSeats[1].Kind, 7);
    EXPECT_EQ(rig.g.NetSeats[2].Kind, 0);

    // The host's own listening socket failing ends the Internet game.
    rig.link.Post({LinkEvent::Failed, 0, "Network is down", net::SocketFault::Other});
    ASSERT_TRUE(rig.link.WaitNet(0));
    EXPECT_EQ(rig.failures.back(), std::make_pair(0, true));
    EXPECT_FALSE(rig.link.Running());
    EXPECT_EQ(rig.g.NetConnected, 0);
    EXPECT_TRUE(rig.wire.closedAll);
    EXPECT_FALSE(rig.link.WaitNet(0));
    EXPECT_EQ(rig.g.NetCode, net::GO);
}

TEST(NetLink, ANewGameClosesTheGapLeftByAPlayerWhoWent) {
    HostRig rig;
    rig.Join(1, "Ann");
    rig.Join(2, "Bob");
    rig.Join(3, "Cid");
    rig.link.Post({LinkEvent::Lost, 2, {}, net::SocketFault::Other});
    rig.link.DrainIdle();
    rig.wire.written.clear();
    rig.g.NumPlayers = 3;  // the host sets the table for the three who are left
    rig.link.NewLayout();
    EXPECT_EQ(rig.g.NetSeats[3].Seat, 2);
    EXPECT_EQ(rig.g.Opp[2].Name, "Cid");
    EXPECT_EQ(rig.wire.written[1], "LO  3  1|Ann|Cid|\n");
    EXPECT_EQ(rig.wire.written[3], "LO  3  2|Ann|Cid|\n");
    EXPECT_EQ(rig.wire.written.count(2), 0u);
}

TEST(NetLink, AWaitInsideALinesHandlingTakesNoLine) {
    HostRig rig;
    rig.Join(1, "Ann");
    bool inner = true;
    int seen = 0;
    rig.onCarry = [&](const Action& a) {
        if (!std::holds_alternative<net::act::ChatShown>(a)) return;
        ++seen;
        inner = rig.link.WaitNet(1);
    };
    rig.busy = true;  // the lines are for the wait below, one at a time
    rig.Bytes(1, "SY  1#Ann: one\nSY  2#Ann: two\n");
    ASSERT_TRUE(rig.link.WaitNet(1));
    EXPECT_FALSE(inner);
    EXPECT_EQ(seen, 1);
    EXPECT_TRUE(rig.link.HasPending());
    ASSERT_TRUE(rig.link.WaitNet(1));
    EXPECT_EQ(seen, 2);
}

// A command run during a wait's sleep (a restart chosen while a remote's turn is replayed) gave
// another game and handled that game's lines up to its own end: the wait it interrupted takes
// none of the new game's lines, which stay for the new game's own waits, and the game is not
// taken for lost.
TEST(NetLink, AWaitWhoseTableWasReplacedDuringItsSleepTakesNoLineOfTheNewOne) {
    HostRig rig;
    rig.g.NumPlayers = 2;
    rig.Join(1, "Ann");
    rig.labels.clear();
    int sleeps = 0;
    rig.wire.onSleep = [&] {
        if (++sleeps == 1) {
            ++rig.g.NetTable;
            rig.g.NetCode = net::RC;
            rig.Bytes(1, "SY  1#Ann: the new game's line\n");
        } else if (sleeps > 50) {
            rig.g.StopFlag = VbTrue;  // a wait that never ends
        }
    };
    EXPECT_FALSE(WaitNetUntil(rig.g, &rig.link, [&] { return rig.g.NetCode == net::PC; }));
    EXPECT_EQ(sleeps, 1);
    ASSERT_TRUE(rig.link.HasPending());
    EXPECT_TRUE(rig.labels.empty());
    EXPECT_EQ(rig.g.NetCode, net::RC);
    // The new game's wait takes the line.
    rig.wire.onSleep = nullptr;
    ASSERT_TRUE(rig.link.WaitNet(0));
    ASSERT_FALSE(rig.labels.empty());
    EXPECT_EQ(rig.labels.back(), "the new game's line");
}

TEST(NetLink, LinesLeftWhenAWaitEndsAreHandledOnceTheGameIsIdle) {
    HostRig rig;
    rig.Join(1, "Ann");
    rig.labels.clear();
    rig.busy = true;
    rig.Bytes(1, "SY  1#Ann: one\nSY  2#Ann: two\n");
    rig.wire.soon.clear();  // only what the wait leaves behind is looked at below
    ASSERT_TRUE(rig.link.WaitNet(1));
    EXPECT_EQ(rig.labels.back(), "one");
    rig.busy = false;
    rig.wire.RunSoon();
    EXPECT_EQ(rig.labels.back(), "two");
    EXPECT_FALSE(rig.link.HasPending());
}

TEST(NetLink, IdleLinesWaitWhileTheGamesFlowIsBusy) {
    HostRig rig;
    rig.Join(1, "Ann");
    rig.labels.clear();
    rig.busy = true;
    rig.Bytes(1, "SY  1#Ann: hello\n");
    rig.link.DrainIdle();
    EXPECT_TRUE(rig.link.HasPending());
    rig.busy = false;
    rig.link.DrainIdle();
    EXPECT_FALSE(rig.link.HasPending());
    ASSERT_FALSE(rig.labels.empty());
    EXPECT_EQ(rig.labels.back(), "hello");
}

// The host's play went to Ann and Bob; Bob answers at once, Ann `annAt` seconds after it was
// sent (never when negative). A wait that goes 20 s without her answer names her and the key that
// ends the game; an answer puts the notice away, and the player ending the game ends the wait.
// Bob's machine is told whom the host waits for, and when the wait is over.
TEST(NetLink, AWaitHeldUpByAQuietPeerNamesItAfterTwentySeconds) {
    const std::string told = "Waiting for Ann...\nEND Internet Game (F11) ends this game.";
    struct Case {
        double annAt;
        std::vector<std::pair<double, std::string>> notices;
    } cases[] = {
        {19.5, {}},
        {30, {{20, told}, {30, "(hidden)"}}},
        {-1, {{20, told}, {20, "(hidden)"}}},
    };
    for (const auto& c : cases) {
        HostRig rig;
        rig.Join(1, "Ann");
        rig.Join(2, "Bob");
        // Ann takes the layout after 2 s; the deal's show then runs 15 s with no wait: none of
        // that time counts against the play's answer.
        rig.Bytes(2, "LO\n");
        rig.wire.onSleep = [&] {
            if (rig.wire.clock.Now() >= 2) rig.Bytes(1, "LO\n"), rig.wire.onSleep = nullptr;
        };
        const auto& peers = rig.link.state()->peers;
        while (peers[1].awaiting != 0 || peers[2].awaiting != 0) ASSERT_TRUE(rig.link.WaitNet(0));
        rig.wire.clock.Advance(15);
        const double sentAt = rig.wire.clock.Now();
        rig.g.Pturn = 1;
        rig.g.NetAnswers = 1;
        rig.link.SendNetAll(0, "PC  2# 1");
        rig.Bytes(2, "PC\n");
        rig.wire.onSleep = [&] {
            if (c.annAt >= 0 && rig.wire.clock.Now() >= sentAt + c.annAt) {
                rig.Bytes(1, "PC\n");
                rig.wire.onSleep = nullptr;
            }
        };
        rig.onCarry = [&](const Action& a) {
            const auto* n = std::get_if<net::act::Status>(&a);
            if (c.annAt < 0 && n && n->visible) {  // END Internet Game pressed on the notice
                rig.g.NetConnected = 0;
                rig.link.End();
            }
        };
        const bool answered = WaitNetUntil(rig.g, &rig.link, [&] { return rig.g.NetAnswers >= 3; });
        EXPECT_EQ(answered, c.annAt >= 0);
        if (c.annAt < 0) {
            EXPECT_EQ(rig.g.NetCode, net::GO);
        }
        ASSERT_EQ(rig.notices.size(), c.notices.size()) << c.annAt;
        // Bob's machine, waiting through the host, is told whom for.
        EXPECT_EQ(rig.wire.written[2].find("#$-BRIVO: Waiting for Ann...\n") != std::string::npos,
                  !c.notices.empty())
            << rig.wire.written[2];
        // ...and, once Ann answers, that the wait is over: its table would name her until the
        // host's next move.
        EXPECT_EQ(rig.wire.written[2].find("#$-BRIVO: Waiting for ...\n") != std::string::npos,
                  c.annAt >= 0 && !c.notices.empty())
            << rig.wire.written[2];
        for (size_t i = 0; i < c.notices.size(); ++i) {
            EXPECT_NEAR(rig.notices[i].first - sentAt, c.notices[i].first,
                        net::NetLink::kWaitSlice);
            EXPECT_EQ(rig.notices[i].second, c.notices[i].second);
        }
    }
}

TEST(NetLink, AJoinerThatLeavesBeforeItsSeatLeavesTheHostWaiting) {
    HostRig rig;
    rig.link.Post({LinkEvent::Accept, 1, {}, net::SocketFault::Other});
    rig.Bytes(1, "IP ^ 8. 4. 0\n");
    rig.link.Post({LinkEvent::Lost, 1, {}, net::SocketFault::Other});
    rig.link.DrainIdle();
    EXPECT_TRUE(rig.link.Running());
    EXPECT_EQ(rig.g.NetConnected, 99);
    EXPECT_EQ(rig.g.NetSeats[1].Kind, 0);

    rig.Join(2, "Bob");
    EXPECT_EQ(rig.g.NetConnected, 1);
    EXPECT_EQ(rig.g.Opp[1].Name, "Bob");
}

TEST(NetLink, ASecondJoinerWaitsForTheFirstOnesHello) {
    HostRig rig;
    rig.link.Post({LinkEvent::Accept, 1, {}, net::SocketFault::Other});
    rig.link.Post({LinkEvent::Accept, 2, {}, net::SocketFault::Other});
    rig.link.DrainIdle();
    EXPECT_EQ(rig.wire.written[1], "IP ^ 8. 4. 0^ 1\n");
    EXPECT_EQ(rig.wire.written[2], "");
    rig.Bytes(1, "IP ^ 8. 4. 0\n");
    rig.link.DrainIdle();
    EXPECT_EQ(rig.wire.written[2], "IP ^ 8. 4. 0^ 2\n");
}

}  // namespace
