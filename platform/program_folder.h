#pragma once
// The player's writable program folder (`AppFolder`): a copy of the tree the build stages beside
// the executable. The first start copies the whole tree; later starts add only what a newer
// build ships and the folder lacks, never overwriting the player's files.
#include <string>

struct ProgramFolderResult {
    bool firstStart = false;  // the folder did not exist before
    int filesAdded = 0;
    std::string error;  // empty on success
};

ProgramFolderResult SyncProgramFolder(const std::string& stagedDir, const std::string& appFolder);

// The folders every program folder has.
inline const char* const kProgramSubfolders[] = {"Data",        "Data/PMS", "Sounds", "Avatars",
                                                 "backgrounds", "Icons",    "users"};
