#include "net/net_resume.h"

#include <vector>

#include "engine/engine.h"
#include "engine/net_wait.h"
#include "net/recover.h"
#include "net/wire_format.h"

namespace {

// The host's waits for the remotes' answers: they end when every remote has answered `code`, or
// when the remotes or the window went away (false).
bool WaitForAnswers(Game& g, const Services& sv, i16 code) {
    const NetTableWatch table(g);
    while (!(g.NetCode == code && g.NetAnswers >= g.NumPlayers)) {
        if (g.NetConnected == 0 || g.StopFlag || g.NetCode == net::GO || g.NetCode == net::EG)
            return false;
        const bool heard = sv.net->WaitNet(0);
        // A command run during the wait gave another game or ended this one.
        if (table.Gone()) return false;
        if (!heard) {
            g.NetCode = net::GO;
            return false;
        }
    }
    return true;
}

void SendLayoutToSeats(Game& g, const Services& sv) {
    std::vector<std::string> names;
    for (int k = 1; k < g.NumPlayers; ++k) names.push_back(g.Opp[static_cast<size_t>(k)].Name);
    g.NetAnswers = 1;
    for (int i = 1; i <= 4; ++i) {
        const NetSeat& seat = g.NetSeats[static_cast<size_t>(i)];
        if (seat.Kind == 0) continue;
        sv.net->SendNet(seat.Socket, net::LayoutLine(g.NumPlayers, g.NumCenters, seat.Seat, names));
    }
}

void Say(const Services& sv, int label, const std::string& text) {
    if (sv.board) sv.board->SetMessage(label, text);
}

void ShowResumedTable(Game& g, const Services& sv) {
    g.NetResume = 0;
    if (sv.window) sv.window->ShowSideStack(true);
    if (sv.board) sv.board->DrawTable();
}

// Play goes on: the machines of the players on turn before this one replay their turns first.
// Their hands are as the game was saved: nobody's hand is refilled at the start of the turn
// that the game was saved in.
void ContinueFromTurn(Game& g, const Services& sv) {
    if (sv.window) sv.window->ShowTurnMarker(g.Pturn);
    if (g.Pturn >= 2) {
        g.NewDeal = 1;
        g.NoMissCheck = 0;
        if (sv.turns) sv.turns->ComputerTurn();
        return;
    }
    g.NoMissCheck = 1;
    g.NewDeal = 0;
    if (sv.board) sv.board->EnableHumanPiles(true, 1, 10);
}

}  // namespace

std::string ResumeNoteText(const ResumeNote& note, const std::string& peerVersion) {
    std::string text;
    if (note.restarted)
        text = "BRIVO: Host has restarted this game.";
    else if (note.secure)
        text = "BRIVO: This is a secure saved game, saved as: " + note.title;
    else
        text = "BRIVO: This is NOT a secure saved game.";
    return peerVersion >= "74" ? "$-" + text : text;
}

bool SendRecover(Game& g, const Services& sv, ChatSeq& seq, const ResumeNote& note) {
    if (!sv.net || g.NetConnected == 0) return false;
    ++g.NetTable;  // the game on the table is given anew
    sv.net->SendNetAll(0, net::ChatLine(seq.Next(), ResumeNoteText(note, g.PeerVersion)));
    if (g.PeerVersion > "74") {
        SendLayoutToSeats(g, sv);
        if (!WaitForAnswers(g, sv, net::LO)) return false;
    }
    const std::string payload = net::RecoverText(g, g.PeerVersion);
    g.NetAnswers = 1;
    sv.net->SendNetAll(0, "RC " + payload);
    Say(sv, 0, "WAITING for Opponent");
    if (!WaitForAnswers(g, sv, net::RC)) {
        Say(sv, 0, "");
        return false;
    }
    sv.net->SendNetAll(0, "RS");
    ShowResumedTable(g, sv);
    Say(sv, 0, "");
    ContinueFromTurn(g, sv);
    return true;
}
