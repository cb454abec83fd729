#include "net/quiet_peer.h"

namespace net {

namespace {

bool OwesAnswer(const PeerState& p) {
    return p.awaiting == PC || p.awaiting == WT || p.awaiting == OK || p.awaiting == TR ||
           p.awaiting == LO;
}

// The name the table shows for the player behind `peer`: on the host that remote's seat, on a
// remote the player on turn when the host passes on that player's play, else the host.
std::string NameOf(const SessionState& s, const Game& g, int peer) {
    const PeerState& p = s.peers[static_cast<size_t>(peer)];
    const int opp = s.config.host ? p.seat : (p.moved ? g.Pturn - 1 : 0);
    if (opp >= 1 && opp < g.NumPlayers && !g.Opp[static_cast<size_t>(opp)].Name.empty())
        return g.Opp[static_cast<size_t>(opp)].Name;
    return p.name;
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

std::string QuietNotice(const SessionState& s, const Game& g, int peer, const std::string& endKey) {
    return "Waiting for " + NameOf(s, g, peer) + "...\nEND Internet Game (" + endKey +
           ") ends this game.";
}

}  // namespace net
