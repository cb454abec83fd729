#pragma once
// What the chat window sends for a typed line, and what it echoes: the sender's name for newer
// peers, an emoticon item, a sound item, the slap, and the typed shortcuts that pick an
// emoticon. Peer versions are the two-digit texts of the hello, compared as text.
#include <string>
#include <string_view>
#include <vector>

// The text with a recognised shortcut cut out, and the emoticon it picks ("" none). Only peers
// at "81" or above get shortcuts; for older ones the text stays as it is.
struct Shortcut {
    std::string text;
    std::string emoticon;
};
Shortcut ShortCutCheck(std::string_view text, std::string_view peerVersion);

struct ChatDraft {
    std::string input;      // the input line as typed
    std::string emoticon;   // the emoticon shown beside the input line, "" none
    std::string soundFile;  // the sound last chosen in the list, with its extension
    std::string playerName;
    std::string opponentName;
    std::string peerVersion;
    std::vector<std::string> sounds;  // the sound list's files, with their extensions
    std::vector<std::string> icons;   // the emoticon list's names
};

struct ComposedChat {
    enum class Echo { Text, Sound, Smack, Slap };
    bool empty = false;    // nothing to send: the input line is blank and no emoticon shown
    std::string text;      // the chat line's text (before its number)
    std::string emoticon;  // the emoticon the line carries ("" none); it leaves the input line
    std::string input;     // the input line after the emoticon went into it ("PIC <name> ...")
    Echo kind = Echo::Text;
    std::string echo;       // the line shown in the history and written to the log
    std::string soundFile;  // a sound echo's file in "Sounds/", played here
};
ComposedChat ComposeChat(const ChatDraft& draft);

// The file of the sound named `name` in the input line: the chosen one when the name is its
// name, else the listed file of that name (with or without its extension), else name.wav.
std::string ResolveSound(std::string_view name, const std::string& chosen,
                         const std::vector<std::string>& sounds);

// A peer version above `version`, compared as text as the game compares them.
inline bool PeerAbove(std::string_view peer, std::string_view version) {
    return peer > version;
}
