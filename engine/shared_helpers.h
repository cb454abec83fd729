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

// What a text box says when its text holds a letter that its one-byte file cannot keep.
struct LetterRefusal {
    const char* text;
    const char* title;
};
inline constexpr LetterRefusal kNameLetters{
    "The name holds a letter that the game's files cannot keep.\n\nPlease enter the name with "
    "other letters.",
    "Non-standard name character"};
// True, after telling the player, when `text` holds a letter that the one-byte files cannot keep
// (it would be written as "?"); False otherwise, with no message.
i16 BadLetters(const std::string& text, const LetterRefusal& refusal, Dialogs& dialogs);

// The texts of records first..last of "Data/snack.ade" in `appFolder`, each trimmed and followed
// by one blank. A missing file or record reads as empty text.
std::string ReadTextBlock(const std::string& appFolder, int first, int last);
