#include "mainwindow/help_topics.h"

#include <array>
#include <utility>

#include "platform/file_util.h"

namespace {
// Topics as the windows name them, compared without regard to case.
constexpr std::array<std::pair<const char*, const char*>, 6> kTopics{{
    {"customize", "customize.html"},
    {"rules, changing the rules", "house_rules.html"},
    {"connect", "internet.html"},
    {"keys", "keys.html"},
    {"menus", "menus.html"},
    {"playing", "playing.html"},
}};

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}
}  // namespace

std::string HelpPageFor(const std::string& topic) {
    const std::string t = Lower(topic);
    for (const auto& [name, page] : kTopics)
        if (t == name) return page;
    return kHelpContents;
}

std::vector<std::string> HelpFolders(const std::string& shippedFolder,
                                     const std::string& appFolder) {
    std::vector<std::string> folders;
    for (const std::string& root : {shippedFolder, appFolder})
        if (!root.empty()) folders.push_back(JoinPath(root, "Help"));
    return folders;
}
