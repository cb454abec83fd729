#include "tests/support/qt/net_peer.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "engine/net_wait.h"
#include "mainwindow/deal_button.h"
#include "net/wire_format.h"
#include "platform/file_util.h"
#include "tests/support/position_digest.h"

namespace {

std::string Hex(std::uint64_t v) {
    char buf[17];
    std::snprintf(buf, sizeof buf, "%016llx", static_cast<unsigned long long>(v));
    return buf;
}

// How long a machine that signs off lets its last lines go out before it ends.
constexpr int kLetGoMs = 2000;

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

NetPeer::NetPeer(NetPeerSetup setup)
    : setup_(std::move(setup)),
      link_(g, sockets_, sockets_, clock_,
            net::LinkWindow{[this](const net::Action& a) { Carry(a); },
                            [this](int, net::SocketFault fault, const std::string& what, bool) {
                                Failed(fault, what);
                            },
                            // The game's flow runs here from the start to the end: every line
                            // is for its waits.
                            [] { return true; }, "F11"}) {
    sockets_.SetLink(&link_);
    headless_.log.enabled = false;
    records_ = std::make_unique<Turns>(headless_.log, *this);
    sv_ = headless_.services;
    sv_.pauser = nullptr;
    sv_.records = records_.get();
    sv_.turns = &computer_;
    play_ = std::make_unique<NetPlayPort>(g, sv_, computer_, *this);
    play_->turns.enableChatSend = [](bool) {};  // no chat window on this machine
    sv_.net = play_.get();
    play_->turns.replayed = [this] {
        if (!setup_.host && HostNumberOf(g, g.Pturn, true) == 1) Stamp("replayed");
    };
    human_ = std::make_unique<ScriptedPlayer>(g, engine_, [this] { return turnEnds_; });

    quiet_.setSingleShot(true);
    quiet_.setInterval(static_cast<int>(setup_.quietLimit * 1000));
    QObject::connect(&quiet_, &QTimer::timeout, [this] {
        Note("faults", "quiet");
        g.StopFlag = VbTrue;
        sockets_.Wake();
    });

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
}

NetPeer::~NetPeer() {
    sockets_.SetLink(nullptr);
}

void NetPeer::Note(const char* file, const std::string& text) {
    std::ofstream(JoinPath(setup_.folder, file), std::ios::app) << text << "\n";
}

void NetPeer::Stamp(const char* file) {
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                        std::chrono::steady_clock::now().time_since_epoch())
                        .count();
    Note(file, std::to_string(ns));
}

// --- The connection ------------------------------------------------------------------------------

void NetPeer::SendNetAll(int exceptSocket, const std::string& line) {
    // The host's own card play leaves now: the start of its way to every other machine.
    if (setup_.host && g.Pturn == 1 && line.size() > 2 && line.rfind("PC", 0) == 0) Stamp("sent");
    link_.SendNetAll(exceptSocket, line);
}

bool NetPeer::WaitNet(int index) {
    quiet_.start();
    const bool line = link_.WaitNet(index);
    quiet_.stop();
    return line;
}

bool NetPeer::WaitForOpponent() {
    quiet_.start();
    const bool up = link_.WaitForOpponent();
    quiet_.stop();
    return up;
}

void NetPeer::NewSession() {
    net::SessionConfig config;
    config.host = setup_.host;
    config.playerName = setup_.name;
    link_.Begin(config);
    g.IsHost = setup_.host ? 1 : 0;
    g.NetConnected = 99;
    g.NetCode = 0;
    dealShown_ = false;
    g.PeerVersion.clear();  // as the window's clean-up after an Internet game leaves it
}

// What the program's window does with a handled line's actions, as far as the game needs it.
void NetPeer::Carry(const net::Action& a) {
    if (std::holds_alternative<net::act::Layout>(a)) {
        // Seated: the test starting the machines one after the other may start the next.
        std::ofstream(JoinPath(setup_.folder, "joined")) << "seat " << g.NetValue2 << "\n";
    } else if (std::holds_alternative<net::act::TableReset>(a)) {
        engine_.Reset_Table();
    } else if (const auto* ask = std::get_if<net::act::AskJoin>(&a)) {
        link_.JoinAnswer(ask->peer, true);
    } else if (const auto* deal = std::get_if<net::act::DealButton>(&a)) {
        dealShown_ = deal->visible;
    } else if (const auto* label = std::get_if<net::act::Label>(&a)) {
        if (sv_.board) sv_.board->SetMessage(label->index, label->text);
    } else if (const auto* fault = std::get_if<net::act::PeerFault>(&a)) {
        Note("faults", fault->what);
    }
}

