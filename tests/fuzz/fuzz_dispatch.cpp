// The host's and a remote's dispatch from every state of the peers: any lines, no crash; a
// refused line changes no card of the game, and after every accepted line every card of the
// game is in exactly one place.
#include <vector>

#include "fuzz_support.h"
#include "net/apply_to_game.h"
#include "net/dispatch.h"

namespace {

// Brings the session to a peer state by the lines a well-behaved peer sends.
void Script(net::SessionState& s, Game& g, bool host, int players, int stage) {
    auto take = [&](net::Outcome o) {
        s = std::move(o.state);
        for (const auto& a : o.actions) net::ApplyToGame(g, a);
    };
    if (host) {
        for (int socket = 1; socket < players && stage > 0; ++socket) {
            take(net::Accepted(s, g, socket));
            if (stage > 1) take(net::Dispatch(s, g, socket, "IP ^ 8. 4. 0"));
            if (stage > 2) take(net::Dispatch(s, g, socket, "NM Peer" + std::to_string(socket)));
            if (stage > 2 && s.peers[static_cast<size_t>(socket)].phase == net::Phase::Named)
                take(net::JoinAnswered(s, g, socket, true));
        }
        return;
    }
    take(net::Connecting(s));
    if (stage > 1) take(net::Dispatch(s, g, 0, "IP ^ 8. 4. 0^ 1"));
    if (stage > 2) take(net::Dispatch(s, g, 0, "NM Host"));
    if (stage > 3)
        take(net::Dispatch(s, g, 0,
                           players == 2   ? "LO  2  1|"
                           : players == 3 ? "LO  3  1|A|B|"
                                          : "LO  4  1|A|B|C|"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const bool host = data[0] & 1;
    const int players = 2 + (data[0] >> 1) % 3;
    const int stage = (data[0] >> 3) % 5;
    Game g;
    fuzz::Deal(g, players, players == 2 ? 3 : 4);
    g.NetConnected = 99;
    g.IsHost = host ? 1 : 0;
    g.Pturn = static_cast<i16>(1 + data[1] % players);
    net::SessionConfig config;
    config.host = host;
    config.playerName = "Me";
    config.soundFiles = {"ding.wav"};
    config.iconFiles = {"smile.gif"};
    net::SessionState s = net::NewSession(config);
    s.sessionUp = stage == 4;
    Script(s, g, host, players, stage);
    if (!CheckConservation(g).empty()) return 0;  // the script itself re-laid the table

    const std::string_view rest = fuzz::Text(data + 2, size - 2);
    std::size_t at = 0;
    for (int n = 0; at <= rest.size() && n < 64; ++n) {
        std::size_t end = rest.find('\n', at);
        if (end == std::string_view::npos) end = rest.size();
        const std::string_view line = rest.substr(at, end - at);
        at = end + 1;
        const int peer = host ? 1 + n % 3 : 0;
        const Game before = g;
        net::Outcome out = net::Dispatch(s, g, peer, line);
        s = std::move(out.state);
        bool refused = false, relaid = false;
        for (const auto& a : out.actions) {
            refused = refused || std::holds_alternative<net::act::PeerFault>(a);
            relaid = relaid || std::holds_alternative<net::act::Layout>(a) ||
                     std::holds_alternative<net::act::OlderPeerGame>(a) ||
                     std::holds_alternative<net::act::TableReset>(a);
            net::ApplyToGame(g, a);
        }
        if (refused && !fuzz::SamePosition(before, g))
            fuzz::Fail("a refused line changed the game");
        if (relaid) return 0;  // the window resets the table: nothing more to compare
        if (!refused && !CheckConservation(g).empty())
            fuzz::Fail("an accepted line lost a card: " + CheckConservation(g));
    }
    return 0;
}
