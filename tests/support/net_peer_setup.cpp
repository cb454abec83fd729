#include "tests/support/net_peer_setup.h"

#include <cstdlib>

std::vector<std::string> SetupArgs(const NetPeerSetup& s) {
    return {"host=" + std::to_string(s.host ? 1 : 0),
            "players=" + std::to_string(s.players),
            "seed=" + std::to_string(s.seed),
            "folder=" + s.folder,
            "name=" + s.name,
            "port=" + std::to_string(s.port),
            "quiet=" + std::to_string(s.quietLimit)};
}

std::optional<NetPeerSetup> SetupFromArgs(const std::vector<std::string>& args) {
    NetPeerSetup s;
    for (const std::string& arg : args) {
        const size_t eq = arg.find('=');
        if (eq == std::string::npos) return std::nullopt;
        const std::string key = arg.substr(0, eq), value = arg.substr(eq + 1);
        const int n = std::atoi(value.c_str());
        if (key == "host")
            s.host = n != 0;
        else if (key == "players")
            s.players = n;
        else if (key == "seed")
            s.seed = n;
        else if (key == "folder")
            s.folder = value;
        else if (key == "name")
            s.name = value;
        else if (key == "port")
            s.port = n;
        else if (key == "quiet")
            s.quietLimit = std::atof(value.c_str());
        else
            return std::nullopt;
    }
    return s;
}
