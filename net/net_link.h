#pragma once
// The Internet game's connection as the game's flow uses it: lines out to one peer or to all,
// and the waits for the peers' answers. The sockets only queue what happens to them (bytes
// arrived, a connection accepted, made, lost or failed) in the order it happened; one pump takes
// that queue apart and hands the session one line at a time, never from inside a socket's own
// event and never twice at once, so a handler that shows a message box (and so lets further
// socket events in) is never re-entered. A wait sleeps on the event loop until the sockets wake
// it, and ends when the connection is gone, the game's end or a departure arrives, or the window
// is closing.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/ports/net_port.h"
#include "net/session.h"
#include "platform/hook_check.h"
#include "platform/pause.h"

namespace net {

// The sockets as the link sees them: socket 0 is a remote's connection to the host; the host's
// peers are sockets 1 to 4.
class Transport {
  public:
    virtual ~Transport() = default;
    // Queues `bytes` on the peer's connection; false when that connection is not open.
    virtual bool Write(int peer, const std::string& bytes) = 0;
    virtual bool Live(int peer) const = 0;
    // Closes the peer's connection after what was queued on it has gone out. No loss is reported
    // for a connection closed here.
    virtual void Close(int peer) = 0;
    virtual void CloseAll() = 0;
};

// Sleeps on the event loop until woken or `seconds` have passed.
class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void Sleep(double seconds) = 0;
    // Ends every sleep now running.
    virtual void Wake() = 0;
    // Runs `task` from the event loop after `seconds`, outside whatever runs now.
    virtual void Soon(std::function<void()> task, double seconds) = 0;
};

// Why a socket failed, as the player is told it.
enum class SocketFault {
    Refused,       // nobody listens at the host's address and port
    AddressInUse,  // the port is taken by another program
    NotAllowed,    // the port needs rights an ordinary user has not
    Reset,         // the connection was cut off
    TimedOut,      // the host did not answer within the connect time
    Other,
};

struct LinkEvent {
    enum Kind { Bytes, Accept, Connected, Lost, Failed } kind = Bytes;
    int peer = 0;
    std::string bytes;  // Bytes: what arrived; Failed: the system's description
    SocketFault fault = SocketFault::Other;
};

// What the link asks of the rest of the program: the actions of a handled line that are neither
// the game's state (applied here) nor lines and closes (sent here), and a socket's failure.
struct LinkWindow {
    std::function<void(const Action&)> carry;
    // A socket failed. `ends` when it was this machine's own connection (a remote's link to the
    // host, or the host's listening socket): the Internet game is over.
    std::function<void(int peer, SocketFault fault, const std::string& what, bool ends)> failed;
    // True while the game's flow is inside a handler that may itself wait for the peers: lines
    // are then left for its waits, which see each one before the next is handled.
    std::function<bool()> flowBusy;
    // The key of END Internet Game, named in the notice about a quiet peer.
    std::string endGameKey;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("LinkWindow")
            .Need("carry", carry)
            .Need("failed", failed)
            .Need("flowBusy", flowBusy)
            .Need("endGameKey", !endGameKey.empty());
    }
};

class NetLink : public NetPort {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { window_.NeedHooks(check); }
    // `clock` times the waits: one held up by a quiet peer for kQuietSeconds is told about.
    NetLink(Game& g, Transport& transport, Sleeper& sleeper, Clock& clock, LinkWindow window);

    // A new Internet game as host or remote; everything of the last one is forgotten.
    void Begin(SessionConfig config);
    // The Internet game is over: every socket is closed and nothing more is taken.
    void End();
    bool Running() const { return session_ != nullptr; }
    const SessionState* state() const { return session_ ? &session_->state() : nullptr; }

    // What the sockets report, in the order it happened. Never handled here: the pump does it.
    void Post(LinkEvent e);

    // Handles what the sockets reported while no wait runs: every line when the game's flow is
    // idle, nothing while a handler runs (its waits take the lines one by one).
    void DrainIdle();
    bool HasPending() const {
        return !events_.empty() || !held_.empty() ||
               (session_ && (session_->HasLines() || session_->SeatsWaiting()));
    }
    // True once the peer's hello has been handled (or it has gone further, or away).
    bool Greeted(int peer) const;

    // NetPort.
    void SendNet(int socket, const std::string& line) override;
    void SendNetAll(int exceptSocket, const std::string& line) override;
    bool WaitNet(int index) override;
    void EndNetGame() override;
    bool TakeDeal(Game& g) override;
    bool TakeReshuffle(Game& g) override;

    // Waits until every player has answered the current exchange (NetAnswers = NumPlayers).
    bool WaitNetAll();
    // Waits for the first connection: on the host until a first remote has joined and taken
    // the layout, on a remote until the host's layout (or an older host's new game) arrived.
    // False when the Internet game ended meanwhile or the window is closing.
    bool WaitForOpponent();

    // Host: a new Internet game with the players seated now (the layout to every remote).
    void NewLayout();
    // The host's reply to a later joiner's request ("New opponent joining").
    void JoinAnswer(int peer, bool accept);

    // Seconds a wait sleeps before it looks at its ends again even without a wake.
    static constexpr double kWaitSlice = 0.25;

  private:
    bool Step();
    bool StepOnce();
    // Host: answers the joiners (their connections, hellos, names and departures) whatever the
    // game's flow is doing, from the event loop, never inside a socket's event. What would lay
    // the table out again or ask the player (the seat, a notice, the question whether a later
    // joiner may play) is held for the flow's next step.
    void Greet();
    bool GreetOne();
    bool JoinerEvent(const LinkEvent& e) const;
    void CarryGreeting(std::vector<Action> actions);
    void Carry(std::vector<Action> actions);
    void CarryOne(const Action& a);
    void Broadcast(int except, const std::string& line, bool note);
    void LostOnSend(int peer);
    void HandleFailure(const LinkEvent& e);
    bool Over() const;
    // Tells the player once a wait has gone kQuietSeconds without the line a peer owes.
    void WatchQuiet();
    // Starts timing the wait for `peer` afresh; the notice about the last one goes. A line sent
    // or heard starts it afresh too: what a peer owes is timed from then, not from a wait before
    // the table's show between them.
    void QuietFrom(int peer);
    // This machine sent `line`: a wait that follows is timed from now.
    void Spoke(const std::string& line);

    Game& g_;
    Transport& transport_;
    Sleeper& sleeper_;
    Clock& clock_;
    LinkWindow window_;
    std::unique_ptr<NetSession> session_;
    std::unique_ptr<NetSession> retired_;  // the ended game's session, until the next begins
    std::deque<LinkEvent> events_;
    bool pumping_ = false;   // a line or event is being handled
    bool greeting_ = false;  // joiners are being answered
    // A joiner was greeted while a line's actions were being carried: the table of seats those
    // actions copied may leave it out.
    bool greetedMeanwhile_ = false;
    std::vector<Action> held_;  // what answering the joiners left for the game's flow
    int waits_ = 0;             // waits now running
    struct QuietWatch {
        int peer = -1;  // the peer owing the line awaited (-1 none)
        double since = 0;
        std::string shown;        // the notice the player was given ("" none yet)
        bool othersTold = false;  // host: the other players were told whom it waits for
    } quiet_;
};

}  // namespace net
