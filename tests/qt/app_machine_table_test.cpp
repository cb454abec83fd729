// Two, three and four copies of the whole program, each a process with its own home, joined over
// the loopback address and played through their own menus, dialogs, Deal button and card boxes
// to the game's end: every copy shows the host's position at the start of every turn and ends
// with the same winner by the same margin, and each player of each table size begins once. Every
// player's Internet score file then holds that same game, in the competition's file for the
// player who chose one in Internet Players Setup.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/vb_strings.h"
#include "records/record_list.h"
#include "records/score_record.h"
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

// The records of a score file in the copy's program folder; none when it is missing.
std::vector<ScoreRecord> ScoreRows(const fs::path& home, const std::string& file) {
    return ReadAllRecords<ScoreRecord>((home / "data/Quorvane/users" / file).string())
        .value_or(std::vector<ScoreRecord>{});
}

// The game a copy's score file holds, as each of its players' wins (1 or 0), checked to be its
// only game and to count the game's margin for the winner and against the others. A two-player
// file keeps the player's wins in the header and in the opponent's row.
std::map<std::string, int> GameInScoreFile(const std::vector<ScoreRecord>& rows,
                                           const std::string& own, int players, int margin) {
    std::map<std::string, int> wins;
    const size_t expected = players == 2 ? 2 : static_cast<size_t>(players) + 1;
    EXPECT_EQ(rows.size(), expected);
    if (rows.size() != expected) return wins;
    const ScoreRecord& header = rows[0];
    EXPECT_EQ(Trim(header.Name), own);
    EXPECT_EQ(header.Numbers[0], 1);
    EXPECT_EQ(header.Numbers[2], header.Numbers[1] == 1 ? margin : -margin);
    if (players == 2) {
        const ScoreRecord& opponent = rows[1];
        EXPECT_EQ(opponent.Numbers,
                  (std::array<i16, 4>{1, header.Numbers[1], header.Numbers[2], 2}));
        wins[own] = header.Numbers[1];
        wins[Trim(opponent.Name)] = 1 - header.Numbers[1];
        return wins;
    }
    EXPECT_EQ(Trim(rows[1].Name), own);
    EXPECT_EQ(rows[1].Numbers[1], header.Numbers[1]);
    for (size_t k = 1; k < rows.size(); ++k) {
        const ScoreRecord& row = rows[k];
        EXPECT_EQ(row.Numbers[0], 1) << row.Name;
        EXPECT_EQ(row.Numbers[2], row.Numbers[1] == 1 ? margin : -margin) << row.Name;
        EXPECT_EQ(row.Numbers[3], 2) << row.Name;
        wins[Trim(row.Name)] = row.Numbers[1];
    }
    return wins;
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
    for (int i = 1; i < t.players; ++i) {
        // The last player keeps this game's score in a competition's file.
        if (i + 1 == t.players) remote.competition = "cup1";
        homes.push_back(copies.Start(remote));
    }
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

    // Every copy counts the same game: the same players, the same winner, the same margin.
    const int margin = std::atoi(outcome.c_str() + outcome.find("margin ") + 7);
    const std::string count = "_" + std::to_string(t.players);
    std::map<std::string, int> first;
    for (size_t i = 0; i < homes.size(); ++i) {
        SCOPED_TRACE("score file of copy " + std::to_string(i));
        const std::string own = "P" + std::to_string(i);
        const bool competes = i + 1 == homes.size();
        std::vector<ScoreRecord> rows;
        if (competes) {
            // Under load the player may open the window again before the game; each time it
            // confirms the same file.
            std::istringstream confirmed(ReadFile(homes[i] / "scorefile"));
            int told = 0;
            for (std::string line; std::getline(confirmed, line); ++told)
                EXPECT_EQ(line, "Use Score File: cup1");
            EXPECT_GE(told, 1);
            rows = ScoreRows(homes[i], own + count + "_cup1.rcm");
            // The default file is there, without the game.
            const auto ran = ScoreRows(homes[i], own + count + ".ran");
            ASSERT_EQ(ran.size(), 1u);
            EXPECT_EQ(ran[0].Numbers, (std::array<i16, 4>{0, 0, 0, 1}));
        } else {
            rows = ScoreRows(homes[i], own + count + ".ran");
        }
        const std::map<std::string, int> wins = GameInScoreFile(rows, own, t.players, margin);
        if (i == 0) first = wins;
        EXPECT_EQ(wins, first);
    }
    ASSERT_EQ(first.size(), static_cast<size_t>(t.players));
    int winners = 0;
    for (const auto& [name, won] : first) winners += won;
    EXPECT_EQ(winners, 1);
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
