#include "net/host_rules.h"

namespace {

constexpr int kWaitingForPeers = 99;

}  // namespace

bool HostRules::OldPeer() const {
    return !g_.PeerVersion.empty() && g_.PeerVersion <= "74";
}

void HostRules::SelectCenters(int index) {
    centersOption_ = index;
    newCenters_ = index == 1 ? 4 : 3;
}

void HostRules::Open() {
    playersOption_ = g_.NumPlayers - 2;
    centersShown_ = g_.NumPlayers == 2;
    if (centersShown_) {
        fourCentersEnabled_ = !OldPeer();
        SelectCenters(g_.NumCenters != 3 ? 1 : 0);
    }
    doneEnabled_ = false;
}

void HostRules::CentersClicked(int index) {
    SelectCenters(index);
    doneEnabled_ = true;
}

void HostRules::PlayersClicked(int index) {
    if (index < 0 || index > 2) return;
    if (OldPeer() && index != 0) {
        dialogs_.MsgBox(
            "You cannot have multiple players while playing with this opponent. They are using "
            "an old version of the game.",
            mb::OkOnly | mb::Critical, "STOP!");
        playersOption_ = 0;
        return;
    }
    // The humans connected (none while the game still waits for them) each need a seat.
    const int humans = g_.NetConnected == kWaitingForPeers ? 0 : g_.NetConnected;
    if (index + 1 < humans) {
        dialogs_.MsgBox(
            "You have too many humans connected. Ask a player to leave if you want to change the "
            "layout to use less players.",
            mb::OkOnly, "Quorvane");
        playersOption_ = g_.NumPlayers - 2;
        return;
    }
    playersOption_ = index;
    doneEnabled_ = true;
    if (index > 0) {
        newPlayers_ = index + 2;
        SelectCenters(1);
        centersShown_ = false;
        return;
    }
    newPlayers_ = 2;
    centersShown_ = true;
    if (g_.NumPlayers != 2 || g_.NumCenters == 3) SelectCenters(0);
}

void HostRules::RulesClosed(bool rulesChanged) {
    if (rulesChanged) doneEnabled_ = true;
    // The rules dialog only knows the table in play: three centers it kept or chose stand only
    // for a two-player game, as more players need four (a deal refuses them otherwise).
    const int players = newPlayers_ != 0 ? newPlayers_ : g_.NumPlayers;
    SelectCenters(players == 2 && g_.NumCenters == 3 ? 0 : 1);
}

void HostRules::Done() {
    if (newPlayers_ == g_.NumPlayers && newCenters_ == g_.NumCenters) cancelled_ = true;
    if (!cancelled_ && faceDeck_ >= 6 && newPlayers_ == 2 && g_.NumPlayers != 2)
        for (int opp : {2, 3}) {
            g_.Opp[opp].Cards = {};
            g_.Opp[opp].Hold = {};
        }
    if (newCenters_ != 0) g_.NumCenters = static_cast<i16>(newCenters_);
    if (newPlayers_ != 0) g_.NumPlayers = static_cast<i16>(newPlayers_);
}
