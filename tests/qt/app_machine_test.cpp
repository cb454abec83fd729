// Copies of the whole program, each a process with its own home, joined over the loopback
// address and played through their own menus, dialogs, Deal button and card boxes: a game the
// host gives again from its Internet menu is taken up by every copy and goes on the same
// everywhere, its side piles drawn with their depth shapes as soon as it lies on each table, and
// the same copies then play a new Internet game.
#include <gtest/gtest.h>
#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <thread>
#include <vector>

#include "tests/app_machine/copies.h"
#include "tests/app_machine/machine_setup.h"
#include "tests/app_machine/raw_joins.h"

using namespace app_copies;

namespace {

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// The side piles of the game given again, as each copy's table showed them once it was laid:
// behind each top card one depth shape for every card under it.
void ExpectDepthShapes(const std::string& sidepiles) {
    const std::vector<std::string> lines = Lines(sidepiles);
    EXPECT_EQ(lines.size(), 1u) << sidepiles;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        std::string resumed, sideWord, shapesWord;
        in >> resumed;
        int side = 0, shapes = 0, piles = 0;
        while (in >> sideWord >> side >> shapesWord >> shapes) {
            ++piles;
            EXPECT_EQ(shapes, std::max(side - 1, 0)) << line;
        }
        EXPECT_GE(piles, 2) << line;
    }
}

std::string StepsOf(const std::vector<fs::path>& homes) {
    std::string steps;
    for (const fs::path& home : homes) steps += ReadFile(home / "steps") + "--\n";
    return steps;
}

// The host and `players` - 1 remotes play a first Internet game, end it from the host's menu,
// join again and play a second one, the host choosing the menu commands of `first`; every copy
// must show
// the host's position at the start of every turn of both games, and none may have refused
// another's lines.
void PlayTwoGames(const std::string& name, int players,
                  const std::function<void(MachineSetup&)>& first, const std::string& hostCommand,
                  bool fromTheDeal = false) {
    Copies copies(name);
    MachineSetup host;
    host.host = true;
    host.players = players;
    host.port = FreePort();
    host.games = 2;
    first(host);
    std::vector<fs::path> homes{copies.Start(host)};
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    MachineSetup remote;
    remote.port = host.port;
    remote.games = 2;
    for (int i = 1; i < players; ++i) homes.push_back(copies.Start(remote));
    ASSERT_TRUE(copies.WaitAll(150)) << StepsOf(homes);
    const fs::path& h = homes[0];
    EXPECT_NE(ReadFile(h / "steps").find(hostCommand), std::string::npos) << ReadFile(h / "steps");
    const std::string digests = ReadFile(h / "digests");
    EXPECT_EQ(Count(digests, "resumed "), 1) << digests;
    // A saved game is taken up in the very position it was saved in.
    if (host.saveAt) {
        const std::string saved = ReadFile(h / "saved");
        EXPECT_EQ(Count(saved, "\n"), 1) << saved;
        EXPECT_NE(digests.find("resumed " + saved), std::string::npos) << saved << digests;
    }
    // Two games of at least four turns each; the one given again goes on for two turns at
    // least from its resume.
    const size_t second = digests.find("\n1 ");
    ASSERT_NE(second, std::string::npos) << digests;
    EXPECT_GE(Count(digests.substr(0, second), "\n"), 3) << digests;
    EXPECT_GE(Count(digests.substr(second), "\n"), 4) << digests;
    const size_t resumed = digests.find("resumed ");
    ASSERT_NE(resumed, std::string::npos) << digests;
    const size_t resumedGameEnd = resumed < second ? second : digests.size();
    EXPECT_GE(Count(digests.substr(resumed, resumedGameEnd - resumed), "\n"), 3) << digests;
    if (fromTheDeal) {
        // The game given again from its deal passes the positions of its first turns again.
        const std::vector<std::string> turns = Lines(digests);
        auto position = [&](size_t i) { return turns.at(i).substr(turns.at(i).find(' ')); };
        size_t at = 0;
        while (at < turns.size() && turns[at].rfind("resumed ", 0) != 0) ++at;
        ASSERT_LT(at + 2, turns.size()) << digests;
        EXPECT_EQ(position(at + 1), position(1)) << digests;
        EXPECT_EQ(position(at + 2), position(2)) << digests;
    }
    for (size_t copy = 0; copy < homes.size(); ++copy) {
        SCOPED_TRACE("copy " + std::to_string(copy));
        EXPECT_EQ(ReadFile(homes[copy] / "digests"), digests);
        const std::string boxes = ReadFile(homes[copy] / "boxes");
        EXPECT_EQ(boxes.find("cannot use"), std::string::npos) << boxes;
        ExpectDepthShapes(ReadFile(homes[copy] / "sidepiles"));
    }
}

}  // namespace

