#pragma once
// This machine's side of an Internet game without its sockets: the peers' bytes go in, lines come
// out one at a time to be handled, and what is sent is noted. The socket layer feeds arrivals to
// Received and asks Next for one line per pass of a wait, so that every line that wakes a wait
// is seen by it before the next line is handled. A card play that reaches the host before the
// host waits for that player's play (the turn before is still being closed after its discard,
// or the deal is still being laid out here) waits, with every later line of that peer but chat,
// peeks and its farewell, until the host's replay of that player's turn asks for it. A play
// that cannot be held so (its player is not on turn nor next after a discard, it names a place
// outside the table, or its player still owes an answer) is out of turn for sure: it is handled
// at once and ends the game with that player, unless no game is on the table here: it was then
// sent before its player heard that the game had ended, and is dropped.
#include <optional>
#include <string_view>
#include <vector>

#include "net/dispatch.h"
#include "net/line_framer.h"

namespace net {

class NetSession {
  public:
    explicit NetSession(SessionConfig config) : state_(NewSession(std::move(config))) {}

    // Bytes from `peer`. False when the peer broke the limits on what it may send: Broke then
    // ends the game with it.
    bool Received(int peer, std::string_view bytes) { return inbox_.Feed(peer, bytes); }
    // The next line that may be handled now, handled; nothing when no line is ready.
    std::optional<std::vector<Action>> Next(const Game& g);
    // Host: the oldest line of a joiner not yet seated, handled with its seat held back (see
    // DispatchJoiner); nothing when no joiner has a line waiting.
    std::optional<std::vector<Action>> NextJoiner(const Game& g);
    // Host: the first joiner whose seat was held back takes it now; nothing when none waits.
    std::optional<std::vector<Action>> SeatWaiting(const Game& g);
    bool SeatsWaiting() const;
    // Host: `peer` is connected but not seated yet.
    bool Joiner(int peer) const;
    // Host: a connection accepted on `peer` now would be greeted (not turned away).
    bool WouldGreet(const Game& g, int peer) const;
    // A line this machine sends (to `peer`, or with `toAll` to every seated peer but `peer`).
    void Sent(bool toAll, int peer, std::string_view line) { NoteSent(state_, toAll, peer, line); }

    std::vector<Action> Accept(const Game& g, int peer) { return Take(Accepted(state_, g, peer)); }
    std::vector<Action> Connect() { return Take(Connecting(state_)); }
    std::vector<Action> NewLayout(const Game& g) { return Take(net::NewLayout(state_, g)); }
    std::vector<Action> Lost(const Game& g, int peer);
    std::vector<Action> Broke(const Game& g, int peer);
    std::vector<Action> JoinAnswer(const Game& g, int peer, bool accept) {
        return Take(JoinAnswered(state_, g, peer, accept));
    }

    const SessionState& state() const { return state_; }
    // The first connection's wait starts afresh, and ends once the set-up is done.
    void ResetReceived() { state_.netReceived = false; }
    void SetSessionUp() { state_.sessionUp = true; }
    bool HasLines() const { return !inbox_.Empty(); }
    // The peer of the line Next handled last (-1 before the first), and its code.
    int LastPeer() const { return lastPeer_; }
    i16 LastCode() const { return lastCode_; }
    // Host: the other players told that the game waits for the player behind `peer`.
    std::vector<Action> TellQuiet(const Game& g, int peer);
    // Host: the players told of that wait told it is over.
    std::vector<Action> TellQuietOver(int peer);

  private:
    std::vector<Action> Take(Outcome o);
    // The handled line's actions taken; nothing more is taken from a peer cut off by them.
    std::vector<Action> Handled(const InLine& line, Outcome o);
    std::vector<Action> TakeClosing(Outcome o);
    SessionState state_;
    Inbox inbox_;
    int lastPeer_ = -1;
    i16 lastCode_ = 0;
};

}  // namespace net
