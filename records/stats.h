#pragma once
// The play counts of the game in progress and the best runs: how many cards each turn plays
// from the side pile, the hand and the hold piles, the best turn of the game for the player and
// for the computer side, and the all-time best runs kept in the profile. The functions decide;
// what they ask to be shown or entered in the high-score lists comes back as an outcome.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "platform/vb_types.h"
#include "shared/stats_table.h"

namespace stats_row {
constexpr int kPlayerRecords = 0, kPlayerTurn = 1, kPlayerBest = 2;
constexpr int kComputerTurn = 3, kComputerBest = 4, kComputerRecords = 5;
}  // namespace stats_row

// Where the game stands when a run is checked.
struct StatsFacts {
    int pturn = 0;  // 0 once the game has ended
    bool humanSideEmpty = false;
    bool oppSideEmpty = false;  // the side pile of the opponent in the working copy
    bool netConnected = false;
};

enum class HighList { Runs, SideRuns };

// A run to enter into the high-score lists.
struct HighScoreEntry {
    HighList list = HighList::Runs;
    bool computer = false;  // the computer players' run (entered as "Brivo")
    i16 side = 0, hand = 0, hold = 0, total = 0;
    bool operator==(const HighScoreEntry&) const = default;
};

struct StatsOutcome {
    std::vector<std::pair<int, std::string>> panels;  // status-bar panel and its text
    std::vector<HighScoreEntry> highScores;
    bool notify = false;  // "New Stats Record!"
};

// "<side>-<hand>-<hold>- [<sum> ]" of columns first..first + 2 of a row, numbers in Str form.
std::string StatsRowText(const StatsTableArray& table, int row, int firstColumn);

// One card played from `slot` (1 side, 2-6 hand, 7-10 hold) by `who` (1 the player, 3 the
// computer on turn).
StatsOutcome StatsAdd(StatsTableArray& table, int slot, int who);

// Compares the run of row `ckNew` with the best of row `ckOld` and takes over a better one; at
// the end of a game (pturn 0) a new all-time record goes to the high-score lists.
StatsOutcome StatsCk(StatsTableArray& table, int ckNew, int ckOld, const StatsFacts& facts);

// At the end of a game: the game's best run of row `ckNew` against the all-time records of row
// `whoSaved` (0 the player, 5 the computer players), which then go into `bestRun`.
StatsOutcome StatsSave(StatsTableArray& table, BestRunArray& bestRun, int ckNew, int whoSaved,
                       const StatsFacts& facts);

// Rows 0 and 5 from the profile's best runs.
void ChangeBestRun(StatsTableArray& table, const BestRunArray& bestRun);
