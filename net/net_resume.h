#pragma once
// Taking up a saved or restarted Internet game on every machine. The host sends its whole game
// ("RC"), after the table's layout, and waits until every remote has taken it (a remote answers
// when its player presses Deal); then "RS" lets play go on from the player on turn. Every wait
// ends when the remotes or the window go away.
#include <string>

#include "engine/game.h"
#include "engine/services.h"
#include "net/chat_seq.h"

// What the remotes are told about the game they are given.
struct ResumeNote {
    bool restarted = false;  // the host restarted the game from its beginning
    bool secure = false;     // a named saved game; `title` is its title
    std::string title;
};

// The system line that goes with the game.
std::string ResumeNoteText(const ResumeNote& note, const std::string& peerVersion);

// Host: sends the game on the table to every remote and resumes it. False when the remotes went
// away before all had taken it (nothing more is then sent).
bool SendRecover(Game& g, const Services& sv, ChatSeq& seq, const ResumeNote& note);
