// Copies of the whole program losing a peer. Against a peer that breaks the protocol, played by
// the test over a raw socket: the copy cuts that peer off at once, ends its Internet game cleanly
// - its box says why, its table is a local one again, the program closes normally after - and
// writes nothing outside its own folder, whatever names the peer's lines carry. In a game of
// three copies: one killed outright or closed by its player ends the game for the others within
// seconds, and they say so.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "tests/app_machine/copies.h"
#include "tests/app_machine/machine_setup.h"
#include "tests/app_machine/raw_joins.h"

using namespace app_copies;

namespace {

using Clock = std::chrono::steady_clock;

// The main window's line once no Internet game is on the table.
constexpr const char* kLocalTable = "Select NEW from the Game Menu to start a new game.";

double SecondsSince(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}

// Nothing of the copy under its root but its home, no file the peer named anywhere in it,
// nothing beside the root.
void NothingOutside(const Copies& copies, const fs::path& home) {
    std::error_code e;
    for (const auto& entry : fs::directory_iterator(copies.root(), e))
        EXPECT_EQ(entry.path(), home);
    for (const auto& entry : fs::recursive_directory_iterator(copies.root(), e))
        EXPECT_NE(entry.path().filename(), "outside.wav") << entry.path();
    EXPECT_FALSE(e) << copies.root() << ": " << e.message();
    EXPECT_FALSE(fs::exists(copies.root().parent_path() / "outside.wav"));
}

// The copy's Internet game is over, cleanly, within `seconds` of `sent`: its box `told`, the
// table back to a local game, the program closed by its player without a fault.
void EndsCleanly(Copies& copies, const fs::path& home, Clock::time_point sent,
                 const std::string& told, double seconds) {
    EXPECT_GE(copies.UntilEnded(0, std::max(0.0, seconds - SecondsSince(sent))), 0)
        << ReadFile(home / "steps");
    EXPECT_TRUE(copies.EndedCleanly(0));
    EXPECT_TRUE(Says(home / "boxes", told)) << ReadFile(home / "boxes");
    EXPECT_TRUE(Says(home / "table", kLocalTable)) << ReadFile(home / "table");
}

// The faults as the boxes name them.
constexpr const char* kNoPlace = "a card move from or to a place that does not exist";
constexpr const char* kNoPeek = "a peek notice that is neither True nor False";
constexpr const char* kNoFirst = "a first player who is not at the table";
constexpr const char* kTooLong = "more than a peer may send at once";
// A player who leaves in the middle of a game is let go; the box is the offer to save the game.
constexpr const char* kSaveAsked =
    "[Save Game] This game has ended. Would you like to save this game?";

// The deal is laid out and the table names the first player ("YOU go first", "So I go FIRST!",
// "... goes FIRST!").
bool FirstPlayerNamed(const fs::path& home) {
    const std::string table = ReadFile(home / "table");
    return table.find("go first") != std::string::npos || table.find("FIRST") != std::string::npos;
}

std::string Told(const std::string& who, const std::string& what) {
    return "[Quorvane] " + who + "'s program sent something this game cannot use (" + what +
           "). The Internet game with " + who + " has been ended.";
}

}  // namespace

