#pragma once
// The protocol's own state of this machine's Internet game: one entry per peer with how far it
// has come, the exchange whose answers are being counted, and the host's greeting queue. It
// belongs to the network session; the game reads only what the actions copy into it.
#include <array>
#include <string>
#include <vector>

#include "net/chat_seq.h"
#include "net/wire_format.h"

namespace net {

// How far a connection has come. A peer gets moves, chat and the layout only once seated; its
// hello is taken once, and its name only after its hello.
enum class Phase {
    Empty,     // no connection on this socket
    Accepted,  // connected; on the host its hello has been sent or waits
    Greeted,   // its hello has been handled
    Named,     // its name has been handled (on the host: waiting for the player's yes or no)
    Seated,    // it plays: has its seat and the layout (or plays an older program's game)
    Gone,      // it left or broke the protocol; nothing more is taken from it
};

struct PeerState {
    Phase phase = Phase::Empty;
    std::string name;
    int seat = 0;        // host: the opponent seat 1-3 it plays
    i16 awaiting = 0;    // the code of the exchange it has yet to answer (0 none)
    bool moved = false;  // it announced a card play whose close ("WT" or "OK") is to come
    i16 owedClose = 0;   // that close, when only one can be right (0: either)
    // Host, a named joiner: its seat waits until the table may be laid out again (seatDue), and
    // the host player is asked before it sits down (askSeat: others had joined before it).
    bool seatDue = false;
    bool askSeat = false;
};

// What the program is and has, fixed for the session.
struct SessionConfig {
    bool host = false;
    Version version{8, 4, 0};
    std::string playerName;
    // The files of the program folder's Sounds and Icons folders: the only sounds and pictures a
    // peer's chat may name.
    std::vector<std::string> soundFiles;
    std::vector<std::string> iconFiles;
};

struct SessionState {
    SessionConfig config;
    std::array<PeerState, 5> peers{};  // host: sockets 1-4; remote: 0 is the host
    int numSockets = 0;                // host: the highest socket in use
    bool helloBusy = false;            // host: a joiner's hello is unanswered
    int pendingHello = 0;              // host: the joiner greeted when that hello is answered
    bool versionKnown = false;         // the peer's (host: the first joiner's) hello is in
    std::string peerVersion;           // two digits, as the game compares them
    ChatSeq chatSeq;                   // chat and system lines this machine has sent
    int answered = 0;                  // answers counted in the current exchange
    bool sessionUp = false;            // the first connection has been made
    bool netReceived = false;          // a line was handled (the first connection's wait)
    bool oppPeeking = false;
    // Host: the player whose discard has been announced (0 none): until the next play, the
    // player after it may already be playing on its own machine.
    int turnClosing = 0;
    // Remote: the player the host said its game waits for, until the host's next line.
    std::string hostWaitsFor;
    bool ownPlay = false;  // remote: its own card play's close ("WT" or "OK") is still to be sent
};

SessionState NewSession(SessionConfig config);

}  // namespace net
