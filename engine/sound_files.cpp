#include "engine/sound_files.h"

#include <filesystem>

#include "platform/file_util.h"

std::vector<int> BuiltinSoundIds() {
    std::vector<int> ids;
    for (int id = 105; id <= 123; ++id)
        if (id != 109) ids.push_back(id);
    return ids;
}

int SetUpSounds(const std::string& appFolder) {
    namespace fs = std::filesystem;
    int written = 0;
    for (int id : BuiltinSoundIds()) {
        const std::string n = std::to_string(id);
        const fs::path from = JoinPath(appFolder, "Data/snd" + n + ".wav");
        const fs::path to = JoinPath(appFolder, "Data/~" + n + ".tmp");
        std::error_code ec;
        // A file left by a run that did not end in order goes first. The run's file is a second
        // name of the shipped one: nothing writes to it, and removing it leaves the sound, so
        // start-up copies nothing (a copy only where the folder cannot link).
        fs::remove(to, ec);
        if (!fs::is_regular_file(from, ec)) continue;
        fs::create_hard_link(from, to, ec);
        if (!ec || fs::copy_file(from, to, ec)) ++written;
    }
    return written;
}

void CleanUpSounds(const std::string& appFolder) {
    for (int id : BuiltinSoundIds()) {
        std::error_code ec;
        std::filesystem::remove(JoinPath(appFolder, "Data/~" + std::to_string(id) + ".tmp"), ec);
    }
}