// The host saves its game from the Internet menu and ends it; the same copies join anew, and in
// their new game the host sends the saved game from the same menu; the remotes take it with Deal
// and the game goes on from the saved position.
TEST(AppMachine, ASavedGameSentFromTheMenuGoesOnTheSameOnEveryCopy) {
    PlayTwoGames(
        "send", 3,
        [](MachineSetup& s) {
            s.saveAt = 3;
            s.sendGame = 2;
            s.sendAt = 2;
            s.endAt = 4;
        },
        "menu 3 row 5");
}

// The host restarts the running game from the Internet menu and answers its question; the
// remotes take the game's start with Deal. Played by the same players from the same deal, the
// game goes through the same positions again.
TEST(AppMachine, ARestartedGameGoesOnTheSameOnEveryCopy) {
    PlayTwoGames(
        "restart", 3,
        [](MachineSetup& s) {
            s.restartAt = 3;
            s.endAt = 4;
        },
        "menu 3 row 9", true);
}
namespace {

MachineSetup TwoPlayerHost() {
    MachineSetup host;
    host.host = true;
    host.players = 2;
    host.port = FreePort();
    return host;
}

}  // namespace

// A remote whose program stops answering, after the host's play or after its own discard, holds
// the host up: within 25 s the host's table names it and END Internet Game, which the host's
// player then chooses and which ends the game cleanly. A remote answering with the wrong code
// instead is cut off at once with the message of a broken line.
TEST(AppMachine, AQuietRemoteIsNamedWithinTwentyFiveSecondsAndAWrongAnswerIsCutOff) {
    for (const bool quiet : {true, false}) {
        SCOPED_TRACE(quiet ? "quiet" : "wrong code");
        Copies copies(quiet ? "quiet" : "wrongcode");
        MachineSetup host = TwoPlayerHost();
        host.endOnWait = 1;
        const fs::path h = copies.Start(host);
        RawPeer mallory = JoinWhenListening(host.port);
        const bool hostFirst = JoinAndDeal(mallory);
        if (hostFirst) {
            ASSERT_TRUE(mallory.Hear("\nPC  ", 20)) << mallory.heard();  // the host's play
        } else {
            mallory.Send("PC  2# 7\n");  // a discard, whose "OK" the host then waits for
            ASSERT_TRUE(mallory.Hear("\nPC\n", 10)) << mallory.heard();
        }
        if (quiet) {
            const double named = SecondsUntil([&] { return fs::exists(h / "waits"); }, 25);
            EXPECT_GE(named, 19.0);
            EXPECT_LT(named, 25.0);
            EXPECT_EQ(ReadFile(h / "waits"),
                      "Waiting for Mallory...\nEND Internet Game (F11) ends this game.\n");
            EXPECT_TRUE(mallory.HearClosed(15));
            EXPECT_GE(SecondsUntil(
                          [&] {
                              return Says(h / "boxes",
                                          "Do you want to end this Quorvane Online Game?");
                          },
                          5),
                      0);
        } else {
            mallory.Send("WT\n");
            EXPECT_TRUE(mallory.HearClosed(4));
            const std::string why = hostFirst ? "an answer of the wrong kind"
                                              : "\"WT\" closing a play that ends the turn";
            const std::string told =
                "[Quorvane] Mallory's program sent something this game "
                "cannot use (" +
                why + "). The Internet game with Mallory has been ended.";
            EXPECT_GE(SecondsUntil([&] { return Says(h / "boxes", told); }, 5), 0)
                << ReadFile(h / "boxes");
            EXPECT_FALSE(fs::exists(h / "waits"));
        }
        EXPECT_TRUE(copies.WaitAll(30));
    }
}

