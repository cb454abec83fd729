#pragma once
// A remote played by a test over a raw socket against a host copy of the program: it joins once
// the copy listens and answers as a remote program answers up to the first turn. Not part of
// the program.
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>

#include <chrono>
#include <string>
#include <thread>

#include "tests/support/raw_peer.h"

namespace app_copies {

// A remote played by the test over a raw socket, once the host copy on `port` listens.
inline RawPeer JoinWhenListening(int port) {
    for (int tries = 0; tries < 200; ++tries) {
        RawPeer peer = RawPeer::Connect(port);
        if (peer.connected()) return peer;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return RawPeer::Connect(port);
}

// The raw remote greeted, seated and answering as a remote program answers up to the first
// turn. True when the host goes first.
inline bool JoinAndDeal(RawPeer& peer) {
    EXPECT_TRUE(peer.Hear("IP ^", 10));
    peer.Send("IP ^ 8. 4. 0\nNM Mallory\n");
    EXPECT_TRUE(peer.Hear("LO ", 10)) << peer.heard();
    peer.Send("LO\n");
    for (const char* code : {"GS", "DK", "TR"}) {
        EXPECT_TRUE(peer.Hear(std::string("\n") + code, 20)) << peer.heard();
        peer.Send(std::string(code) + "\n");
    }
    EXPECT_TRUE(peer.Hear("\n", 1));
    // "TR  2": the host's own player (the remote's second) begins.
    return peer.heard().find("\nTR  2") != std::string::npos;
}

// A listening socket on a free port of the loopback address, for a test that plays the host;
// -1 when none could be had.
inline int ListenOnLoopback(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(fd, 8) != 0)
        return -1;
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return fd;
}

// The raw host takes the connection of a copy that joins within `seconds` (a copy starts up,
// signs in and fills its connection dialog first).
inline RawPeer AcceptWithin(int listenFd, double seconds) {
    pollfd p{listenFd, POLLIN, 0};
    poll(&p, 1, static_cast<int>(seconds * 1000));
    return RawPeer::Accept(listenFd);
}

}  // namespace app_copies
