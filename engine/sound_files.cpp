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
    int written = 0;
    for (int id : BuiltinSoundIds()) {
        const std::string n = std::to_string(id);
        auto bytes = ReadWholeFile(JoinPath(appFolder, "Data/snd" + n + ".wav"));
        std::string error;
        if (bytes &&
            WriteFileAtomically(JoinPath(appFolder, "Data/~" + n + ".tmp"), *bytes, &error))
            ++written;
    }
    return written;
}

void CleanUpSounds(const std::string& appFolder) {
    for (int id : BuiltinSoundIds()) {
        std::error_code ec;
        std::filesystem::remove(JoinPath(appFolder, "Data/~" + std::to_string(id) + ".tmp"), ec);
    }
}
