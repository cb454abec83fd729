// Real TCP on the loopback address: a host and its remotes in one process, each with its own
// game, sockets and link, joining, being turned away, going silent and going away.
#include "net/qt/net_sockets.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "net/net_link.h"
#include "qt_test_app.h"

namespace {

using net::Action;

// One machine of the game: its state, its sockets and what its window was asked to do.
struct Machine {
    explicit Machine(bool host, std::string name, int players = 4) {
        TestApp();
        g.NumPlayers = static_cast<i16>(players);
        g.NumCenters = 4;
        g.NetConnected = 99;
        g.IsHost = host ? 1 : 0;
        sockets.SetTimes(2.0, 2.0);
        sockets.SetLink(&link);
        net::SessionConfig config;
        config.host = host;
        config.playerName = std::move(name);
        link.Begin(config);
    }
    net::LinkWindow Window() {
        net::LinkWindow w;
        w.carry = [this](const Action& a) {
            if (const auto* ask = std::get_if<net::act::AskJoin>(&a))
                link.JoinAnswer(ask->peer, acceptJoiners);
            if (const auto* box = std::get_if<net::act::Box>(&a)) boxes.push_back(box->text);
            if (std::holds_alternative<net::act::EndInternetGame>(a)) ended = true;
        };
        w.failed = [this](int, net::SocketFault fault, const std::string&, bool ends) {
            failures.push_back(fault);
            if (ends) ended = true;
        };
        w.flowBusy = [] { return false; };
        return w;
    }
    quint16 Host() {
        net::SocketFault fault{};
        std::string what;
        EXPECT_TRUE(sockets.Listen(0, &fault, &what, QHostAddress::LocalHost)) << what;
        return sockets.ListeningPort();
    }
    void Join(quint16 port) { sockets.Connect("127.0.0.1", port); }

