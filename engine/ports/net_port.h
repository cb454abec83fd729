#pragma once
// The Internet game's connection as the game's logic sees it: lines out, and waits for answers.
#include <string>

class NetPort {
public:
    virtual ~NetPort() = default;
    // Sends one protocol line (without its line feed) to the peer on `socket`.
    virtual void SendNet(int socket, const std::string& line) = 0;
    // Sends from the host to every peer but the one on `exceptSocket` (0: all).
    virtual void SendNetAll(int exceptSocket, const std::string& line) = 0;
};
