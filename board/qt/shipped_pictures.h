#pragma once
// The pictures the program ships in its folder, drawn by the program at build time: the table
// backgrounds, an avatar for each personality, and the frames of the personalities' end-of-game
// shows.
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

struct ShippedBackground {
    QString fileName;  // in backgrounds/
    QImage picture;
};

// "GameBoard.gif" (the default) first, then the others.
std::vector<ShippedBackground> ShippedBackgrounds();

// The personalities the program ships.
const std::vector<QString>& ShippedPersonalities();
// Avatar "<name>.jpg" of a shipped personality.
QImage PersonalityAvatar(const QString& name);
// Frame n (1-7) of a personality's end-of-game show.
QImage FlashFrame(const QString& name, int n);

// Writes all of them into a program folder (backgrounds/, Avatars/, Data/PMS/); false when a
// file could not be written, with the failed paths in `failed`.
bool WriteShippedPictures(const QString& programFolder, QStringList* failed = nullptr);
