#pragma once
// Small services every subsystem calls: the forbidden-character test for names and the
// label-text reader.
#include <string>

#include "platform/dialogs.h"
#include "platform/file_util.h"
#include "platform/vb_types.h"

// True, after telling the player, when `name` holds a character that may not stand in a file
// or player name (! " * . / : < > ? \ |); False otherwise, with no message.
i16 BadFileChars(const std::string& name, Dialogs& dialogs);

// The texts of records first..last of "Data/snack.ade" in `appFolder`, each trimmed and followed
// by one blank. A missing file or record reads as empty text.
std::string ReadTextBlock(const std::string& appFolder, int first, int last);