// A remote that breaks the protocol against a real host copy: the host cuts it off within 1 s
// and, once it had a seat, ends the game cleanly within 4 s with a box that names the fault; a
// joiner that breaks it before it is seated is cut off and the host waits on for players, as a
// stray connection never ends a game. A line the host may pass over leaves the game on until
// the remote says goodbye.
TEST(NetLoopback, AHostileRemoteIsCutOffAndTheHostEndsCleanly) {
    struct Case {
        const char* what;
        bool seated;  // the remote joins properly and the game is dealt first
        std::string lines;
        std::string told;  // the host's box; empty: the host passes over the line
    };
    const Case cases[] = {
        {"a hello with a damaged version", false, "IP ^ 8.x. 0\n", ""},
        {"garbage, then a name before the hello", false, "\x01\xfe garbage\nNM Mallory\n", ""},
        // The name would name the host's score file of this opponent.
        {"a name that climbs out of the folder", false, "IP ^ 8. 4. 0\nNM ../../outside\n", ""},
        {"a second hello", true, "IP ^ 8. 4. 0\n", Told("Mallory", "a second hello")},
        {"a card play without numbers", true, "PC  x# y\n", Told("Mallory", kNoPlace)},
        {"a card from a place out of range", true, "PC  99# 1\n", Told("Mallory", kNoPlace)},
        {"a card onto a pile out of range", true, "PC  1# 99\n", Told("Mallory", kNoPlace)},
        {"a chat line without its number", true, "SY no number\n",
         Told("Mallory", "a chat line without its number")},
        {"a peek without numbers", true, "PK maybe\n", Told("Mallory", kNoPeek)},
        {"a damaged farewell", true, "GO x\n", Told("Mallory", "a damaged farewell")},
        {"a line after the farewell", true, "GO\nPC  1# 1\n", kSaveAsked},
        {"a line of 1 MB without a newline", true, std::string(1 << 20, 'x'),
         Told("Mallory", kTooLong)},
        {"a chat sound climbing out of the folder", true, "SY  2#$$../../outside.wav\n", ""},
    };
    ForEachCase(std::size(cases), [&](size_t i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.what);
        Copies copies("hostileremote" + std::to_string(i));
        MachineSetup host;
        host.host = true;
        host.port = FreePort();
        const fs::path h = copies.Start(host);
        RawPeer mallory = JoinWhenListening(host.port);
        if (c.seated) {
            JoinAndDeal(mallory);
            // The deal laid out on the host's table and the first player named: lines that come
            // while the cards are being dealt wait for the deal.
            EXPECT_GE(SecondsUntil([&] { return FirstPlayerNamed(h); }, 15), 0)
                << ReadFile(h / "table");
        } else {
            EXPECT_TRUE(mallory.Hear("IP ^", 10));
        }
        const auto sent = Clock::now();
        mallory.Send(c.lines);
        const bool cut = !c.seated || !c.told.empty();
        EXPECT_EQ(mallory.HearClosed(1), cut) << mallory.heard();
        if (!cut) mallory.Send("GO\n");  // the remote leaves as a program does
        if (c.seated) {
            EndsCleanly(copies, h, sent, c.told, 4);
        } else {
            // The next player to come is greeted as the first.
            RawPeer next = RawPeer::Connect(host.port);
            EXPECT_TRUE(next.Hear("IP ^", 4)) << next.heard();
            EXPECT_FALSE(Says(h / "boxes", "cannot use")) << ReadFile(h / "boxes");
        }
        NothingOutside(copies, h);
    });
}

// A remote's card play sent while the host's player is on turn, looking at its cards, is broken
// on arrival: the host cuts that remote off before its own player moves, with the message of a
// broken line, instead of holding the play until its own play asks the remote for an answer.
TEST(NetLoopback, ACardPlayOutOfTurnIsCutOffOnArrival) {
    Copies copies("outofturn");
    MachineSetup host;
    host.host = true;
    host.port = FreePort();
    host.seed = 2;  // the host's player begins
    host.think = 30;
    const fs::path h = copies.Start(host);
    RawPeer mallory = JoinWhenListening(host.port);
    ASSERT_TRUE(JoinAndDeal(mallory)) << mallory.heard();
    const size_t dealt = mallory.heard().size();
    const auto sent = Clock::now();
    mallory.Send("PC  2# 7\n");  // a discard, while it is the host's player's turn
    EXPECT_TRUE(mallory.HearClosed(15)) << mallory.heard();
    EXPECT_EQ(mallory.heard().find("PC  ", dealt), std::string::npos) << mallory.heard();
    EndsCleanly(copies, h, sent, Told("Mallory", "a card play out of turn"), 20);
}

