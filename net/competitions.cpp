#include "net/competitions.h"

#include <algorithm>

#include "net/name_compare.h"
#include "platform/file_util.h"

namespace {

constexpr std::string_view kExtension = ".rcm";

// The competition of a file name "<n>_<competition>.rcm" (what follows the player's name and
// its "_"), or "" when the name is no competition file of a game of two to four players.
std::string CompetitionOf(std::string_view rest) {
    if (rest.size() <= kExtension.size() + 2) return "";
    rest.remove_suffix(kExtension.size());
    if (rest[0] < '2' || rest[0] > '4' || rest[1] != '_') return "";
    return std::string(rest.substr(2));
}

}  // namespace

std::vector<std::string> GetCompetitionFiles(const std::string& appFolder,
                                             const std::string& player) {
    std::vector<std::string> names;
    const std::string prefix = player + "_";
    for (const std::string& file :
         ListFiles(JoinPath(appFolder, "users"), std::string(kExtension))) {
        if (!StartsWithNoCase(file, prefix)) continue;
        std::string name = CompetitionOf(std::string_view(file).substr(prefix.size()));
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

ScoreFileList FillScoreFileList(const std::string& appFolder, const std::string& player,
                                const std::string& competitionFile) {
    ScoreFileList list;
    if (!competitionFile.empty()) {
        list.entries.push_back(competitionFile);
        list.shown = 0;
    }
    list.caption = ScoreFileCaption(competitionFile);
    for (std::string& name : GetCompetitionFiles(appFolder, player))
        if (std::find(list.entries.begin(), list.entries.end(), name) == list.entries.end())
            list.entries.push_back(std::move(name));
    return list;
}

std::string ScoreFileCaption(const std::string& competition) {
    return "Use Score File: " + (competition.empty() ? std::string("Default") : competition);
}
