#include "net/apply_to_game.h"

#include "engine/cards.h"
#include "engine/snapshot_codec.h"

namespace net {

namespace {

struct Applier {
    Game& g;
    bool operator()(const act::Code& a) { return g.NetCode = a.code, true; }
    bool operator()(const act::Answers& a) { return g.NetAnswers = a.count, true; }
    bool operator()(const act::MoveIn& a) {
        g.MoveFrom = a.from;
        g.MoveTo = a.to;
        return true;
    }
    bool operator()(const act::FirstPlayer& a) { return g.Pturn = a.pturn, true; }
    bool operator()(const act::DeckIn& a) { return g.RecoverText = a.payload, true; }
    bool operator()(const act::PeerVersionIs& a) {
        g.PeerVersion = a.digits;
        if (a.numberCards) g.NumberCards = VbTrue;
        return true;
    }
    bool operator()(const act::HelloSeat& a) { return g.NetValue2 = a.socket, true; }
    bool operator()(const act::Connected& a) { return g.NetConnected = a.count, true; }
    bool operator()(const act::OlderPeerGame& a) {
        g.NumPlayers = 2;
        g.NumCenters = 3;
        g.NumCards = 104;
        if (a.houseRules) {
            g.SidePileSize = 19;
            g.ForcedCards = 0;
            g.NoWildAce = VbFalse;
        }
        return false;
    }
    bool operator()(const act::OpponentName& a) {
        if (a.opp >= 1 && a.opp <= 3) g.Opp[static_cast<size_t>(a.opp)].Name = a.name;
        return true;
    }
    bool operator()(const act::HostName& a) { return g.HostPlayerName = a.name, true; }
    bool operator()(const act::Seats& a) { return g.NetSeats = a.seats, true; }
    bool operator()(const act::Layout& a) {
        g.PrevPlayers = g.NumPlayers;
        g.PrevCenters = g.NumCenters;
        g.NumPlayers = static_cast<i16>(a.players);
        g.NumCenters = static_cast<i16>(a.centers);
        g.NumCards = static_cast<i16>(52 * a.players);
        g.NetValue2 = static_cast<i16>(a.seat);
        return false;
    }
    bool operator()(const act::Restore& a) {
        g.PrevPlayers = g.NumPlayers;
        g.PrevCenters = g.NumCenters;
        RecordToState(a.position, g);
        // A restored game is on the table: its side piles are drawn face up from now on.
        g.GameStarted = VbTrue;
        g.WorkingOpp = 0;
        g.NetResume = 1;
        ++g.NetTable;
        return false;
    }
    bool operator()(const act::EndInternetGame&) {
        g.NetConnected = 0;
        return false;
    }
    template <typename Other>
    bool operator()(const Other&) {
        return false;
    }
};

}  // namespace

bool ApplyToGame(Game& g, const Action& a) {
    return std::visit(Applier{g}, a);
}

}  // namespace net