namespace {

// The turn the copy's last logged turn start gave to the player it names by the host's numbers.
int LastTurnStart(const fs::path& home) {
    const std::string positions = ReadFile(home / "positions");
    const size_t at = positions.rfind("turn:");
    return at == std::string::npos ? 0 : std::atoi(positions.c_str() + at + 5);
}

}  // namespace

// A real remote copy stopped (SIGSTOP) as the host's player's turn begins: the host's first play
// waits on it, and within 25 s the host's table names it. Continued (SIGCONT), it answers and
// both copies play on the same game until the host's player ends it from the Internet menu.
TEST(AppMachine, AStoppedRemoteIsNamedAndPlaysOnWhenContinued) {
    Copies copies("stopped");
    MachineSetup host = TwoPlayerHost();
    host.endAt = 8;
    const fs::path h = copies.Start(host);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    MachineSetup remote;
    remote.port = host.port;
    const fs::path r = copies.Start(remote);
    // The second turn of the host's player at the latest: the first may be the game's first.
    ASSERT_GE(
        SecondsUntil(
            [&] { return Lines(ReadFile(h / "positions")).size() >= 2 && LastTurnStart(h) == 1; },
            60),
        0);
    kill(copies.Pid(1), SIGSTOP);
    const double named = SecondsUntil([&] { return Says(h / "table", "Waiting for P1..."); }, 25);
    kill(copies.Pid(1), SIGCONT);
    EXPECT_GE(named, 19.0);
    EXPECT_LT(named, 25.0);
    EXPECT_GE(SecondsUntil([&] { return !Says(h / "table", "Waiting for P1..."); }, 5), 0);
    ASSERT_TRUE(copies.WaitAll(90));
    const auto hostTurns = Lines(ReadFile(h / "digests")),
               remoteTurns = Lines(ReadFile(r / "digests"));
    ASSERT_GE(hostTurns.size(), 8u);
    ASSERT_GE(remoteTurns.size(), 7u);
    for (size_t i = 0; i < std::min(hostTurns.size(), remoteTurns.size()); ++i)
        EXPECT_EQ(remoteTurns[i], hostTurns[i]) << i;
    for (const fs::path& copy : {h, r})
        EXPECT_EQ(ReadFile(copy / "boxes").find("cannot use"), std::string::npos)
            << ReadFile(copy / "boxes");
}

// In a game of three copies, the first remote stopped (SIGSTOP) while the host's player looks at
// its turn: the host's first play waits for it, and so, through the host, does the other remote.
// Within 30 s both tables name the stopped player, and the other remote never names the host.
// Continued, the stopped copy answers and the game goes on until the host's player ends it.
TEST(AppMachine, AStoppedRemoteIsNamedOnEveryOtherCopy) {
    Copies copies("stopped3");
    MachineSetup host = TwoPlayerHost();
    host.players = 3;
    host.endAt = 6;
    host.think = 3;
    const fs::path h = copies.Start(host);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    MachineSetup remote;
    remote.port = host.port;
    const fs::path bob = copies.Start(remote);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const fs::path carol = copies.Start(remote);
    ASSERT_GE(SecondsUntil([&] { return LastTurnStart(h) == 1; }, 90), 0) << ReadFile(h / "steps");
    kill(copies.Pid(1), SIGSTOP);
    bool hostNamed = false, carolNamedTheHost = false;
    const double named = SecondsUntil(
        [&] {
            carolNamedTheHost = carolNamedTheHost || Says(carol / "table", "Waiting for P0...");
            hostNamed = hostNamed || Says(h / "table", "Waiting for P1...");
            return hostNamed && Says(carol / "table", "Waiting for P1...");
        },
        30);
    kill(copies.Pid(1), SIGCONT);
    EXPECT_GE(named, 19.0);
    EXPECT_TRUE(hostNamed) << ReadFile(h / "table");
    EXPECT_FALSE(carolNamedTheHost);
    EXPECT_TRUE(Says(carol / "table", "Waiting for P1...")) << ReadFile(carol / "table");
    EXPECT_GE(SecondsUntil([&] { return !Says(carol / "table", "Waiting for P1..."); }, 5), 0);
    ASSERT_TRUE(copies.WaitAll(120));
    for (const fs::path& copy : {h, bob, carol})
        EXPECT_EQ(ReadFile(copy / "boxes").find("cannot use"), std::string::npos)
            << ReadFile(copy / "boxes");
}
