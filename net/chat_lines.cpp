#include "net/chat_lines.h"

#include <algorithm>
#include <cctype>

#include "engine/shared_helpers.h"
#include "net/quiet_peer.h"
#include "platform/dialogs.h"

namespace net {

namespace {

std::string Upper(std::string_view text, size_t n) {
    std::string out(text.substr(0, n));
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return Upper(text, prefix.size()) == prefix;
}

bool Listed(const std::vector<std::string>& files, const std::string& name) {
    return IsPlainFileName(name) && std::find(files.begin(), files.end(), name) != files.end();
}

// A web address the player may choose to open: http or https, printable, no blanks.
bool IsWebAddress(std::string_view text) {
    if (!StartsWith(text, "HTTP://") && !StartsWith(text, "HTTPS://")) return false;
    if (text.size() > 2000) return false;
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u > 32 && u < 127 && c != '"' && c != '<' && c != '>';
    });
}

bool BetweenGames(const Game& g) {
    return g.Pturn == 0 && !g.ComputerBusy && !g.PlayRunning;
}

// Shows one chat line's text from `speaker`.
void ShowChat(SessionState& s, const Game& g, int peer, const std::string& speaker,
              std::string text, std::vector<Action>& out) {
    const bool newPeer = s.peerVersion > "74";

    // A notice in the default personality's voice from an older peer.
    if (StartsWith(text, "$-BRIVO:")) {
        out.push_back(act::ChatShown{text.substr(2)});
        out.push_back(act::Label{2, text.substr(2)});
        out.push_back(act::DataSound{108});
        return;
    }
    if (IsWebAddress(text)) {
        out.push_back(act::ChatShown{speaker + text});
        out.push_back(act::Link{text});
        return;
    }
    if (StartsWith(text, "KRAMB") && BetweenGames(g)) {
        out.push_back(act::CardShow{});
        return;
    }
    if (StartsWith(text, "WAV ")) {
        std::string name = text.substr(4);
        std::string label = "Sound from " + speaker;
        if (newPeer) {
            label += name.substr(0, name.size() >= 4 ? name.size() - 4 : 0);
        } else {
            label += name;
            name += ".wav";
        }
        if (Listed(s.config.soundFiles, name))
            out.push_back(act::PeerSound{name});
        else
            label += "\n(You don't have this sound)";
        out.push_back(act::Label{2, label});
        return;
    }
    if (StartsWith(text, "<SMACK>") || StartsWith(text, "<SLAP>")) {
        out.push_back(act::Slap{});
        out.push_back(act::Label{2, speaker + "sent SLAP!"});
        return;
    }

    // An ordinary chat line, perhaps with an emoticon before it.
    std::string emoticon;
    if (StartsWith(text, "ICO ")) {
        const size_t bang = text.find('!', 4);
        if (bang != std::string::npos) {
            emoticon = text.substr(4, bang - 4);
            text = text.substr(bang + 1);
            if (Listed(s.config.iconFiles, emoticon + ".gif"))
                out.push_back(act::Emoticon{emoticon + ".gif"});
        }
    }
    // A sign-off, "<name> Quit!^", comes without a speaker: from the leaving peer itself, or
    // passed on by the host for another remote. Typed chat always has a speaker, so a player
    // cannot end anyone's game by typing the mark.
    const PeerState& from = s.peers[static_cast<size_t>(peer)];
    const bool farewell = speaker.empty() && text.size() > 7 && text.ends_with(" Quit!^");
    if (farewell) text.pop_back();
    std::string shown;
    if (newPeer)
        shown = speaker + (emoticon.empty() ? "" : "PIC <" + emoticon + "> ") + text;
    else
        shown = (s.config.host ? from.name : g.HostPlayerName) + ": " + text;
    out.push_back(act::ChatShown{shown});
    out.push_back(act::DataSound{speaker == "BRIVO: " ? 108 : 110});
    out.push_back(act::Label{2, text});
    if (!s.config.host && !s.versionKnown && text.find(kBusyLine) != std::string::npos) {
        out.push_back(act::Box{"You cannot join this game. The host is playing someone else.",
                               mb::Critical, "Impossible"});
        out.push_back(act::EndInternetGame{});
        out.push_back(act::Code{0});
        return;
    }
    // Turned away for its name: the player is told why, and the connection attempt ends.
    if (!s.config.host && s.peers[0].phase != Phase::Seated &&
        text.find(kNameRefused) != std::string::npos) {
        out.push_back(act::Box{text, mb::Critical, "Impossible"});
        out.push_back(act::EndInternetGame{});
        out.push_back(act::Code{0});
        return;
    }
    if (farewell && !s.config.host) out.push_back(act::AskSaveEndedGame{});
}

}  // namespace

void HandleChat(SessionState& s, const Game& g, int peer, const ChatText& chat,
                std::vector<Action>& out) {
    // The host's word on whom its game waits for is the table's notice, not chat.
    if (auto named = QuietNamed(s, g, chat.text)) {
        s.hostWaitsFor = *named;
        return;
    }
    // Every chat line first takes away the emoticon the one before it showed.
    out.push_back(act::Emoticon{""});
    std::string text = chat.text;
    std::string speaker;
    if (s.peerVersion > "74") {
        const size_t colon = text.find(':');
        if (colon != std::string::npos) {
            const size_t cut = std::min(colon + 2, text.size());
            speaker = text.substr(0, cut);
            text = text.substr(cut);
            if (speaker.rfind("$-BRIVO:", 0) == 0) speaker = "BRIVO: ";
        }
    }
    ShowChat(s, g, peer, speaker, text, out);
    // The host passes every chat line on to the other remotes under its own number.
    if (s.config.host && g.NetConnected >= 2) {
        out.push_back(act::SendAll{peer, ChatLine(s.chatSeq.Next(), speaker + text)});
    }
}

void HandlePeek(SessionState& s, const Game& g, int peer, bool peeking, std::vector<Action>& out) {
    out.push_back(act::Emoticon{""});
    if (peeking) out.push_back(act::DataSound{105});
    out.push_back(
        act::PeekLabel{peeking ? "Opponent is PEEKING!" : "Opponent is not peeking now."});
    s.oppPeeking = peeking;
    // The other remotes were told in chat that they are watched: they get the notice as well.
    if (s.config.host && g.NetConnected >= 2) out.push_back(act::SendAll{peer, PeekLine(peeking)});
}

}  // namespace net
