// Two, three and four copies of the whole program, each a process with its own home, joined over
// the loopback address and played through their own menus, dialogs, Deal button and card boxes
// to the game's end: every copy shows the host's position at the start of every turn and ends
// with the same winner by the same margin, and each player of each table size begins once.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "tests/app_machine/copies.h"

using namespace app_copies;

namespace {

struct Table {
    int players;
    int first;  // the player the host's deal lets begin, as the host numbers them
    int seed;   // the host's seed for that deal, with side piles of ten cards
};

std::string StepsOf(const std::vector<fs::path>& homes) {
    std::string steps;
    for (const fs::path& home : homes) steps += ReadFile(home / "steps") + "--\n";
    return steps;
}

// The player on turn at the first turn start the copy logged.
int FirstTurn(const fs::path& home) {
    const std::string positions = ReadFile(home / "positions");
    const size_t at = positions.find("\n1 turn:");
    return at == std::string::npos ? 0 : std::atoi(positions.c_str() + at + 8);
}

void PrintTo(const Table& t, std::ostream* os) {
    *os << t.players << " players, player " << t.first << " first, seed " << t.seed;
}

class EveryCopyPlaysTheSameGame : public testing::TestWithParam<Table> {};

}  // namespace

// The host waits for the others, which start at once as it listens and so join at about the
// same moment; its player sets the table up from Host Setup and Rules (players, and side piles
// of ten cards to keep the game short) and deals from the seed the test gives it.
TEST_P(EveryCopyPlaysTheSameGame, ToTheSameEnd) {
    const Table t = GetParam();
    Copies copies("table" + std::to_string(t.players) + std::to_string(t.first));
    MachineSetup host;
    host.host = true;
    host.players = t.players;
    host.port = FreePort();
    host.side = 10;
    host.seed = t.seed;
    std::vector<fs::path> homes{copies.Start(host)};
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    MachineSetup remote;
    remote.port = host.port;
    for (int i = 1; i < t.players; ++i) homes.push_back(copies.Start(remote));
    const bool ended = copies.WaitAll(150);
    ASSERT_TRUE(ended) << StepsOf(homes);
    EXPECT_TRUE(Says(homes[0] / "steps", "menu 3 row 7"));
    EXPECT_EQ(FirstTurn(homes[0]), t.first);
    const std::string digests = ReadFile(homes[0] / "digests");
    const std::string outcome = ReadFile(homes[0] / "outcome");
    EXPECT_GT(std::count(digests.begin(), digests.end(), '\n'), 2 * t.players) << digests;
    EXPECT_EQ(outcome.rfind("won ", 0), 0u) << outcome;
    for (size_t i = 0; i < homes.size(); ++i) {
        SCOPED_TRACE("copy " + std::to_string(i));
        EXPECT_EQ(ReadFile(homes[i] / "digests"), digests);
        EXPECT_EQ(ReadFile(homes[i] / "outcome"), outcome);
        const std::string boxes = ReadFile(homes[i] / "boxes");
        EXPECT_EQ(boxes.find("cannot use"), std::string::npos) << boxes;
    }
}

// One game per first player and table size, each its own test so that they run side by side;
// of the seeds that let a player begin, ones whose games end within some thirty turns and 140
// moves.
INSTANTIATE_TEST_SUITE_P(AppMachineTable, EveryCopyPlaysTheSameGame,
                         testing::Values(Table{2, 1, 1}, Table{2, 2, 5}, Table{3, 1, 1},
                                         Table{3, 2, 7}, Table{3, 3, 11}, Table{4, 1, 2},
                                         Table{4, 2, 15}, Table{4, 3, 34}, Table{4, 4, 11}),
                         [](const testing::TestParamInfo<Table>& info) {
                             return "Players" + std::to_string(info.param.players) + "First" +
                                    std::to_string(info.param.first);
                         });
