// The deal's and the reshuffle's side of an Internet game: waiting for the peers, and writing the
// stock as the deck message carries it. A remote takes the host's deck through the network port,
// which checks every card before anything changes.
#include "engine/engine.h"
#include "engine/net_wait.h"
#include "platform/vb_strings.h"

bool Engine::WaitFor(int index, const std::function<bool()>& done,
                     std::initializer_list<i16> giveUpCodes) {
    const NetTableWatch table(g);
    for (;;) {
        // The lines now queued belong to the table laid during this wait.
        if (table.Gone()) return false;
        if (done()) return true;
        if (g.NetConnected == 0 || g.StopFlag) {
            if (g.NetConnected == 0) g.NetCode = net::GO;
            return false;
        }
        if (g.NetCode == net::GO || g.NetCode == net::EG) return false;
        for (i16 code : giveUpCodes)
            if (g.NetCode == code) return false;
        if (!sv.net || !sv.net->WaitNet(index)) {
            if (table.Gone()) return false;
            g.NetCode = net::GO;
            return false;
        }
    }
}

void Engine::PeerSentBadData(const std::string& what) {
    if (sv.dialogs)
        sv.dialogs->MsgBox("The " + what +
                               " sent by the other player could not be used.\nThe Internet game "
                               "has been ended; nothing of your game was changed.",
                           mb::Exclamation, "Quorvane Online");
    g.NetCode = net::GO;
    g.ComputerBusy = VbFalse;
    if (sv.net) sv.net->EndNetGame();
}

std::string Engine::DeckPayload() const {
    std::string out;
    if (g.PeerVersion <= "74")
        for (int i = 1; i <= g.NumCards; ++i) out += Str(g.Deck[kRank][i]) + "#";
    if (g.PeerVersion != "40") {
        for (int i = 1; i <= g.NumCards; ++i) out += Str(g.Deck[kId][i]) + "#";
        for (i16 v : {g.SidePileSize, g.ForcedCards, g.NoWildAce, g.ShuffleSeparately})
            out += Str(v) + "#";
    }
    return out;
}

std::string Engine::StockPayload() const {
    std::string out;
    const bool idsOnly = g.PeerVersion > "74";
    if (!idsOnly)
        for (int i = 1; i <= g.StockCount; ++i) out += Str(g.Deck[kRank][i]) + "#";
    if (idsOnly || g.PeerVersion != "40")
        for (int i = 1; i <= g.StockCount; ++i) out += Str(g.Deck[kId][i]) + "#";
    return out;
}