    Game g;
    NetSockets sockets;
    SteadyClock clock;
    net::NetLink link{g, sockets, sockets, clock, Window()};
    bool acceptJoiners = true;
    bool ended = false;
    std::vector<std::string> boxes;
    std::vector<net::SocketFault> failures;
};

// Lets the event loop run until `done` or `ms` milliseconds have passed.
template <typename Done>
bool RunUntil(Done done, int ms = 2000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(NetSockets, JoinersAreSeatedInTurnAndOneTooManyGetsTheBusyLine) {
    Machine host(true, "Hostess", 3);
    const quint16 port = host.Host();
    ASSERT_NE(port, 0);

    Machine ann(false, "Ann");
    ann.Join(port);
    ASSERT_TRUE(ann.link.WaitForOpponent());
    EXPECT_EQ(host.g.NetConnected, 1);
    EXPECT_EQ(host.g.Opp[1].Name, "Ann");
    EXPECT_EQ(host.g.NetSeats[1].Kind, 7);
    EXPECT_EQ(host.g.NetSeats[1].Seat, 1);
    EXPECT_EQ(ann.g.NumPlayers, 3);
    // Ann's opponents in turn after her: the seat still waiting, then the host.
    EXPECT_EQ(ann.g.Opp[1].Name, "");
    EXPECT_EQ(ann.g.Opp[2].Name, "Hostess");

    Machine bob(false, "Bob");
    bob.Join(port);
    ASSERT_TRUE(bob.link.WaitForOpponent());
    EXPECT_EQ(host.g.NetConnected, 2);
    EXPECT_EQ(host.g.NetSeats[2].Seat, 2);
    EXPECT_EQ(host.g.Opp[2].Name, "Bob");
    // Bob sits after the host's Opp1 (Ann): his opponents are the host, then Ann.
    EXPECT_EQ(bob.g.Opp[1].Name, "Hostess");
    EXPECT_EQ(bob.g.Opp[2].Name, "Ann");

    Machine cid(false, "Cid");
    cid.Join(port);
    EXPECT_FALSE(cid.link.WaitForOpponent());
    EXPECT_EQ(cid.g.NetConnected, 0);
    ASSERT_FALSE(cid.boxes.empty());
    EXPECT_EQ(cid.boxes.back(), "You cannot join this game. The host is playing someone else.");
    // The two seated players play on.
    EXPECT_EQ(host.g.NetConnected, 2);
    EXPECT_FALSE(host.ended);
}

// A connection that says nothing, or talks but never says its hello (a web browser pointed at
// the port), would hold its place and the host's hello for the next joiner: it is dropped after
// the handshake time, the host waits on, and the next joiner is seated.
TEST(NetSockets, AConnectionWithoutAHelloIsDroppedAndTheNextJoinerSeated) {
    for (const char* says : {"", "GET / HTTP/1.1\r\nHost: x\r\n\r\n"}) {
        SCOPED_TRACE(says);
        Machine host(true, "Hostess");
        host.sockets.SetTimes(2.0, 0.2);
        const quint16 port = host.Host();
        QTcpSocket stranger;
        bool closed = false;
        QObject::connect(&stranger, &QTcpSocket::disconnected, [&] { closed = true; });
        QObject::connect(&stranger, &QTcpSocket::connected, [&] { stranger.write(says); });
        stranger.connectToHost(QHostAddress::LocalHost, port);
        EXPECT_TRUE(RunUntil([&] { return closed; }));
        RunUntil([] { return false; }, 200);  // let anything the drop set off run its course
        EXPECT_FALSE(host.ended);
        EXPECT_TRUE(host.link.Running());
        EXPECT_EQ(host.g.NetConnected, 99);

        Machine ann(false, "Ann");
        ann.Join(port);
        EXPECT_TRUE(ann.link.WaitForOpponent());
        EXPECT_EQ(host.g.Opp[1].Name, "Ann");
    }
}

TEST(NetSockets, AFifthConnectionIsTurnedAwayAtOnce) {
    Machine host(true, "Hostess");
    host.sockets.SetTimes(2.0, 5.0);
    const quint16 port = host.Host();
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int i = 0; i < 4; ++i) {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress::LocalHost, port);
    }
    QTcpSocket fifth;
    QByteArray heard;
    QObject::connect(&fifth, &QTcpSocket::readyRead, [&] { heard += fifth.readAll(); });
    fifth.connectToHost(QHostAddress::LocalHost, port);
    EXPECT_TRUE(RunUntil([&] { return heard.endsWith("GO\n"); }));
    EXPECT_EQ(heard.toStdString(),
              "SY  0#BRIVO: So you want to play with us? Sorry I'm busy!\nGO\n");
}

TEST(NetSockets, ARemoteThatVanishesEndsTheHostsWaitWithoutASend) {
    Machine host(true, "Hostess");
    const quint16 port = host.Host();
    auto ann = std::make_unique<Machine>(false, "Ann");
    ann->Join(port);
    ASSERT_TRUE(ann->link.WaitForOpponent());
    RunUntil([&] { return host.g.NetConnected == 1 && !host.link.HasPending(); });

    QTimer::singleShot(50, [&] { ann.reset(); });
    QElapsedTimer t;
    t.start();
    host.g.NetCode = 0;
    while (host.link.WaitNet(1)) {
    }
    EXPECT_LT(t.elapsed(), 1500);
    EXPECT_EQ(host.g.NetConnected, 0);
    EXPECT_EQ(host.g.NetCode, net::GO);
    EXPECT_TRUE(host.ended);
}

