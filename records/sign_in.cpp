#include "records/sign_in.h"

#include <algorithm>

#include "engine/shared_helpers.h"
#include "platform/text_codec.h"
#include "platform/vb_strings.h"

namespace {

constexpr LetterRefusal kSignInLetters{
    "Your name holds a letter that the score file cannot keep.\n\nPlease enter your name with "
    "other letters.",
    "Non-standard name character"};

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool IsKnown(const std::string& name, const std::vector<std::string>& knownPlayers) {
    const std::string wanted = Upper(Trim(name));
    return std::any_of(knownPlayers.begin(), knownPlayers.end(),
                       [&](const std::string& k) { return Upper(Trim(k)) == wanted; });
}

}  // namespace

std::vector<std::string> WelcomeNames(const std::string& playerName,
                                      const std::string& lastPlayerName,
                                      const std::vector<std::string>& knownPlayers) {
    const std::string first = playerName.empty() ? Trim(lastPlayerName) : playerName;
    std::vector<std::string> names{first};
    for (const std::string& k : knownPlayers)
        if (!Trim(k).empty() && Trim(k) != first) names.push_back(Trim(k));
    names.emplace_back();
    return names;
}

NameCheck CheckSignInName(const std::string& typed, const std::vector<std::string>& knownPlayers,
                          const std::string& lastPlayerName, Dialogs& dialogs) {
    const std::string name = Trim(typed);
    const std::string upper = Upper(name);
    if (upper == "BRIVO") {
        dialogs.MsgBox("There can ONLY be\nONE Brivo\nand that's me!\nEnter your real name please.",
                       mb::Exclamation, "Impersonator Alert");
        return NameCheck::ClearAndRetry;
    }
    if (upper == "TESSIK") {
        dialogs.MsgBox("Sorry dear, that name has been taken...\nEnter another name please.",
                       mb::Exclamation, "Impersonator Alert");
        return NameCheck::ClearAndRetry;
    }
    if (name.empty()) {
        dialogs.MsgBox("Please enter a name...\nI'd like to know who I'm playing with!",
                       mb::Exclamation, "Unknown Player");
        return NameCheck::Retry;
    }
    if (name == Trim(lastPlayerName) || IsKnown(name, knownPlayers)) return NameCheck::Ok;
    if (BadFileChars(name, dialogs)) return NameCheck::Retry;
    // The profile keeps one byte a letter: a letter it has no byte for would turn into "?".
    if (BadLetters(name, kSignInLetters, dialogs)) return NameCheck::Retry;
    return NameCheck::Ok;
}

bool NameIsText(const std::string& name) {
    return IsReadableText(name);
}
