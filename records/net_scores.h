#pragma once
// The Internet score files of a player, "users/<player>_<n>.ran" for games of n players and
// "users/<player>_<n>_<competition>.rcm" for a competition. Record 1 is the header (the owner,
// games, wins, margin total, the position marker); two-player files keep one row per opponent,
// files for three or four players one group of n rows per set of opponents: the player's row,
// then one per opponent. Each game is one atomic write of the whole file.
#include <array>
#include <string>

#include "platform/vb_types.h"

struct NetGameResult {
    std::string playerName;
    int players = 2;
    std::string competition;  // empty outside a competition
    // The opponents' names by seat (1-3; entry 0 unused), trimmed.
    std::array<std::string, 4> opponents{};
    std::string winner;  // the winning opponent's name, empty when the player won
    bool humanWon = false;
    i16 margin = 0;  // the cards left on the losers' side piles
};

struct NetScoresOutcome {
    bool ok = true;
    std::string error;            // why the file was not written (it is as it was)
    bool overflowing = false;     // a games count has passed 32000
    bool ranFileCreated = false;  // the score-file list needs listing again
};

// True when `name` is the name of opponent 1 or 2 or, with four players, 3 (exact comparison).
bool IsPersonalityName(const std::string& name, const std::array<std::string, 4>& opponents,
                       int players);

// The path of the game's score file: the competition's when one is chosen.
std::string NetScoreFilePath(const std::string& appFolder, const NetGameResult& game);

// Creates an empty score file for `owner` (header: the owner, 0, 0, 0, marker 1).
bool Scores_NetOpen(const std::string& path, const std::string& owner, std::string* error);

// Counts a finished Internet game into the player's score file (Scores_Net).
NetScoresOutcome Scores_Net(const std::string& appFolder, const NetGameResult& game);
