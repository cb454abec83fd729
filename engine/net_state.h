#pragma once
// What the game flow reads of an Internet game's messages: the code of the last message handled,
// the answers counted, this remote's seat, the peer's version and the payload being read.
#include <string>

#include "platform/vb_types.h"

// The message codes by their place in the protocol's table; NetCode holds the code of the last
// message handled (0 none), and 16 once a layout has been applied during the set-up.
namespace net {
constexpr i16 IP = 1, NM = 2, GS = 3, DK = 4, TR = 5, GO = 6, PC = 7, WT = 8, OK = 9, SY = 10,
              PK = 11, RC = 12, RS = 13, LO = 14, EG = 15, kLayoutApplied = 16;
}

struct NetState {
    i16 NetCode = 0;
    i16 NetAnswers = 0;
    i16 NetValue2 = 0;        // this remote's seat (1-3) at the host
    std::string PeerVersion;  // two digits, compared as text
    std::string RecoverText;  // the "#"-separated payload of the last DK (or RC)
    i16 RecoverPos = 0;
    std::string HostPlayerName;
    // The player whose card play the replay of a turn is waiting for (0 none): only then is a
    // play of that player's taken from the connection, however early it arrived.
    i16 AwaitingMoveOf = 0;
    float SavedPause = 0;  // the computer's pause kept while an Internet game plays faster
    // Counts the tables laid: a new deal asked for or announced, a game given again, a new
    // layout, an end. A turn or wait begun on one table is over once another has been laid,
    // whatever lines of the new one a command run meanwhile has handled.
    int NetTable = 0;
};
