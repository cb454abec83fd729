#pragma once
// What the scores-and-statistics window shows: the scoreboard of every player against the
// computer, one player's statistics and best runs, and the high-score lists.
#include <array>
#include <string>
#include <vector>

#include "records/high_score_record.h"
#include "shared/prefs_record.h"

struct ScoreboardRow {
    int record = 0;  // the player's record in the profile file
    std::string name;
    int games = 0;
    int wins = 0;
    int losses = 0;
    int margin = 0;
};

struct Scoreboard {
    ScoreboardRow computer;              // every player's games seen from the computer's side
    std::vector<ScoreboardRow> players;  // in record order, from record 2 on
    bool overflow = false;               // the totals ran past what they can hold
};
inline constexpr const char* kScoreOverflowText =
    "Too many games to be displayed. Do Scoreboard Maintenance to clear a player's scores.";

// The profile file's records (index 0 is record 1, the header, which is no player). Records
// without a name are skipped; each row keeps its record number. The computer's name is
// "Brivo", or "Brivo (& friends)" when other personalities have played.
Scoreboard BuildScoreboard(const std::vector<PrefsRecord>& profiles, bool friends);

// Games, wins, losses and margin of the statistics rows: overall, the three levels, and two,
// three and four players.
struct StatsLine {
    int games = 0;
    int wins = 0;
    int losses = 0;
    int margin = 0;
};
std::array<StatsLine, kStatRows> StatsLinesOf(const PrefsRecord& profile);

// The best-runs grid: rows the computer's best run and best side run, then the player's; each
// with side, hand, hold and their total, all-time (from the chosen profile) and in the current
// game (from the game's statistics table).
using GameStatsTable = std::array<std::array<i16, 6>, 6>;
using BestRunTable = std::array<std::array<i16, 3>, 4>;
struct RunLine {
    std::array<int, 4> allTime{};
    std::array<int, 4> current{};
};
std::array<RunLine, 4> RunLinesOf(const BestRunTable& bestRun, const GameStatsTable& stats);

// One row of a high-score list.
struct HighScoreLine {
    int rank = 0;
    bool dated = false;  // an entry (the date is not day 0)
    double when = 0;
    std::string name;
    std::array<int, 4> figures{};  // side, hand, hold, total
};
inline constexpr int kBestRunsFirst = 1;    // records 1-10: the best runs
inline constexpr int kBestSidesFirst = 11;  // records 11-20: the best side runs
// Records first..first + 9 of the high-score file (index 0 is record 1).
std::array<HighScoreLine, 10> HighScoreLinesOf(const std::vector<HighScoreRecord>& file, int first);
