#include "tests/support/net_peer.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "engine/net_wait.h"
#include "engine/snapshot_codec.h"
#include "mainwindow/deal_button.h"
#include "net/apply_to_game.h"
#include "net/net_resume.h"
#include "net/peer_deck.h"
#include "net/wire_format.h"
#include "platform/file_util.h"
#include "tests/support/position_digest.h"

namespace {

using Steady = std::chrono::steady_clock;

double SecondsSince(Steady::time_point t) {
    return std::chrono::duration<double>(Steady::now() - t).count();
}

std::string Hex(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

}  // namespace

// Every turn end and the game's end reach the records as the turn's statistics: the digest of
// the position is written there, before the turn passes on.
class NetPeer::Turns : public RecordingRecords {
  public:
    Turns(CallLog& log, NetPeer& peer) : RecordingRecords(log), peer_(peer) {}
    void StatsCk(int, int) override { peer_.TurnEnded(); }

  private:
    NetPeer& peer_;
};

NetPeer::NetPeer(NetPeerSetup setup) : setup_(std::move(setup)) {
    headless_.log.enabled = false;
    records_ = std::make_unique<Turns>(headless_.log, *this);
    sv_ = headless_.services;
    sv_.pauser = nullptr;
    sv_.records = records_.get();
    sv_.turns = &computer_;
    play_ = std::make_unique<NetPlayPort>(g, sv_, computer_, *this);
    sv_.net = play_.get();
    play_->turns.replayed = [this] {
        if (!setup_.host && HostNumberOf(g, g.Pturn, true) == 1) Stamp("replayed");
    };
    human_ = std::make_unique<ScriptedPlayer>(g, engine_, [this] { return turnEnds_; });

    g.AppFolder = setup_.folder;
    g.PlayerName = setup_.name;
    g.SoundMode = 2;
    g.MovePause = 0;
    g.NumPlayers = static_cast<i16>(setup_.players);
    g.NumCenters = 4;
    g.NumCards = static_cast<i16>(52 * setup_.players);
    g.Rng.Rnd(-1);
    g.Rng.Randomize(setup_.seed);
    g.CosmeticRng.Rnd(-1);
    g.CosmeticRng.Randomize(setup_.seed);
    digestLog_ = JoinPath(setup_.folder, "digests");
    trace_ = std::getenv("QUORVANE_NET_TRACE") != nullptr;
    if (setup_.host) link_ = TcpLink::Host(setup_.listenFd);
}

NetPeer::~NetPeer() = default;

void NetPeer::NewSession() {
    net::SessionConfig config;
    config.host = setup_.host;
    config.playerName = setup_.name;
    session_ = std::make_unique<net::NetSession>(config);
    g.IsHost = setup_.host ? 1 : 0;
    g.NetConnected = 99;
    g.NetCode = 0;
    dealShown_ = false;
}

// --- The connection ------------------------------------------------------------------------------

void NetPeer::Trace(const char* dir, int peer, const std::string& text) {
    if (!trace_) return;
    std::ofstream(JoinPath(setup_.folder, "wire"), std::ios::app)
        << dir << peer << " " << text << (text.empty() || text.back() != '\n' ? "\n" : "");
}

void NetPeer::SendNet(int socket, const std::string& line) {
    const int peer = setup_.host ? socket : 0;
    Trace(">", peer, line);
    session_->Sent(false, peer, line);
    link_.Send(peer, line + "\n");
}

void NetPeer::Stamp(const char* file) {
    const auto ns =
        std::chrono::duration_cast<std::chrono::nanoseconds>(Steady::now().time_since_epoch())
            .count();
    std::ofstream(JoinPath(setup_.folder, file), std::ios::app) << ns << "\n";
}

void NetPeer::SendNetAll(int exceptSocket, const std::string& line) {
    // The host's own card play leaves now: the start of its way to every other machine.
    if (setup_.host && g.Pturn == 1 && line.size() > 2 && line.rfind("PC", 0) == 0) Stamp("sent");
    session_->Sent(true, exceptSocket, line);
    Trace(">*", exceptSocket, line);
    for (int i = 1; i <= 4; ++i)
        if (i != exceptSocket &&
            session_->state().peers[static_cast<size_t>(i)].phase == net::Phase::Seated)
            link_.Send(i, line + "\n");
}

bool NetPeer::WaitNet(int) {
    const auto start = Steady::now();
    for (;;) {
        if (g.StopFlag) return false;
        if (setup_.closeWindowAfter != 0 && turnEnds_ >= setup_.closeWindowAfter && g.Pturn >= 2) {
            // The player closes the window while another is on turn.
            SignOff();
            g.StopFlag = VbTrue;
            return false;
        }
        if (auto actions = session_->Next(g)) {
            Carry(*actions);
            return true;
        }
        if (SecondsSince(start) > setup_.quietLimit) return false;
        const TcpLink::Event ev = link_.Next(0.25);
        switch (ev.kind) {
            case TcpLink::Event::Bytes:
                Trace("<", ev.peer, ev.bytes);
                if (!session_->Received(ev.peer, ev.bytes)) {
                    Carry(session_->Broke(g, ev.peer));
                    return true;
                }
                break;
            case TcpLink::Event::Accepted:
                Trace("+", ev.peer, "");
                Carry(session_->Accept(g, ev.peer));
                return true;
            case TcpLink::Event::Lost:
                Trace("-", ev.peer, "");
                Carry(session_->Lost(g, ev.peer));
                return true;
            case TcpLink::Event::Timeout:
                break;
        }
    }
}

void NetPeer::EndNetGame() {
    for (int i = 0; i <= 4; ++i) link_.Close(i);
    g.NetConnected = 0;
}

bool NetPeer::TakeDeal(Game& game) {
    net::Fault fault;
    return net::TakeDealFromPeer(game, fault);
}

bool NetPeer::TakeReshuffle(Game& game) {
    net::Fault fault;
    return net::TakeReshuffleFromPeer(game, fault);
}

// --- The window's side of the protocol's actions
// ---------------------------------------------------

void NetPeer::Carry(const std::vector<net::Action>& actions) {
    for (const auto& a : actions) Carry(a);
}

void NetPeer::Carry(const net::Action& a) {
    if (net::ApplyToGame(g, a)) return;
    if (std::get_if<net::act::Layout>(&a)) {
        // Seated: the test starting the machines one after the other may start the next.
        std::ofstream(JoinPath(setup_.folder, "joined")) << "seat " << g.NetValue2 << "\n";
    }
    if (const auto* s = std::get_if<net::act::Send>(&a)) {
        Trace(">", s->peer, s->line);
        link_.Send(s->peer, s->line + "\n");
    } else if (const auto* all = std::get_if<net::act::SendAll>(&a)) {
        Trace(">*", all->except, all->line);
        for (int i = 1; i <= 4; ++i)
            if (i != all->except &&
                session_->state().peers[static_cast<size_t>(i)].phase == net::Phase::Seated)
                link_.Send(i, all->line + "\n");
    } else if (const auto* c = std::get_if<net::act::Close>(&a)) {
        link_.Close(c->peer);
    } else if (std::get_if<net::act::Restore>(&a)) {
        std::ofstream(digestLog_, std::ios::app)
            << "resumed " << Hex(PositionDigest(g, !setup_.host)) << "\n";
    } else if (std::get_if<net::act::TableReset>(&a)) {
        engine_.Reset_Table();
    } else if (std::get_if<net::act::EndInternetGame>(&a)) {
        EndNetGame();
    } else if (const auto* ask = std::get_if<net::act::AskJoin>(&a)) {
        Carry(session_->JoinAnswer(g, ask->peer, true));
    } else if (const auto* deal = std::get_if<net::act::DealButton>(&a)) {
        dealShown_ = deal->visible;
    } else if (const auto* label = std::get_if<net::act::Label>(&a)) {
        if (sv_.board) sv_.board->SetMessage(label->index, label->text);
    } else if (const auto* fault = std::get_if<net::act::PeerFault>(&a)) {
        std::ofstream(JoinPath(setup_.folder, "faults"), std::ios::app) << fault->what << "\n";
    }
}

// --- The game ----------------------------------------------------------------------------------

void NetPeer::TurnEnded() {
    ++turnEnds_;
    // The game's end reaches the records while the winner's side pile is still empty.
    if (result_.empty()) result_ = Outcome();
    std::ofstream(digestLog_, std::ios::app)
        << turnEnds_ << " " << Hex(PositionDigest(g, !setup_.host)) << "\n";
    std::ofstream(JoinPath(setup_.folder, "positions"), std::ios::app)
        << turnEnds_ << " " << PositionText(g, !setup_.host) << "\n";
}

bool NetPeer::Pump(double seconds) {
    const auto start = Steady::now();
    while (SecondsSince(start) < seconds) {
        if (!WaitNet(0) || g.NetConnected == 0) return false;
        if (setup_.host) {
            int seated = 0;
            bool answered = true;
            for (const auto& p : session_->state().peers) {
                if (p.phase != net::Phase::Seated) continue;
                ++seated;
                answered = answered && p.awaiting == 0;
            }
            if (seated == setup_.players - 1 && answered) return true;
        } else if (dealShown_ && (g.NetCode == net::GS || g.NetCode == net::RC)) {
            return true;
        }
    }
    return false;
}

bool NetPeer::Gather() {
    NewSession();
    return Pump(setup_.quietLimit);
}

bool NetPeer::Join() {
    NewSession();
    link_ = TcpLink();
    if (!link_.Connect(setup_.port, setup_.quietLimit)) return false;
    Carry(session_->Connect());
    return Pump(setup_.quietLimit);
}

void NetPeer::RemoteDeal() {
    dealShown_ = false;
    MainWindowState window;
    DragState drag;
    DealButtonParts parts{g, engine_, window, drag, nullptr, {}, {}, {}};
    cmdDeal_Click(parts);
}

// The scripted player moves a card within its hand now and then, as a person tidying up.
void NetPeer::HandMove() {
    if (!setup_.handMoves || turnEnds_ % 3 != 0 || g.NumberCards) return;
    const i16 from = 2, to = 5;
    if (g.HumanCards[kRank][from] == 0 || g.HumanCards[kRank][to] == 0) return;
    engine_.Hand_Sort(g.HumanCards, PileRow::Human, from, to);
    play_->turns.Move_Transmit(from, to + 10);
}

void NetPeer::PlayOn() {
    while (g.NetConnected != 0 && !g.StopFlag && !NetTurnBroken(g)) {
        if (g.Pturn == 1) {
            if (setup_.host && setup_.saveAfter != 0 && !saved_ && turnEnds_ >= setup_.saveAfter) {
                if (!Resume()) return;
                continue;
            }
            const int before = turnEnds_;
            HandMove();
            if (NetTurnBroken(g)) return;
            human_->PlayTurn();
            if (g.Pturn == 1 && turnEnds_ == before && !NetTurnBroken(g)) return;  // stuck
        } else if (g.Pturn >= 2) {
            const int before = turnEnds_;
            computer_.ComputerTurn();
            if (g.Pturn >= 2 && turnEnds_ == before) return;
        } else {
            return;  // the game is over
        }
    }
}

// The host saves the game, leaves, gathers the remotes again and gives them the saved game.
bool NetPeer::Resume() {
    GameStateRecord record;
    GameToRecord(g, record);
    saved_ = record;
    std::ofstream(digestLog_, std::ios::app)
        << "saved " << Hex(PositionDigest(g, !setup_.host)) << "\n";
    SignOff();
    if (!Gather()) return false;
    RecordToState(*saved_, g);
    g.WorkingOpp = 0;
    ChatSeq seq;
    std::ofstream(digestLog_, std::ios::app)
        << "resumed " << Hex(PositionDigest(g, !setup_.host)) << "\n";
    return SendRecover(g, sv_, seq, ResumeNote{});
}

void NetPeer::SignOff() {
    const std::string quit = net::ChatLine(1, g.PlayerName + " Quit!^") + "\n" + "GO\n";
    for (int i = setup_.host ? 1 : 0; i <= (setup_.host ? 4 : 0); ++i) {
        link_.Send(i, quit);
        link_.Close(i);
    }
}

std::string NetPeer::Outcome() const {
    int winner = 0, margin = 0;
    for (int local = 1; local <= g.NumPlayers; ++local) {
        const i16 side = local == 1 ? g.HumanSideCount
                                    : (g.WorkingOpp == local - 1
                                           ? g.CurSideCount
                                           : g.Opp[static_cast<size_t>(local - 1)].SideCount);
        if (side == 0)
            winner = HostNumberOf(g, local, !setup_.host);
        else
            margin += side;
    }
    if (winner == 0) return "";
    return "won " + std::to_string(winner) + " margin " + std::to_string(margin);
}

std::string NetPeer::Run() {
    if (setup_.host) {
        if (!Gather()) return "ended: nobody joined";
        engine_.Game_New();
    } else {
        if (!Join()) return "ended: could not join";
        RemoteDeal();
    }
    PlayOn();
    if (!setup_.host && setup_.saveAfter != 0 && g.NetConnected == 0 && !g.StopFlag) {
        // The host left to resume the game: join again and take it.
        if (!Join()) return "ended: could not join again";
        RemoteDeal();
        PlayOn();
    }
    const std::string outcome = result_.empty() ? "ended" : result_;
    if (setup_.host) SignOff();
    // A remote stays until the host signs off, so that the host's last lines are all read.
    while (!setup_.host && g.NetConnected != 0 && !g.StopFlag && WaitNet(0)) {
    }
    return outcome;
}

int RunPeerProcess(const NetPeerSetup& setup) {
    NetPeer peer(setup);
    const std::string outcome = peer.Run();
    std::ofstream(JoinPath(setup.folder, "outcome")) << outcome << "\n";
    return outcome.rfind("won", 0) == 0 ? 0 : 1;
}
