#pragma once
// The custom sounds of a personality file, as the opponents setup's sound panel reads and
// writes them: the fifteen sound events' current files, a player's own files brought into the
// Sounds folder, and the defaults put back. A personality file is never created by reading it,
// is read again just before it changes (another seat may have changed it meanwhile), and is
// replaced in one write, so a failure leaves the old file and the old sounds as they were.
#include <array>
#include <string>

#include "shared/pms_record.h"

struct SoundChoice {
    std::string name;  // the file's name
    std::string path;  // its full path
    bool operator==(const SoundChoice&) const = default;
};
// Sound events 1-15; element 0 is unused.
using SoundChoices = std::array<SoundChoice, kSoundEvents + 1>;

// The real path of personality `name`'s file, or "" when the name is unsafe or there is none.
std::string PersonalityFilePath(const std::string& appFolder, const std::string& name);

// "Change Sounds": the personality's current (custom) sound of each event.
bool ReadCustomSounds(const std::string& appFolder, const std::string& personality,
                      SoundChoices& out, std::string* error);

// "Reset Custom": each event's current sound becomes its default again.
bool ResetCustomSounds(const std::string& appFolder, const std::string& personality,
                       SoundChoices& out, std::string* error);

// "Save Custom": the chosen files become the personality's current sounds. A file outside the
// Sounds folder is copied in under its own name, or under a free name when a different file
// already has that name; a file already there with the same contents is used as it is. Names
// that do not fit the file's 30-character field are refused before anything changes. On
// success `choices` names the files in the Sounds folder.
bool SaveCustomSounds(const std::string& appFolder, const std::string& personality,
                      SoundChoices& choices, std::string* error);