TEST(NetSockets, WaitsEndWhenTheWindowClosesOrTheHostLeaves) {
    Machine host(true, "Hostess");
    const quint16 port = host.Host();
    Machine ann(false, "Ann");
    ann.Join(port);
    ASSERT_TRUE(ann.link.WaitForOpponent());

    // The window closing raises the stop flag: the wait gives up although the host is there.
    QTimer::singleShot(50, [&] { ann.g.StopFlag = VbTrue; });
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(ann.link.WaitNet(0));
    EXPECT_LT(t.elapsed(), 1000);
    ann.g.StopFlag = VbFalse;

    // The host leaving says goodbye: the remote's wait ends with the Internet game.
    QTimer::singleShot(50, [&] { host.link.EndNetGame(); });
    t.restart();
    while (ann.link.WaitNet(0)) {
    }
    EXPECT_LT(t.elapsed(), 1000);
    EXPECT_EQ(ann.g.NetConnected, 0);
    EXPECT_TRUE(ann.ended);
}

TEST(NetSockets, NobodyListeningFailsTheRemotesConnection) {
    quint16 port = 0;
    {
        Machine probe(true, "Probe");
        port = probe.Host();
    }
    Machine ann(false, "Ann");
    ann.Join(port);
    EXPECT_FALSE(ann.link.WaitForOpponent());
    ASSERT_EQ(ann.failures.size(), 1u);
    EXPECT_EQ(ann.failures[0], net::SocketFault::Refused);
    EXPECT_EQ(ann.g.NetConnected, 0);
}

TEST(NetSockets, AHostThatSaysNothingIsGivenUpAfterTheHandshakeTime) {
    QTcpServer mute;
    ASSERT_TRUE(mute.listen(QHostAddress::LocalHost, 0));
    Machine ann(false, "Ann");
    ann.sockets.SetTimes(2.0, 0.2);
    ann.link.SendNet(0, "SY  1#Ann: anyone?");  // before the connection: nothing, no loss
    ann.Join(mute.serverPort());
    QElapsedTimer t;
    t.start();
    EXPECT_FALSE(ann.link.WaitForOpponent());
    EXPECT_LT(t.elapsed(), 1500);
    ASSERT_EQ(ann.failures.size(), 1u);
    EXPECT_EQ(ann.failures[0], net::SocketFault::TimedOut);
    EXPECT_EQ(ann.g.NetConnected, 0);
}

// A line leaves when it is sent, not when the game's flow next lets the event loop run, and is
// not held back to be gathered with later ones: both ways, the other end hears it while only
// its own socket is looked at.
TEST(NetSockets, ALineLeavesAtOnceWithoutTheSendersEventLoop) {
    Machine host(true, "Hostess");
    const quint16 port = host.Host();
    Machine ann(false, "Ann");
    ann.Join(port);
    ASSERT_TRUE(ann.link.WaitForOpponent());
    RunUntil([&] { return host.g.NetConnected == 1 && !host.link.HasPending(); });
    const auto hostSide = host.sockets.findChildren<QTcpSocket*>();
    const auto annSide = ann.sockets.findChildren<QTcpSocket*>();
    ASSERT_EQ(hostSide.size(), 1);
    ASSERT_EQ(annSide.size(), 1);

    ASSERT_TRUE(host.sockets.Write(1, "SY  5#Hostess: your turn\n"));
    EXPECT_TRUE(annSide[0]->waitForReadyRead(1000));
    ASSERT_TRUE(ann.sockets.Write(0, "SY  6#Ann: coming\n"));
    EXPECT_TRUE(hostSide[0]->waitForReadyRead(1000));
    EXPECT_EQ(hostSide[0]->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
    EXPECT_EQ(annSide[0]->socketOption(QAbstractSocket::LowDelayOption).toInt(), 1);
}

TEST(NetSockets, APortAlreadyTakenIsToldAsSuch) {
    Machine first(true, "First");
    const quint16 port = first.Host();
    Machine second(true, "Second");
    net::SocketFault fault{};
    std::string what;
    EXPECT_FALSE(second.sockets.Listen(port, &fault, &what, QHostAddress::LocalHost));
    EXPECT_EQ(fault, net::SocketFault::AddressInUse);
}

}  // namespace
