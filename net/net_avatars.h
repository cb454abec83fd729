#pragma once
// What a player keeps of each Internet opponent met: "users/<player>.avt", one seat record per
// opponent in the order first met, with the picture (and the comment set) chosen for that
// opponent on this machine. Names are compared as the record holds them (cut to its twenty
// characters), trimmed and in capitals, so that a long name finds its own record again.
#include <optional>
#include <string>

struct KeptOpponent {
    std::string avatar;    // a picture of "Avatars/" that is still there, "" when it has gone
    std::string comments;  // the comment set chosen for the opponent, "" none
};

// The record kept for `opponent`, or nothing when there is none (or no file).
std::optional<KeptOpponent> LoadNetAvatar(const std::string& appFolder, const std::string& player,
                                          const std::string& opponent);

// Keeps `avatar` and `comments` for `opponent`: the opponent's record is changed in place, or a
// new one is added after the last (the file is made when missing). The file is rewritten in one
// step; false, with `error`, when it could not be.
bool SaveNetAvatar(const std::string& appFolder, const std::string& player,
                   const std::string& opponent, const std::string& avatar,
                   const std::string& comments, std::string* error);
