#include "mainwindow/avatar_import.h"

#include <filesystem>

#include "platform/file_util.h"

namespace fs = std::filesystem;

namespace {
bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec);
}

// "name.ext" cut so that the whole name fits the record field, keeping the extension.
std::string FitName(const std::string& stem, const std::string& ext, const std::string& suffix) {
    const std::size_t room =
        kAvatarNameLength - std::min(kAvatarNameLength, ext.size() + suffix.size());
    return stem.substr(0, room) + suffix + ext;
}
}  // namespace

AvatarImport PlanAvatarImport(const std::string& avatarsFolder, const std::string& chosenPath) {
    AvatarImport plan;
    const fs::path chosen(chosenPath);
    const std::string title = chosen.filename().string();
    if (auto inFolder = FindNoCase(avatarsFolder, title);
        inFolder && SameFile(fs::path(avatarsFolder) / *inFolder, chosen)) {
        plan.FileName = *inFolder;
        return plan;
    }
    // The same picture imported again is the one already there.
    const auto chosenBytes = ReadWholeFile(chosenPath);
    plan.Copy = true;
    const std::string stem = chosen.stem().string(), ext = chosen.extension().string();
    for (int n = 1; n < 1000; ++n) {
        const std::string name = FitName(stem, ext, n == 1 ? "" : " (" + std::to_string(n) + ")");
        const auto taken = FindNoCase(avatarsFolder, name);
        if (!taken) {
            plan.FileName = name;
            return plan;
        }
        if (chosenBytes && ReadWholeFile(JoinPath(avatarsFolder, *taken)) == chosenBytes) {
            plan.Copy = false;
            plan.FileName = *taken;
            return plan;
        }
    }
    plan.Error = "There is no free name for " + title + " in the avatars folder.";
    return plan;
}

bool ImportAvatar(const std::string& avatarsFolder, const std::string& chosenPath,
                  const AvatarImport& plan, std::string* error) {
    if (!plan.Error.empty()) {
        if (error) *error = plan.Error;
        return false;
    }
    if (!plan.Copy) return true;
    auto bytes = ReadWholeFile(chosenPath);
    if (!bytes) {
        if (error) *error = "cannot read " + chosenPath;
        return false;
    }
    return WriteFileAtomically(JoinPath(avatarsFolder, plan.FileName), *bytes, error);
}