void NetPeer::Failed(net::SocketFault, const std::string& what) {
    Note("faults", "socket: " + what);
}

void NetPeer::SignOff() {
    if (link_.Running()) {
        const std::string quit = net::ChatLine(chatSeq_.Next(), g.PlayerName + " Quit!^");
        const std::string go = net::BareLine(net::GO);
        if (setup_.host) {
            link_.SendNetAll(0, quit);
            link_.SendNetAll(0, go);
        } else {
            link_.SendNet(0, quit);
            link_.SendNet(0, go);
        }
    }
    link_.End();
    g.NetConnected = 0;
}

// Runs the event loop until every closed connection has written what was queued on it and is
// gone, for a bounded time.
void NetPeer::LetGo() {
    QEventLoop loop;
    auto settled = [this] {
        for (const QTcpSocket* s : sockets_.findChildren<QTcpSocket*>())
            if (s->state() != QAbstractSocket::UnconnectedState) return false;
        return true;
    };
    if (settled()) return;
    QTimer::singleShot(kLetGoMs, &loop, &QEventLoop::quit);
    for (QTcpSocket* s : sockets_.findChildren<QTcpSocket*>())
        QObject::connect(s, &QAbstractSocket::stateChanged, &loop, [&] {
            if (settled()) loop.quit();
        });
    loop.exec();
}

// --- The game ----------------------------------------------------------------------------------

void NetPeer::TurnEnded() {
    ++turnEnds_;
    // The game's end reaches the records while the winner's side pile is still empty.
    if (result_.empty()) result_ = Outcome();
    Note("digests", std::to_string(turnEnds_) + " " + Hex(PositionDigest(g, !setup_.host)));
    Note("positions", std::to_string(turnEnds_) + " " + PositionText(g, !setup_.host));
}

// Waits until every remote is seated and has answered (host), or until the host's new game
// lets this remote deal.
bool NetPeer::Pump() {
    for (;;) {
        if (setup_.host) {
            int seated = 0;
            bool answered = true;
            for (const auto& p : link_.state()->peers) {
                if (p.phase != net::Phase::Seated) continue;
                ++seated;
                answered = answered && p.awaiting == 0;
            }
            if (seated == setup_.players - 1 && answered) return true;
        } else if (dealShown_ && (g.NetCode == net::GS || g.NetCode == net::RC)) {
            return true;
        }
        if (!WaitNet(0) || g.NetConnected == 0) return false;
    }
}

bool NetPeer::Gather() {
    NewSession();
    net::SocketFault fault{};
    std::string what;
    if (!sockets_.Listen(static_cast<quint16>(setup_.port), &fault, &what,
                         QHostAddress::LocalHost)) {
        Note("faults", "listen: " + what);
        return false;
    }
    if (setup_.port == 0) {
        setup_.port = sockets_.ListeningPort();
        WriteFileAtomically(JoinPath(setup_.folder, "port"), std::to_string(setup_.port) + "\n",
                            nullptr);
    }
    return WaitForOpponent() && Pump();
}

bool NetPeer::Connect() {
    NewSession();
    sockets_.Connect("127.0.0.1", static_cast<quint16>(setup_.port));
    return WaitForOpponent() && Pump();
}

// Joins the host; a host that did not greet this machine (it is not listening yet) is tried
// again until the quiet limit.
bool NetPeer::Join() {
    const auto until = std::chrono::steady_clock::now() +
                       std::chrono::milliseconds(static_cast<int>(setup_.quietLimit * 1000));
    for (;;) {
        if (Connect()) return true;
        if (!g.PeerVersion.empty() || g.StopFlag || std::chrono::steady_clock::now() > until)
            return false;
        sockets_.Sleep(0.05);
    }
}

void NetPeer::RemoteDeal() {
    dealShown_ = false;
    MainWindowState window;
    DragState drag;
    // A machine without a window: no turn to take back, nothing to close, no notices shown.
    DealButtonParts parts{g, engine_, window, drag, nullptr, [] {}, [] {}, [] {}};
    cmdDeal_Click(parts);
}

void NetPeer::PlayOn() {
    while (g.NetConnected != 0 && !g.StopFlag && !NetTurnBroken(g)) {
        if (g.Pturn == 1) {
            const int before = turnEnds_;
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
    const std::string outcome = Play();
    link_.End();
    LetGo();
    return outcome;
}

std::string NetPeer::Play() {
    if (setup_.host) {
        if (!Gather()) return "ended: nobody joined";
        engine_.Game_New();
    } else {
        if (!Join()) return "ended: could not join";
        RemoteDeal();
    }
    PlayOn();
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
