#pragma once
// The competitions a player keeps Internet scores for: each one is a family of files
// "users/<player>_<n>_<competition>.rcm", one per player count n. The players setup offers them
// to choose the score file of the next game, the score tables to pick the file shown.
#include <string>
#include <vector>

// The competition names of `player` (compared without regard to case), each once, in the
// order of their file names. A name is the part after "<player>_<n>_", so that a competition
// played with two and with three players is listed once, and choosing it names its files
// again as they are.
std::vector<std::string> GetCompetitionFiles(const std::string& appFolder,
                                             const std::string& player);

// What the players setup's score-file box shows: the chosen competition first (when one is
// chosen), then the player's other competitions, and the caption under it.
struct ScoreFileList {
    std::vector<std::string> entries;
    int shown = -1;  // the entry shown in the box, -1 none
    std::string caption;
};
ScoreFileList FillScoreFileList(const std::string& appFolder, const std::string& player,
                                const std::string& competitionFile);

// "Use Score File: " and the choice ("Default" for the player's default score file).
std::string ScoreFileCaption(const std::string& competition);
