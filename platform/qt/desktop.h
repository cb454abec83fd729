#pragma once
// Facts about the desktop and the program's folders that only the Qt shell can read.
#include <string>

#include "platform/dialogs.h"
#include "platform/vb_types.h"

// True when the desktop runs at 96 logical pixels per inch.
i16 IsSmallFonts();

// Opens an http or https address in the desktop's browser; anything else is refused, and a
// failed launch says "Unable to launch default browser".
void GoWeb(const std::string& address, Dialogs& dialogs);

// The player's writable program folder: "Quorvane" under the XDG data home.
std::string DefaultAppFolder();

// The program-folder tree this build ships: beside the executable in a build tree, or in the
// installed share folder.
std::string StagedProgramFolder();
