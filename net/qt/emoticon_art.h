#pragma once
// The chat's emoticons, drawn by the program: small faces (and a few grim jokes) that travel
// between players by name and are shown from "Icons/<name>.gif" on every machine. The names are
// those the letter keys of the main window and the typed shortcuts of the chat use.
#include <QImage>
#include <QStringList>

#include "platform/gif_writer.h"

QStringList EmoticonNames();
// The emoticon `name` on a transparent square of `size` pixels.
QImage DrawEmoticon(const QString& name, int size = 32);
// The picture with at most 255 colours and one transparent index for what is mostly clear.
IndexedPicture ToIndexedPicture(const QImage& image);
// Writes every emoticon into `iconsFolder`; false, naming the files in `failed`, when some could
// not be written.
bool WriteEmoticons(const QString& iconsFolder, QStringList* failed);
