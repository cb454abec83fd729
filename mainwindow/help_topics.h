#pragma once
// The help: pages of our own in the Help folder that the program ships, and the topics the
// windows open them at (the contents, the comment editor, the house rules, connecting).
#include <string>
#include <vector>

inline constexpr const char* kHelpContents = "index.html";

// The page of `topic`; the contents for "" and for a topic without a page of its own.
std::string HelpPageFor(const std::string& topic);

// Where the pages are looked for, first found first: the program's own shipped folder, then
// the player's copy of it.
std::vector<std::string> HelpFolders(const std::string& shippedFolder,
                                     const std::string& appFolder);
