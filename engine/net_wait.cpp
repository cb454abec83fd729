#include "engine/net_wait.h"

bool NetTurnBroken(const Game& g) {
    if (g.NetConnected == 0 || g.StopFlag) return true;
    for (i16 code : {net::GO, net::EG, net::GS, net::LO})
        if (g.NetCode == code) return true;
    return false;
}

bool WaitNetUntil(Game& g, NetPort* net, const std::function<bool()>& done) {
    const NetTableWatch table(g);
    for (;;) {
        const bool heard = net && net->WaitNet(0);
        if (table.Gone()) return false;
        if (!heard) {
            if (g.NetCode != net::EG) g.NetCode = net::GO;
            return false;
        }
        if (NetTurnBroken(g)) return false;
        if (done()) return true;
    }
}
