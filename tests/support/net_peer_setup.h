#pragma once
// What one machine of a game between test processes is told: its place (host or remote), the
// game, its folder, the host's port and the faults it is to show. The table hands it to the
// machine's program as its arguments. Not part of the program.
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
    // A wait that hears nothing for this long gives up (the test then reports a hang).
    double quietLimit = 20;
    // Faults: after this many turn ends this machine's window is closed while another player
    // is on turn (the sign-off goes to the peers), 0 never.
    int closeWindowAfter = 0;
    // Turns ends after which the host saves the game, leaves, and resumes it once the remotes
    // have joined again (0 never).
    int saveAfter = 0;
    // The scripted player now and then moves a card within its hand before playing.
    bool handMoves = true;
};

// The setup as "key=value" arguments, and back; nothing when an argument is not one of them.
std::vector<std::string> SetupArgs(const NetPeerSetup& setup);
std::optional<NetPeerSetup> SetupFromArgs(const std::vector<std::string>& args);
