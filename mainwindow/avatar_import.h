#pragma once
// Where an avatar picture chosen by the player goes: a picture already in the avatars folder is
// used where it lies; any other is copied in under its own name, or, when a different picture
// already has that name, under the first free "name (n)" so that no picture is overwritten.
#include <string>

struct AvatarImport {
    bool Copy = false;     // the picture has to be copied into the avatars folder
    std::string FileName;  // its name in the avatars folder, the name the profile keeps
    std::string Error;     // set when no name could be found
};

// Avatar names are kept in 30-character record fields.
inline constexpr std::size_t kAvatarNameLength = 30;

AvatarImport PlanAvatarImport(const std::string& avatarsFolder, const std::string& chosenPath);

// Copies the picture as planned; false with `error` when the copy failed (nothing is left
// behind then).
bool ImportAvatar(const std::string& avatarsFolder, const std::string& chosenPath,
                  const AvatarImport& plan, std::string* error);
