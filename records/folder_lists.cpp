#include "records/folder_lists.h"

#include <algorithm>
#include <filesystem>
#include <optional>

#include "engine/personality.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "platform/vb_strings.h"
#include "shared/pms_record.h"
#include "shared/record_io.h"
#include "shared/seat_record.h"

namespace {

constexpr const char* kLastPersonality = "Pellor";
constexpr const char* kDefaultBackground = "GameBoard.gif";

// The personality's description; nothing when its file is missing, unreadable or damaged.
std::optional<std::string> DescriptionOf(const std::string& pmsFolder, const std::string& name) {
    auto file = FindNoCase(pmsFolder, name + ".pms");
    PmsRecord pms;
    // Read only when the file is there: reading never makes a file.
    if (!file || !ReadPmsFile(JoinPath(pmsFolder, *file), pms)) return std::nullopt;
    return pms.Comments[0];
}

}  // namespace

std::vector<std::string> ListFolder(const std::string& folder,
                                    std::initializer_list<const char*> extensions,
                                    bool keepExtension) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        const std::string name = entry.path().filename().string();
        if (name.size() < 5 || name[name.size() - 4] != '.') continue;
        const std::string ext = UCase(name.substr(name.size() - 3));
        const bool wanted = std::any_of(extensions.begin(), extensions.end(),
                                        [&](const char* e) { return ext == e; });
        if (wanted) names.push_back(keepExtension ? name : name.substr(0, name.size() - 4));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = UCase(a), ub = UCase(b);
        return ua != ub ? ua < ub : a < b;
    });
    names.insert(names.begin(), std::string());
    return names;
}

std::vector<std::string> ListAvatars(const std::string& appFolder) {
    return ListFolder(JoinPath(appFolder, "Avatars"), {"JPG", "GIF", "BMP"}, true);
}

std::vector<std::string> ListBackgrounds(const std::string& appFolder) {
    return ListFolder(JoinPath(appFolder, "backgrounds"), {"JPG", "GIF", "BMP"}, true);
}

std::vector<std::string> ListScoreFiles(const std::string& appFolder) {
    return ListFolder(JoinPath(appFolder, "users"), {"RAN"}, false);
}

std::vector<std::string> ListCommentFiles(const std::string& appFolder) {
    return ListFolder(JoinPath(appFolder, "users"), {"CMT"}, false);
}

int DefaultBackgroundIndex(const std::vector<std::string>& backgrounds) {
    for (size_t i = 1; i < backgrounds.size(); ++i)
        if (backgrounds[i] == kDefaultBackground) return static_cast<int>(i);
    return 0;
}

std::vector<PersonalityEntry> ListPersonalities(const std::string& appFolder) {
    const std::string folder = JoinPath(appFolder, "Data/PMS");
    const std::vector<std::string> files = ListFolder(folder, {"PMS"}, false);
    std::vector<PersonalityEntry> list{{kDefaultPersonality, ""}};
    bool lastThere = false;
    for (size_t i = 1; i < files.size(); ++i) {
        const std::string upper = UCase(files[i]);
        if (upper == UCase(kDefaultPersonality)) continue;
        if (upper == UCase(kLastPersonality)) {
            lastThere = true;
            continue;
        }
        list.push_back({files[i], ""});
    }
    if (lastThere) list.push_back({kLastPersonality, ""});
    // A damaged personality is not offered (the player is told at start-up); the default one
    // always is.
    std::vector<PersonalityEntry> offered;
    for (PersonalityEntry& p : list) {
        const auto description = DescriptionOf(folder, p.name);
        if (!description && !offered.empty()) continue;
        offered.push_back({p.name, description.value_or("")});
    }
    return offered;
}
