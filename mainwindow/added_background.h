#pragma once
// Add Background: where a picture the player chose goes in the backgrounds folder. A picture
// already in the folder stays where it is; one from elsewhere is copied under its own name, or,
// when a different picture already has that name, under the first free "name (n).ext", so an
// added picture never replaces one the folder holds.
#include <string>

struct AddedBackground {
    std::string fileName;  // the picture's name in the folder ("" when nothing can be added)
    bool copy = false;     // the chosen file is to be copied there first
};

AddedBackground PlaceAddedBackground(const std::string& chosenPath, const std::string& folder);

// A JPG, GIF or BMP picture by its extension (any case): the table shows only these.
bool IsBackgroundPicture(const std::string& path);

// Copies `from` to `to` through a temporary file beside it; false when that failed.
bool CopyFileTo(const std::string& from, const std::string& to);