// A host that breaks the protocol against a real remote copy, joined through its connection
// dialog and seated by the host's layout: the remote cuts the host off within 1 s and ends its
// game cleanly within 4 s with a box that names the fault; a line it may pass over leaves the
// game on until the host says goodbye.
TEST(NetLoopback, AHostileHostEndsTheGameCleanlyOverARealSocket) {
    struct Case {
        std::string line;
        std::string told;  // the remote's box; empty: the remote passes over the line
    };
    const Case cases[] = {
        {"TR  0\n", Told("Hana", kNoFirst)},
        {"TR  9\n", Told("Hana", kNoFirst)},
        {"LO  3  0|A|B|\n", Told("Hana", "a layout with a seat that is not at the table")},
        {"NM x|y\n", Told("Hana", "a second name")},
        {"DK  1# 2#x\n", Told("Hana", "numbers without their end mark")},
        {"PC  12# 1\n", Told("Hana", kNoPlace)},
        {"RC  1# 2#\n", Told("Hana", "a game with a damaged or missing number")},
        {"IP ^ 8. 4. 0\n", Told("Hana", "a second hello")},
        {"SY no number\n", Told("Hana", "a chat line without its number")},
        {"PK maybe\n", Told("Hana", kNoPeek)},
        {"GS x\n", Told("Hana", "a damaged new-game notice")},
        {std::string(1 << 20, 'x'), Told("Hana", kTooLong)},
        {"SY  2#$$../../outside.wav\n", ""},
    };
    ForEachCase(std::size(cases), [&](size_t i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.line.substr(0, 30));
        Copies copies("hostilehost" + std::to_string(i));
        MachineSetup remote;
        const int listenFd = ListenOnLoopback(remote.port);
        ASSERT_GE(listenFd, 0);
        remote.leaveIfCut = 1;
        const fs::path r = copies.Start(remote);
        RawPeer hana = AcceptWithin(listenFd, 30);
        close(listenFd);
        ASSERT_TRUE(hana.connected());
        hana.Send("IP ^ 8. 4. 0^ 1\n");
        ASSERT_TRUE(hana.Hear("IP ^", 5)) << hana.heard();
        hana.Send("NM Hana\n");
        ASSERT_TRUE(hana.Hear("NM ", 5)) << hana.heard();
        hana.Send("LO  5  1|\n");
        ASSERT_TRUE(hana.Hear("LO\n", 5)) << hana.heard();
        // The remote's player has seen the table laid out for the game.
        ASSERT_GE(SecondsUntil([&] { return Says(r / "steps", "step 2 "); }, 5), 0)
            << ReadFile(r / "steps");
        const auto sent = Clock::now();
        hana.Send(c.line);
        const bool cut = !c.told.empty();
        EXPECT_EQ(hana.HearClosed(1), cut) << hana.heard();
        if (!cut) hana.Send("GO\n");
        EndsCleanly(copies, r, sent, cut ? c.told : "[Quorvane] Dealer has terminated game.", 4);
        NothingOutside(copies, r);
    });
}

namespace {

// The host, waiting for two joiners, and the joiners: started once the host listens, one after
// the other, so that the first joiner takes the first seat.
std::vector<fs::path> StartThree(Copies& copies,
                                 const std::function<void(int, MachineSetup&)>& tweak) {
    MachineSetup host;
    host.host = true;
    host.players = 3;
    host.port = FreePort();
    tweak(0, host);
    std::vector<fs::path> homes{copies.Start(host)};
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    for (int i = 1; i < 3; ++i) {
        MachineSetup remote;
        remote.port = host.port;
        tweak(i, remote);
        homes.push_back(copies.Start(remote));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    }
    return homes;
}

size_t TurnsLogged(const fs::path& home) {
    const std::string digests = ReadFile(home / "digests");
    return static_cast<size_t>(std::count(digests.begin(), digests.end(), '\n'));
}

std::string LogsOf(const std::vector<fs::path>& homes) {
    std::string logs;
    for (const fs::path& home : homes)
        logs += home.filename().string() + ":\n" + ReadFile(home / "steps") +
                ReadFile(home / "boxes") + ReadFile(home / "table") + "--\n";
    return logs;
}

// The remote's line once the host has ended the game for the others.
constexpr const char* kHostEnded = "Host has ended this game. Wait for the start of a new game.";

}  // namespace

