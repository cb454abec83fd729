#include "net/net_link.h"

#include <utility>

#include "net/apply_to_game.h"
#include "net/peer_deck.h"
#include "net/quiet_peer.h"
#include "net/wire_parse.h"

namespace net {

namespace {

// Raises a flag for as long as it lives.
class Raised {
  public:
    explicit Raised(bool& flag) : flag_(flag) { flag_ = true; }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

  private:
    bool& flag_;
};

class Counted {
  public:
    explicit Counted(int& count) : count_(count) { ++count_; }
    ~Counted() { --count_; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;

  private:
    int& count_;
};

}  // namespace

NetLink::NetLink(Game& g, Transport& transport, Sleeper& sleeper, Clock& clock, LinkWindow window)
    : g_(g), transport_(transport), sleeper_(sleeper), clock_(clock), window_(std::move(window)) {}

void NetLink::Begin(SessionConfig config) {
    events_.clear();
    held_.clear();
    quiet_ = {};
    session_ = std::make_unique<NetSession>(std::move(config));
}

void NetLink::End() {
    transport_.CloseAll();
    events_.clear();
    quiet_.othersTold = false;
    held_.clear();
    QuietFrom(-1);
    // The session may be in the middle of handing out a line's actions: it goes once they are
    // carried out, with the next Begin.
    if (session_) retired_ = std::move(session_);
}

void NetLink::Post(LinkEvent e) {
    if (!session_) return;
    events_.push_back(std::move(e));
    sleeper_.Wake();
    if (waits_ == 0) sleeper_.Soon([this] { DrainIdle(); }, 0);
    // A friend who connects is answered whatever the host's window shows meanwhile.
    if (session_->state().config.host) sleeper_.Soon([this] { Greet(); }, 0);
}

void NetLink::Greet() {
    if (!session_ || greeting_) return;
    bool any = false;
    {
        Raised greeting(greeting_);
        while (session_ && GreetOne()) any = true;
    }
    if (!any || !HasPending()) return;
    // The seat or a notice the joiners left waits for the flow: its wait, or the idle pump.
    sleeper_.Wake();
    if (waits_ == 0) sleeper_.Soon([this] { DrainIdle(); }, 0);
}

bool NetLink::JoinerEvent(const LinkEvent& e) const {
    if (e.kind == LinkEvent::Accept) return true;
    return e.kind != LinkEvent::Connected && session_->Joiner(e.peer);
}

bool NetLink::GreetOne() {
    // While a line's actions are being carried (a box they raised is open) the players are not
    // all counted yet: only the hello goes out then, and the joiner's answer waits.
    if (!pumping_) {
        if (auto actions = session_->NextJoiner(g_)) {
            CarryGreeting(std::move(*actions));
            return true;
        }
    }
    for (auto it = events_.begin(); it != events_.end(); ++it) {
        if (!session_->state().config.host || !JoinerEvent(*it)) continue;
        if (pumping_ && (it->kind != LinkEvent::Accept || !session_->WouldGreet(g_, it->peer)))
            continue;
        LinkEvent e = std::move(*it);
        events_.erase(it);
        greetedMeanwhile_ = greetedMeanwhile_ || pumping_;
        switch (e.kind) {
            case LinkEvent::Bytes:
                if (!session_->Received(e.peer, e.bytes)) {
                    CarryGreeting(session_->Broke(g_, e.peer));
                    transport_.Close(e.peer);
                }
                break;
            case LinkEvent::Accept:
                CarryGreeting(session_->Accept(g_, e.peer));
                break;
            case LinkEvent::Failed:
                window_.failed(e.peer, e.fault, e.bytes, false);
                [[fallthrough]];
            case LinkEvent::Lost:
                CarryGreeting(session_->Lost(g_, e.peer));
                transport_.Close(e.peer);
                break;
            case LinkEvent::Connected:
                break;
        }
        return true;
    }
    return false;
}

void NetLink::CarryGreeting(std::vector<Action> actions) {
    for (Action& a : actions) {
        // A joiner's word is no code the game's flow waits for, and must not hide one.
        if (std::holds_alternative<act::Code>(a)) continue;
        const bool now =
            std::holds_alternative<act::Send>(a) || std::holds_alternative<act::Close>(a) ||
            std::holds_alternative<act::Seats>(a) || std::holds_alternative<act::Connected>(a) ||
            std::holds_alternative<act::PeerVersionIs>(a) ||
            std::holds_alternative<act::Label>(a) || std::holds_alternative<act::PeerFault>(a);
        if (now)
            CarryOne(a);
        else
            held_.push_back(std::move(a));
    }
}

void NetLink::DrainIdle() {
    if (waits_ > 0 || pumping_ || !HasPending()) return;
    if (window_.flowBusy()) {
        sleeper_.Soon([this] { DrainIdle(); }, kWaitSlice);
        return;
    }
    while (Step()) {
        if (waits_ > 0) return;
    }
}

bool NetLink::Greeted(int peer) const {
    if (!session_ || peer < 0 || peer > 4) return false;
    const Phase phase = session_->state().peers[static_cast<size_t>(peer)].phase;
    return phase != Phase::Empty && phase != Phase::Accepted;
}

bool NetLink::Over() const {
    return !session_ || g_.NetConnected == 0;
}

bool NetLink::Step() {
    if (!session_ || pumping_) return false;
    bool handled = false;
    {
        Raised pumping(pumping_);
        handled = StepOnce();
    }
    if (std::exchange(greetedMeanwhile_, false) && session_) {
        CarryOne(act::Seats{SeatsOf(session_->state())});
        // The greeted joiner's answer was left for after those actions.
        sleeper_.Soon([this] { Greet(); }, 0);
    }
    return handled;
}

bool NetLink::StepOnce() {
    // What answering the joiners left for the flow comes first, in the order it was left.
    if (!held_.empty()) {
        Carry(std::exchange(held_, {}));
        return true;
    }
    if (auto seat = session_->SeatWaiting(g_)) {
        Carry(std::move(*seat));
        return true;
    }
    for (;;) {
        const bool heldUp = !session_->state().hostWaitsFor.empty();
        if (auto actions = session_->Next(g_)) {
            // A line from the peer awaited times its wait afresh; its chat asks nothing of it,
            // unless it is the host's word that the wait it named is over.
            const i16 code = session_->LastCode();
            const bool released = heldUp && session_->state().hostWaitsFor.empty();
            if (session_->LastPeer() == quiet_.peer && ((code != SY && code != PK) || released))
                QuietFrom(quiet_.peer);
            Carry(std::move(*actions));
            return true;
        }
        if (events_.empty()) return false;
        LinkEvent e = std::move(events_.front());
        events_.pop_front();
        switch (e.kind) {
            case LinkEvent::Bytes:
                if (!session_->Received(e.peer, e.bytes)) {
                    Carry(session_->Broke(g_, e.peer));
                    transport_.Close(e.peer);
                    return true;
                }
                break;
            case LinkEvent::Accept:
                Carry(session_->Accept(g_, e.peer));
                return true;
            case LinkEvent::Connected:
                Carry(session_->Connect());
                break;
            case LinkEvent::Lost:
                Carry(session_->Lost(g_, e.peer));
                transport_.Close(e.peer);  // the place is free for a new joiner
                return true;
            case LinkEvent::Failed:
                HandleFailure(e);
                return true;
        }
    }
}

void NetLink::HandleFailure(const LinkEvent& e) {
    const bool host = session_->state().config.host;
    const bool ends = !host || e.peer == 0;
    window_.failed(e.peer, e.fault, e.bytes, ends);
    if (!session_) return;  // the window ended the Internet game
    if (ends) {
        CarryOne(act::EndInternetGame{});
        return;
    }
    // One remote's broken connection ends the game with that remote only.
    Carry(session_->Lost(g_, e.peer));
    transport_.Close(e.peer);
}

void NetLink::Carry(std::vector<Action> actions) {
    for (const Action& a : actions) CarryOne(a);
}

void NetLink::CarryOne(const Action& a) {
    if (const auto* s = std::get_if<act::Send>(&a)) {
        if (!transport_.Write(s->peer, s->line + "\n")) LostOnSend(s->peer);
    } else if (const auto* all = std::get_if<act::SendAll>(&a)) {
        Broadcast(all->except, all->line, false);
    } else if (const auto* c = std::get_if<act::Close>(&a)) {
        transport_.Close(c->peer);
    } else if (std::holds_alternative<act::EndInternetGame>(a)) {
        ApplyToGame(g_, a);
        window_.carry(a);
        if (session_) End();
    } else if (!ApplyToGame(g_, a)) {
        window_.carry(a);
    }
}

void NetLink::LostOnSend(int peer) {
    // Noticed by the pump, in order, not inside the send.
    Post(LinkEvent{LinkEvent::Lost, peer, {}, SocketFault::Other});
}

void NetLink::Broadcast(int except, const std::string& line, bool note) {
    if (!session_) return;
    Spoke(line);
    const SessionState& s = session_->state();
    if (note) session_->Sent(true, except, line);
    std::vector<int> lost;
    for (int peer = 0; peer <= 4; ++peer) {
        if (s.config.host && (peer == 0 || peer == except)) continue;
        if (s.peers[static_cast<size_t>(peer)].phase != Phase::Seated) continue;
        if (!transport_.Write(peer, line + "\n")) lost.push_back(peer);
    }
    // Every live peer has the line before a loss is taken up.
    for (int peer : lost) LostOnSend(peer);
}

void NetLink::SendNet(int socket, const std::string& line) {
    if (!session_) return;
    const bool host = session_->state().config.host;
    const int peer = host ? (socket < 1 ? 1 : socket) : 0;
    if (peer > 4) return;
    // Nothing to send on before the connection is made (a chat line typed while connecting).
    if (session_->state().peers[static_cast<size_t>(peer)].phase == Phase::Empty) return;
    session_->Sent(false, peer, line);
    Spoke(line);
    if (!transport_.Write(peer, line + "\n")) LostOnSend(peer);
}

void NetLink::SendNetAll(int exceptSocket, const std::string& line) {
    Broadcast(exceptSocket, line, true);
}

bool NetLink::WaitNet(int index) {
    (void)index;  // every peer's lines come through the one queue, in order
    Counted waiting(waits_);
    const int table = g_.NetTable;
    for (;;) {
        if (g_.StopFlag) return false;
        if (Over()) {
            g_.NetCode = GO;
            return false;
        }
        // A wait inside a line's handling would take the next line before this one is done.
        if (pumping_) return false;
        // A command run during the sleep laid another table: the lines queued now are that
        // table's, for its own waits. The caller looks again at what it waits for.
        if (g_.NetTable != table) return true;
        if (Step()) {
            // What came with the line is handled once the caller stops waiting, if no wait
            // takes it first.
            if (HasPending()) sleeper_.Soon([this] { DrainIdle(); }, 0);
            return true;
        }
        WatchQuiet();
        sleeper_.Sleep(kWaitSlice);
    }
}

void NetLink::WatchQuiet() {
    const SessionState& s = session_->state();
    const int peer = AwaitedPeer(s, g_);
    if (peer != quiet_.peer) return QuietFrom(peer);
    if (peer < 0 || clock_.Now() - quiet_.since < QuietSeconds(s, g_)) return;
    const std::string notice = QuietNotice(s, g_, peer, window_.endGameKey);
    if (notice == quiet_.shown) return;
    // The other players' machines wait as well, but see only the host.
    if (quiet_.shown.empty()) {
        std::vector<Action> tell = session_->TellQuiet(g_, peer);
        quiet_.othersTold = !tell.empty();
        Carry(std::move(tell));
    }
    quiet_.shown = notice;
    window_.carry(act::Status{notice, true});
}

void NetLink::Spoke(const std::string& line) {
    // Chat and peeks ask nothing of a peer: they leave a wait's timing alone.
    const i16 code = CodeOf(line);
    if (code != SY && code != PK) QuietFrom(-1);
}

void NetLink::QuietFrom(int peer) {
    if (!quiet_.shown.empty()) window_.carry(act::Status{"", false});
    // The others would otherwise name the player until the host's next move, which may be a
    // person's and long in coming.
    const bool tellOver = quiet_.othersTold && session_;
    const int was = quiet_.peer;
    quiet_ = {peer, clock_.Now(), "", false};
    if (!tellOver) return;
    Carry(session_->TellQuietOver(was));
}

bool NetLink::WaitNetAll() {
    while (g_.NetAnswers < g_.NumPlayers)
        if (!WaitNet(0)) return false;
    return true;
}

bool NetLink::WaitForOpponent() {
    if (!session_ || g_.NetConnected == 0) return false;
    session_->ResetReceived();
    auto arrived = [this] {
        if (!session_) return false;
        return session_->state().netReceived ||
               (!session_->state().config.host && g_.NetCode == kLayoutApplied);
    };
    window_.carry(act::Label{0, "WAITING for Opponent"});
    while (!arrived())
        if (!WaitNet(0)) return false;
    window_.carry(act::Label{0, " "});
    session_->SetSessionUp();
    return true;
}

void NetLink::NewLayout() {
    if (session_) Carry(session_->NewLayout(g_));
}

void NetLink::JoinAnswer(int peer, bool accept) {
    if (session_) Carry(session_->JoinAnswer(g_, peer, accept));
}

void NetLink::EndNetGame() {
    if (!session_) return;
    Broadcast(0, BareLine(GO), false);
    CarryOne(act::EndInternetGame{});
}

bool NetLink::TakeDeal(Game& g) {
    Fault fault;
    return TakeDealFromPeer(g, fault);
}

bool NetLink::TakeReshuffle(Game& g) {
    Fault fault;
    return TakeReshuffleFromPeer(g, fault);
}

}  // namespace net
