#include "net/session.h"

#include "engine/turn_order.h"
#include "net/quiet_peer.h"
#include "net/wire_parse.h"

namespace net {

namespace {

// Host: `player` may be playing on its own machine already: it is on turn here, or the turn
// before it has been closed by its discard and is still being handed on here.
bool MayBePlaying(const SessionState& s, const Game& g, int player) {
    return g.Pturn == player ||
           (s.turnClosing != 0 && s.turnClosing == g.Pturn && NextInTurn(g) == player);
}

}  // namespace

std::vector<Action> NetSession::Take(Outcome o) {
    state_ = std::move(o.state);
    return std::move(o.actions);
}

std::optional<std::vector<Action>> NetSession::Next(const Game& g) {
    const SessionState& s = state_;
    auto ready = [&](const InLine& l) {
        if (!s.config.host || CodeOf(l.text) != PC || IsBare(l.text)) return true;
        const PeerState& p = s.peers[static_cast<size_t>(l.peer)];
        if (p.phase != Phase::Seated || g.AwaitingMoveOf == p.seat + 1) return true;
        // Held, a play broken in itself, sent before its player answered what this machine
        // asked of it, or sent when its player is neither on turn nor next after a discard
        // would keep that player's answers behind it for good: it is out of turn for sure, and
        // handled now to be refused.
        Fault fault;
        return p.awaiting != 0 || !ParseMove(l.text, g.NumCenters, fault) ||
               !MayBePlaying(s, g, p.seat + 1);
    };
    auto passes = [](const InLine& l) {
        const i16 code = CodeOf(l.text);
        return code == SY || code == PK || code == GO;
    };
    auto line = inbox_.TakeReady(ready, passes);
    if (!line) return std::nullopt;
    return Handled(*line, Dispatch(state_, g, line->peer, line->text));
}

std::vector<Action> NetSession::Handled(const InLine& line, Outcome o) {
    lastPeer_ = line.peer;
    lastCode_ = CodeOf(line.text);
    return TakeClosing(std::move(o));
}

std::vector<Action> NetSession::TakeClosing(Outcome o) {
    auto actions = Take(std::move(o));
    for (const auto& a : actions)
        if (const auto* f = std::get_if<act::PeerFault>(&a)) inbox_.Drop(f->peer);
    for (const auto& a : actions)
        if (const auto* c = std::get_if<act::Close>(&a)) inbox_.Drop(c->peer);
    return actions;
}

std::optional<std::vector<Action>> NetSession::NextJoiner(const Game& g) {
    if (!state_.config.host) return std::nullopt;
    auto line = inbox_.TakeReady([&](const InLine& l) { return Joiner(l.peer); },
                                 [](const InLine&) { return false; });
    if (!line) return std::nullopt;
    return Handled(*line, DispatchJoiner(state_, g, line->peer, line->text));
}

std::optional<std::vector<Action>> NetSession::SeatWaiting(const Game& g) {
    for (int peer = 1; peer <= 4; ++peer) {
        const PeerState& p = state_.peers[static_cast<size_t>(peer)];
        if (p.phase == Phase::Named && p.seatDue) return TakeClosing(SeatJoiner(state_, g, peer));
    }
    return std::nullopt;
}

bool NetSession::SeatsWaiting() const {
    for (const PeerState& p : state_.peers)
        if (p.phase == Phase::Named && p.seatDue) return true;
    return false;
}

bool NetSession::Joiner(int peer) const {
    return state_.config.host && peer >= 1 && peer <= 4 &&
           Joining(state_.peers[static_cast<size_t>(peer)]);
}

bool NetSession::WouldGreet(const Game& g, int peer) const {
    if (!state_.config.host || peer < 1 || peer > 4) return false;
    return Accepted(state_, g, peer).state.peers[static_cast<size_t>(peer)].phase ==
           Phase::Accepted;
}

std::vector<Action> NetSession::TellQuiet(const Game& g, int peer) {
    bool others = false;
    for (int i = 1; i <= 4; ++i)
        others =
            others || (i != peer && state_.peers[static_cast<size_t>(i)].phase == Phase::Seated);
    if (!state_.config.host || !others) return {};
    return {act::SendAll{peer, QuietLine(state_.chatSeq.Next(), QuietName(state_, g, peer))}};
}

std::vector<Action> NetSession::TellQuietOver(int peer) {
    if (!state_.config.host) return {};
    return {act::SendAll{peer, QuietLine(state_.chatSeq.Next(), "")}};
}

std::vector<Action> NetSession::Lost(const Game& g, int peer) {
    inbox_.Drop(peer);
    return Take(PeerLost(state_, g, peer));
}

std::vector<Action> NetSession::Broke(const Game& g, int peer) {
    inbox_.Drop(peer);
    return Take(PeerBroke(state_, g, peer, "more than a peer may send at once"));
}

}  // namespace net
