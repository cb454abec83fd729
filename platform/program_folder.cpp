#include "platform/program_folder.h"

#include <filesystem>

namespace fs = std::filesystem;

ProgramFolderResult SyncProgramFolder(const std::string& stagedDir, const std::string& appFolder) {
    ProgramFolderResult result;
    std::error_code ec;
    result.firstStart = !fs::exists(fs::path(appFolder) / "Data", ec);
    for (const char* sub : kProgramSubfolders) {
        fs::create_directories(fs::path(appFolder) / sub, ec);
        if (ec) {
            result.error =
                "cannot create " + (fs::path(appFolder) / sub).string() + ": " + ec.message();
            return result;
        }
    }
    if (stagedDir.empty() || !fs::is_directory(stagedDir, ec)) return result;
    for (auto it = fs::recursive_directory_iterator(stagedDir, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path rel = fs::relative(it->path(), stagedDir, ec);
        const fs::path target = fs::path(appFolder) / rel;
        if (it->is_directory(ec)) {
            fs::create_directories(target, ec);
        } else if (it->is_regular_file(ec) && !fs::exists(target, ec)) {
            if (fs::copy_file(it->path(), target, ec)) ++result.filesAdded;
        }
        if (ec) {
            result.error = "cannot copy " + rel.string() + ": " + ec.message();
            return result;
        }
    }
    return result;
}
