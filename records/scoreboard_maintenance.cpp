#include "records/scoreboard_maintenance.h"

#include <vector>

#include "platform/vb_strings.h"
#include "records/high_score_record.h"
#include "records/record_list.h"
#include "records/score_record.h"

namespace {

constexpr int kHighScoreRecords = 20;
constexpr int kComputerBestRun = 10;
constexpr int kComputerBestSide = 11;

void ClearFigures(PrefsRecord& p, bool justRuns) {
    if (!justRuns) {
        p.GamesPlayed.fill(0);
        p.GamesWon.fill(0);
        p.MarginTotal.fill(0);
    }
    for (auto& row : p.BestRun) row.fill(0);
}

bool IsSignedIn(const SignedInProfile& s, int record) {
    return s.recNum && *s.recNum >= 2 && *s.recNum == record;
}

bool HasName(const PrefsRecord& p) {
    return !Trim(p.Seats[0].Name).empty();
}

MaintenanceResult Failed(const std::string& what) {
    return {false, what};
}

// Reads the profile file; `record` (when given) must be a player's record in it.
std::optional<std::vector<PrefsRecord>> ReadProfiles(const std::string& path, int record,
                                                     MaintenanceResult& result) {
    auto profiles = ReadAllRecords<PrefsRecord>(path);
    if (!profiles) {
        result = Failed("The player file " + path + " cannot be read.");
        return std::nullopt;
    }
    if (record != 0 && (record < 2 || record > static_cast<int>(profiles->size()))) {
        result = Failed("That player is no longer in the player file.");
        return std::nullopt;
    }
    return profiles;
}

MaintenanceResult Write(const std::string& path, const std::vector<PrefsRecord>& profiles) {
    std::string error;
    if (!WriteAllRecords(path, profiles, &error))
        return Failed("The player file could not be written: " + error);
    return {};
}

}  // namespace

MaintenanceResult ClearPlayerValues(const std::string& prefsPath, int record, bool justRuns,
                                    SignedInProfile signedIn) {
    MaintenanceResult result;
    auto profiles = ReadProfiles(prefsPath, record, result);
    if (!profiles) return result;
    ClearFigures((*profiles)[static_cast<size_t>(record - 1)], justRuns);
    result = Write(prefsPath, *profiles);
    if (result.ok && IsSignedIn(signedIn, record) && signedIn.prefs)
        ClearFigures(*signedIn.prefs, justRuns);
    return result;
}

MaintenanceResult DeletePlayer(const std::string& prefsPath, int record, SignedInProfile signedIn) {
    if (IsSignedIn(signedIn, record)) return ClearPlayerValues(prefsPath, record, false, signedIn);
    MaintenanceResult result;
    auto profiles = ReadProfiles(prefsPath, record, result);
    if (!profiles) return result;
    profiles->erase(profiles->begin() + (record - 1));
    result = Write(prefsPath, *profiles);
    if (result.ok && signedIn.recNum && *signedIn.recNum > record) --*signedIn.recNum;
    return result;
}

MaintenanceResult DeleteAllPlayers(const std::string& prefsPath, SignedInProfile signedIn) {
    MaintenanceResult result;
    auto profiles = ReadProfiles(prefsPath, 0, result);
    if (!profiles) return result;
    std::vector<PrefsRecord> kept;
    if (!profiles->empty()) kept.push_back(profiles->front());
    const bool keepSignedIn = signedIn.recNum && *signedIn.recNum >= 2 &&
                              *signedIn.recNum <= static_cast<int>(profiles->size());
    if (keepSignedIn) {
        kept.push_back((*profiles)[static_cast<size_t>(*signedIn.recNum - 1)]);
        ClearFigures(kept.back(), false);
    }
    result = Write(prefsPath, kept);
    if (result.ok && keepSignedIn) {
        *signedIn.recNum = 2;
        if (signedIn.prefs) ClearFigures(*signedIn.prefs, false);
    }
    return result;
}

MaintenanceResult ClearAllScores(const std::string& prefsPath, SignedInProfile signedIn) {
    MaintenanceResult result;
    auto profiles = ReadProfiles(prefsPath, 0, result);
    if (!profiles) return result;
    for (size_t i = 1; i < profiles->size(); ++i)
        if (HasName((*profiles)[i])) ClearFigures((*profiles)[i], false);
    result = Write(prefsPath, *profiles);
    if (result.ok && signedIn.recNum && *signedIn.recNum >= 2 && signedIn.prefs)
        ClearFigures(*signedIn.prefs, false);
    return result;
}

MaintenanceResult ClearBestRunLists(const std::string& highScorePath,
                                    const std::string& scoresPath) {
    auto scores = ReadAllRecords<ScoreRecord>(scoresPath);
    if (!scores) return Failed("The score file " + scoresPath + " cannot be read.");
    if (scores->size() < static_cast<size_t>(kComputerBestSide)) scores->resize(kComputerBestSide);
    for (int r : {kComputerBestRun, kComputerBestSide})
        (*scores)[static_cast<size_t>(r - 1)].Numbers.fill(0);
    std::string error;
    if (!WriteAllRecords(highScorePath, std::vector<HighScoreRecord>(kHighScoreRecords), &error))
        return Failed("The high-score file could not be written: " + error);
    if (!WriteAllRecords(scoresPath, *scores, &error))
        return Failed("The score file could not be written: " + error);
    return {};
}
