#pragma once
// Names of players and files compared as the game compares them: trimmed of blanks and without
// regard to the case of ASCII letters.
#include <string>
#include <string_view>

// True when the two names are the same, trimmed and in capitals.
bool SameName(std::string_view a, std::string_view b);
// True when `text` begins with `prefix`, in capitals.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
// True when `text` ends with `suffix`, in capitals.
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
