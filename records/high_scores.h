#pragma once
// The high-score lists of "Data/highscore.ran": records 1-10 the best runs, ranked by total;
// records 11-20 the best side runs, ranked by side cards, then total. A new entry goes above an
// equal one. The computer players share one entry per list under the name "Brivo", and their
// machine-wide best runs are kept in records 10 and 11 of "Data/scores.ran".
#include <string>
#include <vector>

#include "records/high_score_record.h"
#include "records/stats.h"

constexpr size_t kHighListSize = 10;
constexpr const char* kComputerHighName = "Brivo";

// True when a run of `side` cards and `total` ranks at or above the entry.
bool RanksAtOrAbove(HighList list, i16 side, i16 total, i16 entrySide, i16 entryTotal);

// The position (0-based) where the entry ranks in `list`, or -1 when it ranks nowhere.
int HighScoreRank(const std::vector<HighScoreRecord>& list, HighList which,
                  const HighScoreRecord& entry);

// Enters `entry` into one list of ten. A computer entry replaces the list's "Brivo" entry, but
// only when it ranks at or above it; without one it is inserted like any other. True when the
// list changed.
bool EnterHighScore(std::vector<HighScoreRecord>& list, HighList which,
                    const HighScoreRecord& entry, bool computer);

// Enters a new all-time run into the files (the player's under `playerName`, the computer's as
// "Brivo" once it beats the machine-wide record) dated `today`. False when a file could not be
// read or written; `error` says why, and the files are as they were.
bool StatsHigh(const std::string& appFolder, const HighScoreEntry& run,
               const std::string& playerName, double today, std::string* error = nullptr);
