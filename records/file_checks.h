#pragma once
// The checks start-up makes on the player's files once the program folder exists: a file the
// game cannot start without that is missing or empty, and personality and comment files that
// are damaged. Each is told to the player once, before anything is written; a damaged file is
// left as it is and never used.
#include <string>
#include <vector>

struct FileNote {
    std::string path;  // the file's full path
    std::string text;  // what the player is told: what is lost and what takes its place
};

// "Data/Prefs.sav", "Data/scores.ran", "Data/highscore.ran" and "Data/backup.sav" when missing
// or empty, and the
// two score files when damaged (cut inside a record, or a record that fails its checks). The
// game's own copy takes the place of each once the player has been told (an empty or damaged
// file is removed first: what it holds is never read as if sound).
std::vector<FileNote> MissingStartFiles(const std::string& appFolder);

// The personality files ("Data/PMS/*.pms") and comment files ("users/*.cmt") that fail their
// checks, each with what plays in its place, and the saved games of "Data/backup.sav" that are
// cut short or fail their checks (a saved game is checked again before it is restored).
std::vector<FileNote> DamagedFiles(const std::string& appFolder);
