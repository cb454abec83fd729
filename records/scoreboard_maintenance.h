#pragma once
// Clearing and deleting players' figures from the scores window. Each change rewrites its file
// in one step, so an interrupted change leaves the file as it was. The signed-in player's
// profile is also held in memory (the end of a game writes it back whole): it is changed the
// same way, and its record number follows the record when players move.
#include <string>

#include "shared/prefs_record.h"

struct SignedInProfile {
    i16* recNum = nullptr;         // 0 or below: nobody is signed in
    PrefsRecord* prefs = nullptr;  // the copy in memory
};

struct MaintenanceResult {
    bool ok = true;
    std::string error;  // why the file could not be changed
};

// The player's statistics (unless `justRuns`) and best runs become 0.
MaintenanceResult ClearPlayerValues(const std::string& prefsPath, int record, bool justRuns,
                                    SignedInProfile signedIn);
// Removes the player of `record`; later players move up one record. The signed-in player is
// only cleared, never removed.
MaintenanceResult DeletePlayer(const std::string& prefsPath, int record, SignedInProfile signedIn);
// Every player but the signed-in one is removed; the signed-in player, cleared, becomes record 2.
MaintenanceResult DeleteAllPlayers(const std::string& prefsPath, SignedInProfile signedIn);
// Every player's statistics and best runs become 0.
MaintenanceResult ClearAllScores(const std::string& prefsPath, SignedInProfile signedIn);

// Empties both high-score lists and the computer players' best runs on this machine (records 10
// and 11 of the score file keep their names).
MaintenanceResult ClearBestRunLists(const std::string& highScorePath,
                                    const std::string& scoresPath);
