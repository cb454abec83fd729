// The Internet game on the window's side: the farewell reaches every peer, and the clean-up
// brings back what the game had before it went online.
#include "net/qt/internet_game.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "net/qt/net_sockets.h"
#include "qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct Remote {
    explicit Remote(std::string name) {
        TestApp();
        g.NumPlayers = 3;
        g.NumCenters = 4;
        g.NetConnected = 99;
        sockets.SetLink(&link);
        net::SessionConfig config;
        config.playerName = std::move(name);
        link.Begin(config);
    }
    Game g;
    NetSockets sockets;
    std::vector<std::string> chat;
    SteadyClock clock;
    net::NetLink link{g, sockets, sockets, clock,
                      net::LinkWindow{[this](const net::Action& a) {
                                          if (auto* c = std::get_if<net::act::ChatShown>(&a))
                                              chat.push_back(c->line);
                                      },
                                      [](int, net::SocketFault, const std::string&, bool) {},
                                      [] { return false; }, "F11"}};
};

struct HostRig {
    HostRig() : sv(g) {
        TestApp();
        g.NumPlayers = 3;
        g.NumCenters = 4;
        g.PlayerName = "Hostess";
        services = sv.services;
        services.net = &internet.link();
    }
    // Listens as the connection command would after the dialog, with the pause it shortens.
    quint16 Listen() {
        g.SavedPause = g.MovePause;
        g.MovePause = 0.01f;
        g.NetConnected = 99;
        g.IsHost = 1;
        net::SessionConfig config;
        config.host = true;
        config.playerName = g.PlayerName;
        internet.link().Begin(config);
        net::SocketFault fault{};
        std::string what;
        EXPECT_TRUE(internet.sockets().Listen(0, &fault, &what, QHostAddress::LocalHost));
        return internet.sockets().ListeningPort();
    }
    Game g;
    HeadlessServices sv;
    Services services;
    Engine engine{g, services};
    ChatSeq seq;
    SteadyClock clock;
    InternetGame internet{Parts()};
    // The window's side of the clean-up is not watched here.
    InternetGameParts Parts() {
        InternetGameParts p{engine, seq, clock};
        p.endGameKey = "F11";
        p.playerName = [this] { return g.PlayerName; };
        p.setPlayerName = p.showHelp = [](const std::string&) {};
        p.statusMsg = [](const std::string&, bool) {};
        p.showPlayerNames = p.resetNetPlayers = p.askSaveEndedGame = p.avatarSlap =
            p.numberCardsOnly = [] {};
        p.loadNetAvatar = [](int) {};
        p.moveFile = [](bool) {};
        p.flowBusy = [] { return false; };
        return p;
    }
};

TEST(InternetGame, TheFarewellReachesEveryPeerAndTheCleanUpRestoresThePause) {
    HostRig host;
    host.g.MovePause = 1.5f;
    const quint16 port = host.Listen();
    Remote ann("Ann"), bob("Bob");
    ann.sockets.Connect("127.0.0.1", port);
    ASSERT_TRUE(ann.link.WaitForOpponent());
    bob.sockets.Connect("127.0.0.1", port);
    ASSERT_TRUE(bob.link.WaitForOpponent());
    ASSERT_EQ(host.g.NetConnected, 2);

    host.internet.SignOff();
    QElapsedTimer t;
    t.start();
    while ((ann.g.NetConnected != 0 || bob.g.NetConnected != 0) && t.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    for (Remote* r : {&ann, &bob}) {
        EXPECT_EQ(r->g.NetConnected, 0);
        ASSERT_FALSE(r->chat.empty());
        EXPECT_EQ(r->chat.back(), "Hostess Quit!");
    }

    host.sv.log.Clear();
    host.internet.NetCleanUp();
    EXPECT_TRUE(host.sv.log.Contains("StatusBar_Clear"));
    EXPECT_FLOAT_EQ(host.g.MovePause, 1.5f);
    EXPECT_EQ(host.g.SavedPause, 0.0f);
    EXPECT_EQ(host.g.NetConnected, 0);
    EXPECT_EQ(host.g.HostPlayerName, "Brivo");
    EXPECT_FALSE(host.internet.link().Running());
}

}  // namespace
