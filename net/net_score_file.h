#pragma once
// Reading an Internet score file into the rows of a table, and the two changes the score window
// makes to one: removing an opponent's row from a two-player file, and removing a group (the
// player's row and one row per opponent) from a file for three or four players. Each change is
// one atomic rewrite of the whole file, so a failed write leaves the file as it was.
#include <optional>
#include <string>
#include <vector>

struct NetScoreRow {
    std::string name;
    int played = 0;
    int won = 0;
    int lost = 0;
    int margin = 0;
    long record = 0;         // the row's record in the file; 0 for a separator
    bool separator = false;  // the blank row after each group of a three- or four-player file
};

// The rows of a score file for games of `players` players: a two-player file's opponents
// sorted by name (without regard to case); a three- or four-player file's groups in file
// order, each followed by a separator row. A missing file has no rows; nothing (with `error`)
// when the file cannot be read. Only records that the file holds and its position marker
// counts as in use are shown, whatever the marker says.
std::optional<std::vector<NetScoreRow>> ReadNetScoreRows(const std::string& path, int players,
                                                         std::string* error);

struct NetScoreChange {
    bool ok = true;
    bool notFound = false;  // nothing matched: the file is unchanged
    std::string error;      // why the file could not be changed (it is as it was)
};

// Removes the row of opponent `name` (trimmed, without regard to case) from a two-player
// file: the later rows move up, the last record is blanked and the marker goes down by one.
NetScoreChange DeleteNetOpponent(const std::string& path, const std::string& name);

// Removes the group starting at record `first` from a file for `players` players: the later
// groups close up and the marker goes back by one group.
NetScoreChange DeleteNetGroup(const std::string& path, int players, long first);
