#include "net/quiet_peer.h"

#include "net/wire_format.h"

namespace net {

namespace {

constexpr std::string_view kQuietMark = "$-BRIVO: Waiting for ";
constexpr std::string_view kQuietEnd = "...";

bool OwesAnswer(const PeerState& p) {
    return p.awaiting == PC || p.awaiting == WT || p.awaiting == OK || p.awaiting == TR ||
           p.awaiting == LO;
}

}  // namespace

int AwaitedPeer(const SessionState& s, const Game& g) {
    const int first = s.config.host ? 1 : 0, last = s.config.host ? 4 : 0;
    for (int i = first; i <= last; ++i) {
        const PeerState& p = s.peers[static_cast<size_t>(i)];
        if (p.phase == Phase::Seated && OwesAnswer(p)) return i;
    }
    for (int i = first; i <= last; ++i) {
        const PeerState& p = s.peers[static_cast<size_t>(i)];
        const bool onTurn = !s.config.host || g.Pturn == p.seat + 1;
        if (p.phase == Phase::Seated && p.moved && onTurn) return i;
    }
    return -1;
}

double QuietSeconds(const SessionState& s, const Game& g) {
    if (s.config.host || g.NumPlayers <= 2) return kQuietSeconds;
    // The host has already waited its time for the one it named.
    if (!s.hostWaitsFor.empty()) return 0;
    // The host may itself be waiting for another remote, and says so once its own time is up.
    return kQuietSeconds + kHostWordSeconds;
}

// The name the table shows for the player behind `peer`: on the host that remote's seat, on a
// remote the player the host said it waits for, or the player on turn when the host passes on
// that player's play, else the host.
std::string QuietName(const SessionState& s, const Game& g, int peer) {
    if (!s.config.host && !s.hostWaitsFor.empty()) return s.hostWaitsFor;
    const PeerState& p = s.peers[static_cast<size_t>(peer)];
    const int opp = s.config.host ? p.seat : (p.moved ? g.Pturn - 1 : 0);
    if (opp >= 1 && opp < g.NumPlayers && !g.Opp[static_cast<size_t>(opp)].Name.empty())
        return g.Opp[static_cast<size_t>(opp)].Name;
    return p.name;
}

std::string QuietNotice(const SessionState& s, const Game& g, int peer, const std::string& endKey) {
    return "Waiting for " + QuietName(s, g, peer) + "...\nEND Internet Game (" + endKey +
           ") ends this game.";
}

std::string QuietLine(int seq, const std::string& name) {
    return ChatLine(seq, std::string(kQuietMark) + name + std::string(kQuietEnd));
}

std::optional<std::string> QuietNamed(const SessionState& s, const Game& g, std::string_view text) {
    if (s.config.host || !text.starts_with(kQuietMark) || !text.ends_with(kQuietEnd))
        return std::nullopt;
    const std::string name(
        text.substr(kQuietMark.size(), text.size() - kQuietMark.size() - kQuietEnd.size()));
    if (name.empty()) return name;
    for (int k = 1; k < g.NumPlayers && k < kMaxPlayers; ++k)
        if (!name.empty() && name == g.Opp[static_cast<size_t>(k)].Name && name != s.peers[0].name)
            return name;
    return std::nullopt;
}

}  // namespace net
