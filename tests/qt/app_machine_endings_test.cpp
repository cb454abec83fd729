// Every way an Internet game ends leaves the copy at a local table its player can use: F11 opens
// the connection dialog, and New Game of the Game menu deals a local game. Each ending is played
// by one copy of the program against a peer the test plays over a raw socket, the copy hosting
// or joining through its own connection dialog.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <iterator>
#include <string>

#include "tests/app_machine/copies.h"
#include "tests/app_machine/machine_setup.h"
#include "tests/app_machine/raw_joins.h"

using namespace app_copies;

namespace {

// The host of this version greets the joining copy, names itself and seats it at a table of
// two.
void Seat(RawPeer& host) {
    host.Send("IP ^ 8. 4. 0^ 1\n");
    EXPECT_TRUE(host.Hear("IP ^", 20)) << host.heard();
    host.Send("NM Hana\n");
    EXPECT_TRUE(host.Hear("NM ", 10)) << host.heard();
    host.Send("LO  2  1|\n");
    EXPECT_TRUE(host.Hear("LO\n", 10)) << host.heard();
}

// The host starts a new game; the copy's player answers with Deal.
void NewGame(RawPeer& host) {
    Seat(host);
    host.Send("GS\n");
    EXPECT_TRUE(host.Hear("LO\nGS\n", 20)) << host.heard();
}

// The game dealt from the deck in the order of its cards, the host's player first: the copy
// then waits for the host's play.
void Dealt(RawPeer& host) {
    NewGame(host);
    std::string deck = "DK ";
    for (int id = 1; id <= 104; ++id) deck += " " + std::to_string(id) + "#";
    host.Send(deck + " 19# 0# 0# 0#\n");
    EXPECT_TRUE(host.Hear("GS\nDK\n", 10)) << host.heard();
    host.Send("TR  2\n");
    EXPECT_TRUE(host.Hear("DK\nTR\n", 10)) << host.heard();
}

struct Ending {
    const char* what;
    bool copyHosts;  // the copy hosts and the test's peer joins it; else the copy joins
    bool endOnWait;  // the copy's player ends the game when the table names a quiet peer
    std::function<void(RawPeer&)> play;  // the peer's part, from the connection on
    const char* told;                    // a box the copy shows on the way ("" none in particular)
};

constexpr const char* kDealerEnded = "[Quorvane] Dealer has terminated game.";

}  // namespace

TEST(AppMachineEndings, EveryEndingLeavesALocalTableWhereF11AndADealWork) {
    const Ending endings[] = {
        {"an old host hangs up after its new game", false, false,
         [](RawPeer& host) {
             host.Send("IP\n");
             EXPECT_TRUE(host.Hear("IP ^", 30)) << host.heard();
             host.Send("NM Oldie\n");
             EXPECT_TRUE(host.Hear("NM ", 10)) << host.heard();
             host.Send("GS\n");
             EXPECT_TRUE(host.Hear("GS\n", 10)) << host.heard();
             host.Close();
         },
         kDealerEnded},
        {"a host of an unknown version", false, false,
         [](RawPeer& host) { host.Send("IP ^ 8.x. 0^ 1\n"); }, "cannot use"},
        {"the host ends the game", false, false,
         [](RawPeer& host) {
             Seat(host);
             host.Send("SY  1#Hana Quit!^\nGO\n");
         },
         kDealerEnded},
        {"the host hangs up during the deal", false, false,
         [](RawPeer& host) {
             NewGame(host);
             host.Close();
         },
         kDealerEnded},
        {"the host ends its game during the deal, then hangs up", false, false,
         [](RawPeer& host) {
             NewGame(host);
             host.Send("EG\n");
             host.Close();
         },
         kDealerEnded},
        {"the host's deck is refused", false, false,
         [](RawPeer& host) {
             NewGame(host);
             host.Send("DK  1# 2# 3#\n");
         },
         "The deck sent by the other player could not be used."},
        {"the host is cut off in the middle of the game", false, false,
         [](RawPeer& host) {
             Dealt(host);
             host.Cut();
         },
         ""},
        {"the host sends a broken line in the middle of the game", false, false,
         [](RawPeer& host) {
             Dealt(host);
             host.Send("PC  x# y\n");
         },
         "(a card move from or to a place that does not exist). The Internet game with Hana "
         "has been ended."},
        {"the player's own END while the host is quiet", false, true,
         [](RawPeer& host) {
             Dealt(host);
             host.Send("PC  2# 12\n");  // a card moved within the hand, never closed
             EXPECT_TRUE(host.HearClosed(60)) << host.heard();
         },
         "[TERMINATE Quorvane Connection] Do you want to end this Quorvane Online Game?"},
        {"an old remote hangs up as the host deals", true, false,
         [](RawPeer& remote) {
             EXPECT_TRUE(remote.Hear("IP ^", 20));
             remote.Send("IP\nNM Oldie\n");
             EXPECT_TRUE(remote.Hear("GS\n", 10)) << remote.heard();
             remote.Send("GS\n");
             EXPECT_TRUE(remote.Hear("DK ", 10)) << remote.heard();
             remote.Close();
         },
         "[Quorvane] Oldie quit the game."},
        {"a remote hangs up in the middle of the game", true, false,
         [](RawPeer& remote) {
             JoinAndDeal(remote);
             remote.Close();
         },
         ""},
        {"a remote is cut off in the middle of the game", true, false,
         [](RawPeer& remote) {
             JoinAndDeal(remote);
             remote.Cut();
         },
         ""},
        {"a remote sends a broken line in the middle of the game", true, false,
         [](RawPeer& remote) {
             JoinAndDeal(remote);
             remote.Send("PC  99# 1\n");
         },
         "(a card move from or to a place that does not exist). The Internet game with Mallory "
         "has been ended."},
    };
    ForEachCase(std::size(endings), [&](size_t i) {
        const Ending& e = endings[i];
        SCOPED_TRACE(e.what);
        Copies copies("ending" + std::to_string(i));
        MachineSetup setup;
        setup.host = e.copyHosts;
        setup.leaveIfCut = 1;
        setup.localAfter = 1;
        setup.endOnWait = e.endOnWait ? 1 : 0;
        fs::path home;
        if (e.copyHosts) {
            setup.port = FreePort();
            home = copies.Start(setup);
            RawPeer remote = JoinWhenListening(setup.port);
            e.play(remote);
        } else {
            const int listenFd = ListenOnLoopback(setup.port);
            ASSERT_GE(listenFd, 0);
            home = copies.Start(setup);
            RawPeer host = AcceptWithin(listenFd, 30);
            close(listenFd);
            ASSERT_TRUE(host.connected());
            e.play(host);
        }
        EXPECT_GE(copies.UntilEnded(0, 60), 0)
            << ReadFile(home / "steps") << ReadFile(home / "boxes");
        EXPECT_TRUE(copies.EndedCleanly(0));
        const std::string steps = ReadFile(home / "steps"), boxes = ReadFile(home / "boxes");
        EXPECT_NE(steps.find("local game dealt"), std::string::npos) << steps;
        EXPECT_NE(boxes.find(e.told), std::string::npos) << boxes;
        EXPECT_EQ(boxes.find("Let me finish my turn"), std::string::npos) << boxes;
    });
}
