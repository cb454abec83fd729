#pragma once
// The file lists of the program folder that the dialogs and the board choose from: avatar
// pictures, table backgrounds, Internet score files, comment files and the computer
// personalities. Each list keeps an empty entry 0, so that entry i is the i-th file; names are
// in alphabetical order.
#include <initializer_list>
#include <string>
#include <vector>

// The regular files of `folder` whose name ends in a dot and one of `extensions` (three
// capitals, matched in any case), sorted without regard to case, after an empty entry 0;
// `keepExtension` false cuts the dot and extension off.
std::vector<std::string> ListFolder(const std::string& folder,
                                    std::initializer_list<const char*> extensions,
                                    bool keepExtension);

// "Avatars/": JPG, GIF and BMP pictures, with their extensions.
std::vector<std::string> ListAvatars(const std::string& appFolder);
// "backgrounds/": JPG, GIF and BMP pictures, with their extensions.
std::vector<std::string> ListBackgrounds(const std::string& appFolder);
// "users/": the Internet score files (".ran"), without the extension.
std::vector<std::string> ListScoreFiles(const std::string& appFolder);
// "users/": the comment files (".cmt"), without the extension.
std::vector<std::string> ListCommentFiles(const std::string& appFolder);

// The number of files of a list (its last index).
inline int ListCount(const std::vector<std::string>& list) {
    return list.empty() ? 0 : static_cast<int>(list.size()) - 1;
}

// The place of the default table picture "GameBoard.gif" in the background list, 0 when absent.
int DefaultBackgroundIndex(const std::vector<std::string>& backgrounds);

// The personalities of "Data/PMS/": "Brivo" first (whether or not its file is there), the
// others in alphabetical order, "Pellor" last when its file is there; each with its
// description, the first line of its file. A personality whose file is damaged is left out;
// Brivo's description is empty when its file cannot be read.
struct PersonalityEntry {
    std::string name;
    std::string description;
    bool operator==(const PersonalityEntry&) const = default;
};
std::vector<PersonalityEntry> ListPersonalities(const std::string& appFolder);
