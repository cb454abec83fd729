#pragma once
// What one machine of the latency benchmark's games between processes is told: its place (host
// or remote), the game, its folder and the host's port. The table hands it to the machine's
// program as its arguments. Not part of the program.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct NetPeerSetup {
    bool host = false;
    int players = 2;
    std::int32_t seed = 1;  // the host's deal
    std::string folder;     // this machine's own program folder
    std::string name = "Player";
    int port = 0;  // remote: the host's port (the host listens on a free one and writes it down)
    // A wait that hears nothing for this long gives up (the benchmark then reports a hang).
    double quietLimit = 20;
};

// The setup as "key=value" arguments, and back; nothing when an argument is not one of them.
std::vector<std::string> SetupArgs(const NetPeerSetup& setup);
std::optional<NetPeerSetup> SetupFromArgs(const std::vector<std::string>& args);
