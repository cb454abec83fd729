#pragma once
// One machine of an Internet game run by calls, for the latency benchmark: the game, the
// engine, the turn replay and the program's own connection (its link over its sockets, on the
// loopback address), with the scripted player in the human's seat. What the program's window
// does with the link's actions is done headless: the game's state is applied by the link, the
// rest is noted. After every turn and at the game's end the whole position's digest is written
// to the machine's folder, so that the machines of one game can be compared. Not part of the
// program.
#include <QTimer>
#include <memory>
#include <string>

#include "computer/computer_player.h"
#include "engine/engine.h"
#include "net/chat_seq.h"
#include "net/net_link.h"
#include "net/net_play_port.h"
#include "net/qt/net_sockets.h"
#include "tests/support/headless_services.h"
#include "tests/support/net_peer_setup.h"
#include "tests/support/scripted_player.h"

// The link as the game's flow uses it, with the host's own plays stamped for the benchmark and
// every wait bounded by the quiet limit.
class NetPeer : public NetPort {
  public:
    explicit NetPeer(NetPeerSetup setup);
    ~NetPeer() override;

    void SendNet(int socket, const std::string& line) override { link_.SendNet(socket, line); }
    void SendNetAll(int exceptSocket, const std::string& line) override;
    bool WaitNet(int index) override;
    void EndNetGame() override { link_.EndNetGame(); }
    bool TakeDeal(Game& game) override { return link_.TakeDeal(game); }
    bool TakeReshuffle(Game& game) override { return link_.TakeReshuffle(game); }

    // Plays one game from the connection to its end (or to its breaking off); returns what the
    // machine saw: "won <host's player number> margin <n>" or "ended <why>".
    std::string Run();

    Game g;

  private:
    NetPeerSetup setup_;
    HeadlessServices headless_{g};
    Services sv_;
    NetSockets sockets_;
    SteadyClock clock_;
    net::NetLink link_;
    ChatSeq chatSeq_;
    Engine engine_{g, sv_};
    ComputerPlayer computer_{engine_};
    std::unique_ptr<NetPlayPort> play_;
    std::unique_ptr<ScriptedPlayer> human_;
    // Runs while a wait runs: when it fires the machine gives up, as a hang.
    QTimer quiet_;
    int turnEnds_ = 0;
    bool dealShown_ = false;
    std::string digestLog_;
    std::string result_;  // the winner and margin, once the game has ended

    class Turns;
    std::unique_ptr<RecordsPort> records_;

    void NewSession();
    bool Gather();
    bool Join();
    bool Connect();
    bool WaitForOpponent();
    void RemoteDeal();
    std::string Play();
    void PlayOn();
    void Carry(const net::Action& a);
    void Failed(net::SocketFault fault, const std::string& what);
    bool Pump();
    void TurnEnded();
    void SignOff();
    void LetGo();
    std::string Outcome() const;
    void Note(const char* file, const std::string& text);
    // Appends the steady clock's reading (shared by the processes of one machine) to `file`.
    void Stamp(const char* file);
};

// Runs one machine (its exit code 0 when it ran to the end of its game without a fault), writing
// its outcome to "<folder>/outcome" and its digests, one line per turn end, to
// "<folder>/digests". The host writes the port it listens on to "<folder>/port".
int RunPeerProcess(const NetPeerSetup& setup);
