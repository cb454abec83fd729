#pragma once
// The profile subsystem's own state: the signed-in player's record of "Data/Prefs.sav" as last
// read or written, where it lives in the file, and the players the file knows.
#include <string>
#include <vector>

#include "shared/prefs_record.h"

struct ProfileState {
    PrefsRecord PlayerPrefs{};
    // The signed-in player's record; 1 (the header and template) while nobody is signed in.
    i16 PlayerRecNum = 0;
    // The player signed in last, kept in the header's seat 0.
    std::string LastPlayerName;
    // The names of records 2, 3, ... in file order: KnownPlayers[i] is record i + 2. A record
    // without a name keeps its place (so positions still give record numbers) but is never
    // offered or matched.
    std::vector<std::string> KnownPlayers;
    // A player's record has been read or created since start-up.
    bool ProfileLoaded = false;
    // The end of a game could not write the statistics: the copy in memory is newer than the
    // file's and is what the next save writes.
    bool StatsUnsaved = false;

    int KnownPlayerCount() const { return static_cast<int>(KnownPlayers.size()); }
};

// The width of a player's name in the record; longer names are cut where they are typed, so
// that what is compared is what is stored.
constexpr size_t kPlayerNameWidth = 20;

// `typed` as the name field will hold it: trimmed, cut to the field's width in the file's
// character set, trimmed again.
std::string StoredPlayerName(const std::string& typed);
