#include "net/chat_compose.h"

#include <algorithm>
#include <array>

#include "net/name_compare.h"
#include "platform/vb_strings.h"

namespace {

constexpr std::string_view kSoundItem = "WAV ";

// Bytes of the UTF-8 character starting at `at`.
size_t CharLength(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, text.size() - at);
}

// The emoticon of ":-" followed by `c`; "" for a character that picks none.
std::string FaceAfterDash(char c) {
    switch (c) {
        case 'D':
            return "Grinning";
        case '[':
            return "Embarrassed";
        case '}':
            return "Mischievous";
        case '(':
            return "Sad";
        case 'P':
        case 'p':
            return "Begging";
        default:
            return "";
    }
}

std::string Stem(const std::string& file) {
    const size_t dot = file.rfind('.');
    return dot == std::string::npos ? file : file.substr(0, dot);
}

// The note added to a sound's echo when the peer cannot hear it.
std::string SoundNote(const ChatDraft& d, const std::string& soundFile) {
    if (d.peerVersion < "62")
        return "\r\n>>> " + d.opponentName +
               " can't hear the sound you are playing. Feature only works with v.7+";
    if (d.peerVersion <= "74" && EndsWithNoCase(soundFile, "PMW"))
        return "\r\n>>> " + d.opponentName +
               " doesn't have the personality sounds. Feature only works with v.7.5+";
    return "";
}

}  // namespace

Shortcut ShortCutCheck(std::string_view text, std::string_view peerVersion) {
    Shortcut s{std::string(text), ""};
    if (peerVersion < "81") return s;
    if (size_t at = s.text.find(";-)"); at != std::string::npos) {
        s.text.erase(at, 3);
        s.emoticon = "Wink";
        return s;
    }
    size_t angry = std::string::npos;
    for (std::string_view face : {">:0", ">:O", ">:o"}) angry = std::min(angry, s.text.find(face));
    if (angry != std::string::npos) {
        s.text.erase(angry, 3);
        s.emoticon = "Angry";
        return s;
    }
    const size_t colon = s.text.find(':');
    if (colon == std::string::npos || colon + 2 >= s.text.size()) return s;
    if (s.text[colon + 1] == '-') {
        s.emoticon = FaceAfterDash(s.text[colon + 2]);
        s.text.erase(colon, 2 + CharLength(s.text, colon + 2));
    } else if (s.text.compare(colon + 1, 2, "'(") == 0) {
        s.emoticon = "Crying";
        s.text.erase(colon, 3);
    }
    return s;
}

std::string ResolveSound(std::string_view name, const std::string& chosen,
                         const std::vector<std::string>& sounds) {
    if (!chosen.empty() && (SameName(Stem(chosen), name) || SameName(chosen, name))) return chosen;
    for (const std::string& file : sounds)
        if (SameName(Stem(file), name) || SameName(file, name)) return file;
    return std::string(name) + ".wav";
}

ComposedChat ComposeChat(const ChatDraft& d) {
    ComposedChat out;
    const std::string typed = Trim(d.input);
    if (typed.empty() && d.emoticon.empty()) {
        out.empty = true;
        return out;
    }
    Shortcut cut = ShortCutCheck(typed, d.peerVersion);
    out.text = cut.text;
    out.input = d.input;
    out.emoticon = d.emoticon;
    if (!cut.emoticon.empty() &&
        std::find(d.icons.begin(), d.icons.end(), cut.emoticon) != d.icons.end())
        out.emoticon = cut.emoticon;
    if (!out.emoticon.empty()) {
        out.text = "ICO " + out.emoticon + "!" + out.text;
        out.input = "PIC <" + out.emoticon + "> " + out.input;
    }
    if (out.text == "<SLAP>") out.text = "<SMACK>";

    const bool soundLine = StartsWithNoCase(out.input, kSoundItem);
    const std::string soundName = soundLine ? Trim(out.input.substr(kSoundItem.size())) : "";
    if (soundLine) out.soundFile = ResolveSound(soundName, d.soundFile, d.sounds);
    if (PeerAbove(d.peerVersion, "74")) {
        if (soundLine) out.text = std::string(kSoundItem) + out.soundFile;
        out.text = d.playerName + ": " + out.text;
    }

    if (soundLine) {
        out.kind = ComposedChat::Echo::Sound;
        out.echo = "Sent: WAV " + soundName + SoundNote(d, out.soundFile);
    } else if (StartsWithNoCase(out.input, "<SMACK>")) {
        out.kind = ComposedChat::Echo::Smack;
        out.echo = "Sent: Smack Slap! (Ouch!) ";
    } else if (StartsWithNoCase(out.input, "<SLAP>")) {
        out.kind = ComposedChat::Echo::Slap;
        out.echo = "Sent: You slapped your opponent! ";
    } else {
        out.echo = d.playerName + ": " + Trim(out.input);
    }
    return out;
}
