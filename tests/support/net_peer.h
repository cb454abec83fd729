#pragma once
// One machine of an Internet game run by calls, for the tests between processes: the game, the
// engine, the turn replay and the protocol session of the program, over plain TCP on loopback,
// with the scripted player in the human's seat. The window's side of the protocol's actions is
// carried out headless: lines go out, the game's state is applied, the rest is noted. After
// every turn and at the game's end the whole position's digest is written to the machine's
// folder, so that the machines of one game can be compared. Not part of the program.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "computer/computer_player.h"
#include "engine/engine.h"
#include "net/net_play_port.h"
#include "net/session.h"
#include "tests/support/headless_services.h"
#include "tests/support/scripted_player.h"
#include "tests/support/tcp_link.h"

struct NetPeerSetup {
    bool host = false;
    int players = 2;
    std::int32_t seed = 1;  // the host's deal
    std::string folder;     // this machine's own program folder
    std::string name = "Player";
    int listenFd = -1;  // host: the listening socket made for it
    int port = 0;       // remote: the host's port
    // A wait that hears nothing for this long gives up (the test then reports a hang).
    double quietLimit = 20;
    // Faults: after this many turn ends this machine's window is closed while another player
    // is on turn (the sign-off goes to the peers), 0 never.
    int closeWindowAfter = 0;
    // Turns ends after which the host saves the game, leaves, and resumes it once the remotes
    // have joined again (0 never).
    int saveAfter = 0;
    // The scripted player now and then moves a card within its hand before playing.
    bool handMoves = true;
};

class NetPeer : public NetPort {
  public:
    explicit NetPeer(NetPeerSetup setup);
    ~NetPeer() override;

    // The connection as the game's flow uses it.
    void SendNet(int socket, const std::string& line) override;
    void SendNetAll(int exceptSocket, const std::string& line) override;
    bool WaitNet(int index) override;
    void EndNetGame() override;
    bool TakeDeal(Game& game) override;
    bool TakeReshuffle(Game& game) override;

    // Plays one game from the connection to its end (or to its breaking off); returns what the
    // machine saw: "won <host's player number> margin <n>" or "ended <why>".
    std::string Run();

    Game g;

  private:
    NetPeerSetup setup_;
    HeadlessServices headless_{g};
    Services sv_;
    std::unique_ptr<net::NetSession> session_;
    TcpLink link_;
    Engine engine_{g, sv_};
    ComputerPlayer computer_{engine_};
    std::unique_ptr<NetPlayPort> play_;
    std::unique_ptr<ScriptedPlayer> human_;
    int turnEnds_ = 0;
    bool dealShown_ = false;
    std::optional<GameStateRecord> saved_;
    std::string digestLog_;
    std::string result_;  // the winner and margin, once the game has ended
    bool trace_ = false;  // every line in and out goes to "<folder>/wire"

    class Turns;
    std::unique_ptr<RecordsPort> records_;

    void NewSession();
    bool Gather();
    bool Join();
    void RemoteDeal();
    void PlayOn();
    void Carry(const std::vector<net::Action>& actions);
    void Carry(const net::Action& a);
    bool Pump(double seconds);
    void TurnEnded();
    void SignOff();
    bool Resume();
    std::string Outcome() const;
    void HandMove();
    void Trace(const char* dir, int peer, const std::string& text);
    // Appends the steady clock's reading (shared by the processes of one machine) to `file`.
    void Stamp(const char* file);
};

// Runs one machine in a child process (its exit code 0 when it ran to the end of its game
// without a fault), writing its outcome to "<folder>/outcome" and its digests, one line per turn
// end, to "<folder>/digests".
int RunPeerProcess(const NetPeerSetup& setup);