// A copy killed outright, a remote or the host, in a game of three: the others notice the lost
// connection and end the game within 5 s, saying so, instead of waiting for a move that will not
// come. A lost remote ends the game on the host, which tells the other remote; a lost host ends
// the Internet game on both remotes, which go back to a local table and close cleanly.
TEST(NetLoopback, AKilledMachineEndsTheGameForTheOthersWithinSeconds) {
    for (const size_t victim : {1u, 0u}) {
        SCOPED_TRACE(victim == 0 ? "host killed" : "remote killed");
        Copies copies("kill" + std::to_string(victim));
        const std::vector<fs::path> homes = StartThree(copies, [](int, MachineSetup&) {});
        ASSERT_GE(SecondsUntil([&] { return TurnsLogged(homes[victim]) >= 4; }, 60), 0)
            << LogsOf(homes);
        copies.Kill(victim);
        const auto killed = Clock::now();
        if (victim == 1) {
            EXPECT_GE(
                SecondsUntil([&] { return Says(homes[0] / "table", "P1 quit the game."); }, 5), 0)
                << LogsOf(homes);
            EXPECT_GE(SecondsUntil([&] { return Says(homes[2] / "table", kHostEnded); },
                                   5 - SecondsSince(killed)),
                      0)
                << LogsOf(homes);
        } else {
            for (const size_t copy : {1u, 2u}) {
                EXPECT_GE(SecondsUntil(
                              [&] {
                                  return Says(homes[copy] / "boxes",
                                              "[Quorvane] Dealer has terminated game.");
                              },
                              5 - SecondsSince(killed)),
                          0)
                    << copy << "\n"
                    << LogsOf(homes);
            }
            for (const size_t copy : {1u, 2u}) {
                EXPECT_GE(copies.UntilEnded(copy, 10), 0) << copy << "\n" << LogsOf(homes);
                EXPECT_TRUE(copies.EndedCleanly(copy)) << copy;
                EXPECT_TRUE(Says(homes[copy] / "table", kLocalTable)) << copy;
            }
        }
    }
}

// The second remote's player closes the window while another player is on turn: the program
// closes once the turn being replayed has unwound, says goodbye to the host on the way, and the
// host ends the game for the third copy too, within 5 s of the close.
TEST(NetLoopback, AWindowClosedDuringAnothersTurnEndsTheGameForAll) {
    Copies copies("close");
    const std::vector<fs::path> homes = StartThree(copies, [](int copy, MachineSetup& s) {
        if (copy == 2) s.closeAt = 4;
    });
    ASSERT_GE(SecondsUntil([&] { return Says(homes[2] / "steps", "close box"); }, 60), 0)
        << LogsOf(homes);
    const auto closed = Clock::now();
    EXPECT_GE(copies.UntilEnded(2, 5), 0) << LogsOf(homes);
    EXPECT_TRUE(copies.EndedCleanly(2));
    // The host shows the farewell ("P2 Quit!" in the chat line), not only a lost connection.
    EXPECT_GE(SecondsUntil(
                  [&] {
                      return Says(homes[0] / "table", "P2 quit the game.") &&
                             Says(homes[0] / "table", "P2 Quit!");
                  },
                  5 - SecondsSince(closed)),
              0)
        << LogsOf(homes);
    EXPECT_GE(SecondsUntil([&] { return Says(homes[1] / "table", kHostEnded); },
                           5 - SecondsSince(closed)),
              0)
        << LogsOf(homes);
}
