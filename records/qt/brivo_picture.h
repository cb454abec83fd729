#pragma once
// Brivo's own picture, from the avatars the program ships, for the windows in which he talks to
// the player (tips, tutorial, about box). A missing picture leaves the place empty.
#include <QPixmap>
#include <string>

QPixmap BrivoPicture(const std::string& appFolder, int size);
