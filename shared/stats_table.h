#pragma once
// The tables of play counts that the game keeps and the profile stores, and the limit of the
// profile's games counts.
#include <array>

#include "platform/vb_types.h"

// (row 0-5, column 0-5). Rows: 0 the player's all-time records, 1 the player's current turn,
// 2 the player's best turn of this game, 3 the computer players' current turn, 4 their best turn
// of this game, 5 their all-time records. Columns 0-2 count side, hand and hold-pile cards of the
// best run (highest total), 3-5 the same of the best side run (most side cards, then total).
using StatsTableArray = std::array<std::array<i16, 6>, 6>;
// The profile's best runs (row 0-3, column side/hand/hold): the player's best run and best side
// run, then the computer players'.
using BestRunArray = std::array<std::array<i16, 3>, 4>;

// The warning once a games count passes 32000: the counts are 16-bit and stop at their limit.
constexpr i16 kGamesWarningCount = 32000;
inline constexpr const char* kGamesWarningTitle = "Score file overflowing";
inline constexpr const char* kGamesWarningText =
    "The number of games you've played will soon exceed my memory.\nPlease clear your score "
    "file and start fresh!";
