#pragma once
// Handling one complete line from one peer, on the host and on a remote: a pure function from
// the session's state, the game as it stands and the line to the session's next state and the
// actions to carry out. Every field is checked before anything is decided; a line that fails
// the checks is the sender's protocol error, which ends the game with that peer and changes
// nothing else. Answers are counted once per peer that the current exchange waits for.
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "net/net_actions.h"
#include "net/session_state.h"

namespace net {

struct Outcome {
    SessionState state;
    std::vector<Action> actions;
};

// The line `line` (without its line feed) from `peer` (host: its socket 1-4; remote: 0).
Outcome Dispatch(SessionState s, const Game& g, int peer, std::string_view line);

// Host: the line `line` from `peer`, a joiner not yet seated, handled whatever the game's flow
// is doing: its hello and name are answered at once, but its seat waits for SeatJoiner (taking
// the seat lays the table out again, or asks the host player). Lines that mean nothing before
// the seat change nothing.
Outcome DispatchJoiner(SessionState s, const Game& g, int peer, std::string_view line);
// Host: the joiner on `peer`, named while the game's flow could not have the table laid out
// again, takes its seat now (or is turned away when the table has no place left for it).
Outcome SeatJoiner(SessionState s, const Game& g, int peer);
// Host: the peer is connected but not seated yet (greeted or waiting for its hello, or named).
bool Joining(const PeerState& p);

// Host: a new connection on socket `peer` (the socket chosen by the connection request): greets
// it, or turns it away when the table has no place for it.
Outcome Accepted(SessionState s, const Game& g, int peer);
// Host: a new Internet game with the players seated now: a game under way ends ("EG"), the
// seats close their gaps and every seated remote gets the layout, whose answers are counted.
Outcome NewLayout(SessionState s, const Game& g);
// Remote: the connection to the host is made; the host's hello is awaited.
Outcome Connecting(SessionState s);
// The connection to `peer` was lost, or the peer broke the limits of what it may send.
Outcome PeerLost(SessionState s, const Game& g, int peer);
Outcome PeerBroke(SessionState s, const Game& g, int peer, const std::string& what);
// Host: the player's answer to a later joiner's request.
Outcome JoinAnswered(SessionState s, const Game& g, int peer, bool accept);

// Records a line this machine sends (to `peer`, or with `toAll` to every seated peer but
// `except`), so that the answers it asks for are counted from those peers only.
void NoteSent(SessionState& s, bool toAll, int peer, std::string_view line);

// Whether the card play `m` of player `player` (2-4, an opponent seat here) can be made: a card
// in the slot it is played from, and a center that takes it or a hold pile with room.
std::string MoveFault(const Game& g, int player, int from, int to);

// The table of seated peers as the turn driver reads it (NetSeats).
std::array<NetSeat, 5> SeatsOf(const SessionState& s);

}  // namespace net
