#pragma once
// The sign-in window's decisions: which names its list offers and which names it refuses
// before the profile is asked to sign the player in.
#include <string>
#include <vector>

#include "platform/dialogs.h"

// The longest name a profile can store; the name field takes no more.
constexpr int kSignInNameLength = 20;

// The current player first (the last player when nobody has signed in in this run), then every
// other known player in record order, then an empty entry for a new name.
std::vector<std::string> WelcomeNames(const std::string& playerName,
                                      const std::string& lastPlayerName,
                                      const std::vector<std::string>& knownPlayers);

enum class NameCheck {
    Ok,
    Retry,          // refused: the player has been told and may change the name
    ClearAndRetry,  // refused: the name field is emptied too
};

// Brivo's and Tessik's names are taken, an empty name is no name, and a new name must be able to
// stand in a file name. The player is told why.
NameCheck CheckSignInName(const std::string& typed, const std::vector<std::string>& knownPlayers,
                          const std::string& lastPlayerName, Dialogs& dialogs);

// A name read back from a record is text: no control character and no byte that the one-byte
// character set leaves unassigned. A name that is not text marks a damaged record.
bool NameIsText(const std::string& name);
