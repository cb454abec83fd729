// Whom a wait is held up by: only a peer whose program owes a line it sends by itself, named as
// the table names that player.
#include "net/quiet_peer.h"

#include <gtest/gtest.h>

using namespace net;

TEST(QuietPeer, TheWaitNamesThePeerWhoseProgramOwesTheLine) {
    struct Case {
        bool host;
        i16 awaiting;  // what peer 2 (the host, on a remote: peer 0) has yet to answer
        bool moved;    // it announced a play whose close is to come
        i16 pturn;
        int peer;  // the peer named; -1 none
        const char* told;
    } cases[] = {
        {true, PC, false, 1, 2, "Waiting for Bobby..."},  // the answer to the host's play
        {true, TR, false, 1, 2, "Waiting for Bobby..."},
        {true, 0, true, 3, 2, "Waiting for Bobby..."},  // the close of his own play
        {true, 0, true, 2, -1, ""},                     // a close from a player not on turn
        {true, GS, false, 1, -1, ""},                   // his player has yet to press Deal
        {true, DK, false, 1, -1, ""},
        {true, 0, false, 3, -1, ""},                      // his player has yet to move
        {false, WT, false, 1, 0, "Waiting for Hana..."},  // the host's answer to this player
        {false, 0, true, 3, 0, "Waiting for Cleo..."},    // a close the host passes on
        {false, 0, false, 2, -1, ""},
    };
    for (const auto& c : cases) {
        SessionState s;
        s.config.host = c.host;
        Game g;
        g.NumPlayers = 3;
        g.Pturn = c.pturn;
        g.Opp[1].Name = "Ann";
        g.Opp[2].Name = c.host ? "Bobby" : "Cleo";
        PeerState& p = s.peers[c.host ? 2 : 0];
        p = {Phase::Seated, c.host ? "Bob" : "Hana", 2, c.awaiting, c.moved, 0};
        const int peer = AwaitedPeer(s, g);
        EXPECT_EQ(peer, c.peer) << c.host << " " << c.awaiting << " " << c.moved;
        if (peer < 0) continue;
        EXPECT_EQ(QuietNotice(s, g, peer, "F11"),
                  std::string(c.told) + "\nEND Internet Game (F11) ends this game.");
    }
}
