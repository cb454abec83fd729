#pragma once
// Where the record files live in the program folder.
#include <string>

#include "platform/file_util.h"

inline std::string PrefsFilePath(const std::string& appFolder) {
    return JoinPath(appFolder, "Data/Prefs.sav");
}
inline std::string ScoresFilePath(const std::string& appFolder) {
    return JoinPath(appFolder, "Data/scores.ran");
}
inline std::string HighScoreFilePath(const std::string& appFolder) {
    return JoinPath(appFolder, "Data/highscore.ran");
}
