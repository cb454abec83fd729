// A friend who connects while the host's player has a window or a box open on a host copy of the
// whole program, played by the test over a raw socket: the host greets it at once, whatever is
// open, and seats it once the box is closed. Nobody is left waiting for an answer that would
// only come after the box, and no later friend is turned away as busy.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>

#include "tests/app_machine/copies.h"
#include "tests/app_machine/machine_setup.h"
#include "tests/app_machine/raw_joins.h"

using namespace app_copies;

namespace {

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// A seated remote played by the test: it answers each layout and each new game the host sends,
// as a remote program does.
struct Seated {
    RawPeer peer;
    size_t layouts = 0;
    // Reads what has come for a moment and answers it.
    void Answer() {
        peer.Hear("\x01", 0.05);
        for (const size_t n = Count(peer.heard(), "\nLO "); layouts < n; ++layouts)
            peer.Send("LO\n");
    }
};

Seated Join(int port, const std::string& name) {
    Seated s{JoinWhenListening(port)};
    EXPECT_TRUE(s.peer.Hear("IP ^", 10)) << s.peer.heard();
    s.peer.Send("IP ^ 8. 4. 0\nNM " + name + "\n");
    return s;
}

std::string LogsOf(const fs::path& home) {
    return ReadFile(home / "steps") + ReadFile(home / "boxes") + ReadFile(home / "table");
}

}  // namespace

// Each kind of box the host may have open as a friend connects: the Host Setup and Rules window,
// a notice of its own command (New Game while a player is missing), and a notice raised by
// another player's line (a seated player leaving) while the host waits for the players' Deal.
// The hello comes within 3 s, the host's name too unless the box came with another player's
// line (that line's handling is finished first); the seat's layout follows the box's closing.
TEST(NetLoopback, AFriendWhoJoinsWhileTheHostHasABoxOpenIsGreeted) {
    struct Case {
        const char* what;
        std::string hold;      // the host's window or box, held open
        int early = 0;         // the host's player's command before all have joined (MachineSetup)
        bool quitter = false;  // a second seated player leaves, which raises the box
    };
    const Case cases[] = {
        {"Host Setup and Rules", "frmRulesNET", 2},
        {"a notice of the host's own command", "opponent(s)", 1},
        {"a notice of another player leaving", "Quinn quit the game.", 0, true},
    };
    ForEachCase(std::size(cases), [&](size_t i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        Copies copies("greet" + std::to_string(i));
        MachineSetup host;
        host.host = true;
        host.players = 3;
        host.port = FreePort();
        host.hold = c.hold;
        host.early = c.early;
        const fs::path h = copies.Start(host);
        Seated ann = Join(host.port, "Ann");
        std::optional<Seated> quinn;
        if (c.quitter) {
            // Quinn comes once the host has set the table for three.
            ASSERT_GE(SecondsUntil(
                          [&] {
                              ann.Answer();
                              return Says(h / "table", "Number of players is 3");
                          },
                          20),
                      0)
                << LogsOf(h);
            quinn.emplace(Join(host.port, "Quinn"));
            // Both are seated and the host has asked for the new game: Quinn leaves.
            ASSERT_GE(SecondsUntil(
                          [&] {
                              ann.Answer();
                              quinn->Answer();
                              return quinn->peer.heard().find("\nGS") != std::string::npos;
                          },
                          20),
                      0)
                << LogsOf(h);
            quinn->peer.Send("GO\n");
        }
        ASSERT_GE(SecondsUntil([&] { return ann.Answer(), Says(h / "steps", "held "); }, 30), 0)
            << LogsOf(h);

        RawPeer bea = RawPeer::Connect(host.port);
        EXPECT_TRUE(bea.Hear("IP ^", 3)) << bea.heard() << LogsOf(h);
        bea.Send("IP ^ 8. 4. 0\nNM Bea\n");
        if (!c.quitter) {
            EXPECT_TRUE(bea.Hear("\nNM ", 3)) << bea.heard() << LogsOf(h);
        }
        EXPECT_TRUE(bea.connected());

        std::ofstream(h / "release") << "\n";
        EXPECT_TRUE(bea.Hear("\nNM ", 10)) << bea.heard() << LogsOf(h);
        EXPECT_GE(SecondsUntil(
                      [&] {
                          ann.Answer();
                          bea.Hear("\x01", 0.05);
                          return bea.heard().find("\nLO ") != std::string::npos;
                      },
                      15),
                  0)
            << bea.heard() << LogsOf(h);
        EXPECT_FALSE(Says(h / "table", "left before taking a seat")) << LogsOf(h);
    });
}
