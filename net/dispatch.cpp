#include "net/dispatch.h"

#include "engine/engine.h"
#include "engine/seat_map.h"
#include "net/chat_lines.h"
#include "net/name_compare.h"
#include "net/recover.h"
#include "net/wire_parse.h"
#include "platform/dialogs.h"
#include "platform/vb_strings.h"

namespace net {

namespace {

using Out = std::vector<Action>;

PeerState& PeerAt(SessionState& s, int peer) {
    return s.peers[static_cast<size_t>(peer)];
}

PeerState InPhase(Phase phase) {
    PeerState p;
    p.phase = phase;
    return p;
}

bool Playing(const PeerState& p) {
    return p.phase != Phase::Empty && p.phase != Phase::Gone;
}

bool OlderPeer(const SessionState& s) {
    return s.peerVersion <= "74";
}

// A card play's close ("WT", "OK") or any answer: counted when this peer owes it.
// True while the peer owes the answer to a card play or its close: a program answers those at
// once, with the same code, so any other such answer is broken.
bool AwaitsPlayAnswer(const PeerState& p) {
    return p.awaiting == PC || p.awaiting == WT || p.awaiting == OK;
}

// A card onto a hold pile: the discard that ends the turn.
bool IsDiscard(const Move& m) {
    return m.to >= kFirstHoldSlot && m.to <= kLastHoldSlot;
}

// The close a received card play owes: "OK" after a discard, which ends the turn; "WT" after a
// card moved within the hand or played from the hand or a hold pile, as the turn goes on. A
// card from the side pile may end the game, so either close can follow it.
i16 OwedClose(const Move& m) {
    if (IsDiscard(m)) return OK;
    return m.from == kSideSlot ? 0 : WT;
}

bool TakeAnswer(SessionState& s, int peer, i16 code) {
    PeerState& p = PeerAt(s, peer);
    if (p.awaiting != code) return false;
    p.awaiting = 0;
    ++s.answered;
    return true;
}

// What NetAnswers becomes when an answer is counted: on a host with three or four players one
// more for each peer that answered; anywhere else the one answer completes the exchange.
i16 AnswersNow(const SessionState& s, const Game& g) {
    if (s.config.host && g.NumPlayers > 2) return static_cast<i16>(1 + s.answered);
    return g.NumPlayers;
}

void StartExchange(SessionState& s, int peer, i16 code) {
    PeerAt(s, peer).awaiting = code;
}

int SeatedCount(const SessionState& s) {
    int n = 0;
    for (int i = 1; i <= 4; ++i)
        if (Playing(s.peers[static_cast<size_t>(i)])) ++n;
    return n;
}

std::string NameOfSeat(const SessionState& s, const Game& g, int seat) {
    for (int i = 1; i <= 4; ++i) {
        const PeerState& p = s.peers[static_cast<size_t>(i)];
        if (Playing(p) && p.seat == seat) return p.name;
    }
    return g.Opp[static_cast<size_t>(seat)].Name;
}

void SendHello(SessionState& s, int peer, Out& out) {
    out.push_back(act::Send{peer, HostHelloLine(s.config.version, peer)});
}

// The host player's notice of a joiner turned away for want of a place.
act::Box JoinDenied(const Game& g, bool olderPeer) {
    return act::Box{
        "A new opponent tried to join this game.\n" +
            std::string(olderPeer ? "Your current opponent does not have Quorvane Multiplayer so "
                                    "new players cannot join this game."
                                  : "Your game is setup for " + std::to_string(g.NumPlayers) +
                                        " players. Change the Player Setup if you want to add a "
                                        "player. Then ask the new opponent to connect."),
        mb::Information, "Connection Request Denied"};
}

// Turns a joiner away with the busy line and "GO".
void Refuse(SessionState& s, int peer, Out& out) {
    out.push_back(act::Send{peer, ChatLine(s.chatSeq.value(), kBusyLine)});
    out.push_back(act::Send{peer, BareLine(GO)});
    out.push_back(act::Close{peer});
    PeerAt(s, peer) = InPhase(Phase::Gone);
    out.push_back(act::Seats{SeatsOf(s)});
}

// Closes the gaps in the seat numbers so that the seated remotes are Opp1, Opp2, ... in the
// order of their sockets, and names the opponents after them.
void AssignNetSeats(SessionState& s, const Game& g, Out& out) {
    auto occupied = [&](int i) { return Playing(s.peers[static_cast<size_t>(i)]); };
    auto seat = [&](int i) -> int& { return s.peers[static_cast<size_t>(i)].seat; };
    if (SeatedCount(s) < 3) {
        if (g.NetConnected >= 2) {
            if (occupied(1) && !occupied(2)) {
                seat(3) = 2;
            } else if (!occupied(1)) {
                seat(2) = 1;
                seat(3) = 2;
            }
        } else if (occupied(1)) {
            seat(1) = 1;
        } else if (occupied(2)) {
            seat(2) = 1;
        } else {
            seat(3) = 1;
        }
    }
    for (int i = 1; i <= 3; ++i) {
        const PeerState& p = s.peers[static_cast<size_t>(i)];
        if (!occupied(i) || p.seat < 1 || p.seat > 3) continue;
        out.push_back(act::OpponentName{p.seat, p.name});
        out.push_back(act::LoadNetAvatar{p.seat});
    }
    out.push_back(act::Seats{SeatsOf(s)});
}

// "LO" to every seated remote with its seat and, with three or four players, the host's
// opponents' names.
void SendLayout(SessionState& s, const Game& g, Out& out) {
    std::vector<std::string> names;
    for (int k = 1; k < g.NumPlayers; ++k) names.push_back(NameOfSeat(s, g, k));
    s.answered = 0;
    out.push_back(act::Answers{1});
    for (int i = 1; i <= 4; ++i) {
        const PeerState& p = s.peers[static_cast<size_t>(i)];
        if (p.phase != Phase::Seated) continue;
        out.push_back(act::Send{i, LayoutLine(g.NumPlayers, g.NumCenters, p.seat, names)});
        StartExchange(s, i, LO);
    }
}

void AcceptJoiner(SessionState& s, const Game& g, int peer, Out& out) {
    PeerState& p = PeerAt(s, peer);
    out.push_back(act::Label{2, p.name + " has joined the game."});
    int seat = peer;
    if (g.NetConnected != peer) {
        for (seat = 1; seat <= 3; ++seat) {
            bool taken = false;
            for (int i = 1; i <= 3; ++i)
                taken = taken || (i != peer && Playing(s.peers[static_cast<size_t>(i)]) &&
                                  s.peers[static_cast<size_t>(i)].seat == seat);
            if (!taken) break;
        }
    }
    p.seat = seat;
    p.phase = Phase::Seated;
    if (seat == 1 || (!OlderPeer(s) && seat <= 3)) {
        out.push_back(act::OpponentName{seat, p.name});
        out.push_back(act::LoadNetAvatar{seat});
    }
    if (OlderPeer(s)) {
        out.push_back(act::Seats{SeatsOf(s)});
        out.push_back(act::Send{1, BareLine(GS)});
        StartExchange(s, 1, GS);
        out.push_back(act::Status{"", false});
        out.push_back(act::ShowPlayerNames{});
        return;
    }
    AssignNetSeats(s, g, out);
    SendLayout(s, g, out);
    out.push_back(act::EnableChatSend{});
    out.push_back(act::ShowHostRules{});
    if (g.HumanSideCount != 0 || g.CurSideCount != 0) {
        out.push_back(act::TableReset{});
        out.push_back(act::SendAll{peer, BareLine(EG)});
        // The host's own game ends too: a wait for a move of the game just reset ends here.
        out.push_back(act::Code{EG});
    }
    out.push_back(act::ShowPlayerNames{});
}

// Host: a joiner left, broke off or was dropped for saying nothing before it had a seat. Its
// place is free again and the game goes on as it was: a stray connection never ends it.
void JoinerGone(SessionState& s, const Game& g, int peer, Out& out,
                const std::string& notice = "A player who was joining left before taking a seat.") {
    PeerState& p = PeerAt(s, peer);
    const bool counted = p.phase == Phase::Greeted || p.phase == Phase::Named;
    const bool wasGreeted = p.phase == Phase::Accepted && s.helloBusy && s.pendingHello != peer;
    out.push_back(act::Close{peer});
    p = InPhase(Phase::Gone);
    if (s.pendingHello == peer) s.pendingHello = 0;
    if (wasGreeted) {
        s.helloBusy = s.pendingHello != 0;
        if (s.pendingHello != 0) SendHello(s, s.pendingHello, out);
        s.pendingHello = 0;
    }
    if (counted) {
        const int left = (g.NetConnected == 99 ? 0 : g.NetConnected) - 1;
        out.push_back(act::Connected{static_cast<i16>(left <= 0 ? 99 : left)});
        if (left <= 0) s.versionKnown = false;
    }
    out.push_back(act::Seats{SeatsOf(s)});
    out.push_back(act::Label{1, notice});
}

// Host: a joiner whose name cannot be used is told why and turned away; the host player is told
// who it was and why.
void TurnAwayName(SessionState& s, const Game& g, int peer, const std::string& given,
                  const std::string& why, Out& out) {
    out.push_back(
        act::Send{peer, ChatLine(s.chatSeq.value(), std::string("BRIVO: ") + kNameRefused + why +
                                                        ". Choose another Player name "
                                                        "and connect again.")});
    out.push_back(act::Send{peer, BareLine(GO)});
    const std::string who = given.empty() ? "without a name" : "as \"" + ShownName(given) + "\"";
    JoinerGone(s, g, peer, out,
               "A player who tried to join " + who + " was turned away: " + why + ".");
}

// Why a joiner may not take `name`: the host player's or another player's at this table, in
// other capitals or not (their scores and pictures are kept under the name); "" when free.
std::string NameTaken(const SessionState& s, int peer, const std::string& name) {
    bool taken = SameName(name, s.config.playerName);
    for (int i = 1; i <= 4; ++i) {
        const PeerState& p = s.peers[static_cast<size_t>(i)];
        taken = taken || (i != peer && Playing(p) && !p.name.empty() && SameName(name, p.name));
    }
    return taken ? "a player of that name is at this table already" : "";
}

// Host: `peer` has left (its "GO", a lost connection or a protocol error).
void HostPeerGone(SessionState& s, const Game& g, int peer, const std::string& notice, Out& out) {
    PeerState& p = PeerAt(s, peer);
    if (p.phase != Phase::Seated) {
        JoinerGone(s, g, peer, out);
        return;
    }
    const std::string name = p.name;
    out.push_back(act::Close{peer});
    p = InPhase(Phase::Gone);
    out.push_back(act::Seats{SeatsOf(s)});
    // Counted before the player is told: a friend who connects while the notice is open finds
    // the place free.
    const int remaining = SeatedCount(s);
    if (remaining > 0) out.push_back(act::Connected{static_cast<i16>(remaining)});
    out.push_back(act::Beep{});
    const std::string text = notice.empty() ? name + " quit the game." : notice;
    out.push_back(act::Label{1, text});
    if (g.Pturn == 0 || !notice.empty()) out.push_back(act::Box{text, mb::Critical, "Quorvane"});
    out.push_back(act::AskSaveEndedGame{});
    out.push_back(act::Code{EG});
    if (remaining > 0) {
        out.push_back(act::TableReset{});
        out.push_back(act::SendAll{peer, BareLine(EG)});
    } else {
        out.push_back(act::EndInternetGame{});
        s.netReceived = true;
    }
    out.push_back(act::Answers{static_cast<i16>(g.NumPlayers - 1)});
}

void RemoteHostGone(SessionState& s, const std::string& notice, Out& out) {
    out.push_back(act::Close{0});
    PeerAt(s, 0) = InPhase(Phase::Gone);
    const std::string text = notice.empty() ? "Dealer has terminated game." : notice;
    out.push_back(act::Label{1, text});
    // The status bar stops naming the dealer while the player reads why; the clean-up after
    // the save offer names the seat's own opponent there again.
    out.push_back(act::StatusPanel{act::kOpponentPanel, ""});
    out.push_back(act::Box{text, mb::Critical, "Quorvane"});
    out.push_back(act::AskSaveEndedGame{});
    out.push_back(act::EndInternetGame{});
    s.netReceived = true;
    out.push_back(act::Code{0});
}

// The sender broke the protocol: the game with it ends, and nothing of the line is applied.
Outcome ProtocolFault(SessionState s, const Game& g, int peer, const std::string& what) {
    Out out;
    const std::string who =
        PeerAt(s, peer).name.empty() ? "The other player" : PeerAt(s, peer).name;
    const std::string notice = who + "'s program sent something this game cannot use (" + what +
                               "). The Internet game with " +
                               (PeerAt(s, peer).name.empty() ? "that player" : who) +
                               " has been ended.";
    out.push_back(act::PeerFault{peer, what});
    out.push_back(act::Send{peer, BareLine(GO)});
    if (s.config.host && PeerAt(s, peer).phase != Phase::Seated) {
        JoinerGone(s, g, peer, out,
                   "A player who was joining was turned away: its program sent something this "
                   "game cannot use (" +
                       what + ").");
        return {std::move(s), std::move(out)};
    }
    if (s.config.host)
        HostPeerGone(s, g, peer, notice, out);
    else
        RemoteHostGone(s, notice, out);
    return {std::move(s), std::move(out)};
}

// The older program's game: two players, three centers; house rules below 5.2.
void OlderPeerSetup(const SessionState& s, const std::string& digits, Out& out) {
    std::string msg =
        "Your opponent does not have the lastest version of Quorvane.\nNot all online game "
        "features are available.";
    const bool houseRules = digits < "52";
    if (houseRules) msg += "\n\nOnly House Rules are in effect.";
    (void)s;
    out.push_back(act::OlderPeerGame{houseRules});
    out.push_back(act::Box{msg, mb::Information, "Playing older version."});
}

std::string DigitsOf(const Hello& h) {
    return h.hasVersion ? VersionDigits(h.version) : kNoVersion;
}

// A named joiner finds every place taken (greeted while an earlier joiner's hello was still
// out, or the table made smaller while it waited for its seat): turned away as a joiner is at
// its connection, not left waiting for a seat that never comes.
bool TurnedAwayForWantOfPlace(SessionState& s, const Game& g, int peer, Out& out) {
    if (g.NetConnected < g.NumPlayers) return false;
    Refuse(s, peer, out);
    out.push_back(act::Connected{static_cast<i16>(g.NetConnected - 1)});
    out.push_back(JoinDenied(g, false));
    return true;
}

// A named joiner takes its seat, or the host player is asked first.
void Seat(SessionState& s, const Game& g, int peer, Out& out) {
    PeerState& p = PeerAt(s, peer);
    p.seatDue = false;
    if (p.askSeat) {
        out.push_back(act::AskJoin{peer, p.name});
        return;
    }
    out.push_back(act::DataSound{108});
    AcceptJoiner(s, g, peer, out);
}

// --- The host ------------------------------------------------------------------------------

Outcome HostLine(SessionState s, const Game& g, int peer, std::string_view line, i16 code,
                 bool holdSeat) {
    Out out;
    PeerState& p = PeerAt(s, peer);
    Fault fault;
    auto bad = [&](const std::string& what) { return ProtocolFault(std::move(s), g, peer, what); };
    auto done = [&] { return Outcome{std::move(s), std::move(out)}; };

    if (code == IP) {
        if (p.phase != Phase::Accepted) return bad("a second hello");
        auto hello = ParseHello(line, false, fault);
        if (!hello) return bad(fault.text);
        const std::string digits = DigitsOf(*hello);
        const int count = (g.NetConnected == 99 ? 0 : g.NetConnected) + 1;
        out.push_back(act::Connected{static_cast<i16>(count)});
        if (count == 1) {
            s.peerVersion = digits;
            s.versionKnown = true;
            out.push_back(act::PeerVersionIs{digits, !hello->hasVersion});
        }
        if (digits <= "74") {
            if (count >= 2) {
                out.push_back(
                    act::Box{"An opponent tried to join this game who is not using "
                             "Quorvane Multiplayer. They cannot join this game.",
                             mb::Critical, "Connection Request Denied"});
                Refuse(s, peer, out);
                out.push_back(act::Connected{static_cast<i16>(count - 1)});
                return done();
            }
            OlderPeerSetup(s, digits, out);
        }
        p.phase = Phase::Greeted;
        out.push_back(act::Code{IP});
        out.push_back(act::Send{peer, NameLine(s.config.playerName)});
        if (!hello->hasVersion)
            out.push_back(
                act::Box{"Your opponent is playing with an old version of Quorvane. Not "
                         "all features will be available.",
                         mb::Exclamation, "Quorvane"});
        s.helloBusy = false;
        if (s.pendingHello != 0) {
            SendHello(s, s.pendingHello, out);
            s.pendingHello = 0;
            s.helloBusy = true;
        }
        return done();
    }
    if (code == NM) {
        if (p.phase != Phase::Greeted) return bad("a name before the hello");
        const std::string name = GivenName(line);
        std::string why = NameFault(name);
        if (why.empty()) why = NameTaken(s, peer, name);
        if (!why.empty()) {
            TurnAwayName(s, g, peer, name, why, out);
            return done();
        }
        if (TurnedAwayForWantOfPlace(s, g, peer, out)) return done();
        p.name = name;
        p.phase = Phase::Named;
        // The first to join is taken at once; a later one only on the host player's word.
        p.askSeat = g.NetConnected >= 2;
        out.push_back(act::Code{NM});
        if (holdSeat) {
            p.seatDue = true;
            return done();
        }
        Seat(s, g, peer, out);
        return done();
    }
    if (code == GO) {
        if (!IsBare(line)) return bad("a damaged farewell");
        HostPeerGone(s, g, peer, "", out);
        return done();
    }
    if (p.phase != Phase::Seated) return done();  // a joiner has nothing to say yet

    if (code == PC && !IsBare(line)) {
        auto move = ParseMove(line, g.NumCenters, fault);
        if (!move) return bad(fault.text);
        // The game ended here (a player left, the host began another) before the peer heard
        // of it: its play belongs to that game.
        if (g.Pturn == 0) return done();
        if (g.Pturn != p.seat + 1) return bad("a card play out of turn");
        if (std::string why = MoveFault(g, g.Pturn, move->from, move->to); !why.empty())
            return bad(why);
        p.moved = true;
        p.owedClose = OwedClose(*move);
        s.turnClosing = IsDiscard(*move) ? g.Pturn : 0;
        s.netReceived = true;
        out.push_back(act::MoveIn{static_cast<i16>(move->from), static_cast<i16>(move->to)});
        out.push_back(act::Code{PC});
        return done();
    }
    if (!IsBare(line)) return done();  // nothing else a remote sends carries a payload
    switch (code) {
        case WT:
        case OK:
            if (TakeAnswer(s, peer, code)) {
                out.push_back(act::Answers{AnswersNow(s, g)});
            } else if (p.moved && g.Pturn == p.seat + 1) {
                if (p.owedClose != 0 && code != p.owedClose)
                    return bad(code == WT ? "\"WT\" closing a play that ends the turn"
                                          : "\"OK\" closing a play that does not end the turn");
                p.moved = false;  // the mover closes its play
            } else if (AwaitsPlayAnswer(p)) {
                return bad("an answer of the wrong kind");
            } else {
                return done();
            }
            out.push_back(act::Code{code});
            return done();
        case PC:
            if (!TakeAnswer(s, peer, code)) {
                if (AwaitsPlayAnswer(p)) return bad("an answer of the wrong kind");
                return done();
            }
            out.push_back(act::Answers{AnswersNow(s, g)});
            out.push_back(act::Code{code});
            return done();
        case GS:
        case DK:
        case TR:
        case RC:
        case LO:
            if (!TakeAnswer(s, peer, code)) return done();
            out.push_back(act::Answers{AnswersNow(s, g)});
            if (code == GS) out.push_back(act::Label{0, ""});
            if (code == TR) {
                out.push_back(act::Label{0, " "});
                out.push_back(act::EnableChatSend{});
            }
            if (code == GS || code == RC || code == LO) s.netReceived = true;
            out.push_back(act::Code{code});
            return done();
        default:
            return done();  // RS, EG, IP, NM again: nothing a remote may start
    }
}

// --- A remote ------------------------------------------------------------------------------

Outcome RemoteLine(SessionState s, const Game& g, std::string_view line, i16 code) {
    Out out;
    PeerState& host = PeerAt(s, 0);
    Fault fault;
    auto bad = [&](const std::string& what) { return ProtocolFault(std::move(s), g, 0, what); };
    auto done = [&] { return Outcome{std::move(s), std::move(out)}; };
    const bool older = OlderPeer(s);

    if (code == IP) {
        if (host.phase != Phase::Accepted) return bad("a second hello");
        auto hello = ParseHello(line, true, fault);
        if (!hello) return bad(fault.text);
        const std::string digits = DigitsOf(*hello);
        s.peerVersion = digits;
        s.versionKnown = true;
        out.push_back(act::PeerVersionIs{digits, !hello->hasVersion});
        if (hello->socket != 0) out.push_back(act::HelloSeat{static_cast<i16>(hello->socket)});
        if (digits <= "74") OlderPeerSetup(s, digits, out);
        host.phase = Phase::Greeted;
        out.push_back(act::Code{IP});
        out.push_back(act::Status{" Connected! \n Waiting for dealer to start game... ", true});
        out.push_back(act::DataSound{108});
        if (!hello->hasVersion) {
            out.push_back(
                act::Box{"Your opponent is not playing with the latest version of "
                         "Quorvane. Not all features will be available.",
                         mb::Exclamation, "Quorvane"});
            out.push_back(act::NumberCardsOnly{});
        }
        out.push_back(act::Send{0, RemoteHelloLine(s.config.version)});
        out.push_back(act::Connected{1});
        return done();
    }
    if (code == NM) {
        if (host.phase != Phase::Greeted)
            return bad(host.phase == Phase::Accepted ? "a name before the hello" : "a second name");
        auto name = ParseName(line, fault);
        if (!name) return bad(fault.text);
        host.name = *name;
        // An older host plays at once, without a layout.
        host.phase = older ? Phase::Seated : Phase::Named;
        out.push_back(act::Code{NM});
        out.push_back(act::HostName{*name});
        out.push_back(act::OpponentName{1, *name});
        if (older) out.push_back(act::ShowPlayerNames{});
        out.push_back(act::Send{0, NameLine(s.config.playerName)});
        out.push_back(act::Label{2, "You are connected to Host: " + *name});
        out.push_back(act::LoadNetAvatar{1});
        return done();
    }
    if (code == GO) {
        if (!IsBare(line)) return bad("a damaged farewell");
        RemoteHostGone(s, "", out);
        return done();
    }
    if (code == LO && !IsBare(line)) {
        if (host.phase != Phase::Named && host.phase != Phase::Seated)
            return bad("a layout before the names");
        auto layout = ParseLayout(line, fault);
        if (!layout) return bad(fault.text);
        host.phase = Phase::Seated;
        host.moved = false;
        host.awaiting = 0;
        out.push_back(act::TableReset{});
        out.push_back(act::Layout{layout->players, layout->centers, layout->seat});
        const int n = layout->players;
        for (int j = 1; j < n; ++j) {
            const int q = n == 2 ? 1 : HostOfLocal(j + 1, layout->seat, n);
            const std::string& name =
                q == 1 ? host.name : layout->names[static_cast<size_t>(q - 2)];
            out.push_back(act::OpponentName{j, name});
        }
        out.push_back(act::Send{0, BareLine(LO)});
        out.push_back(act::EnableChatSend{});
        out.push_back(act::Connected{static_cast<i16>(n - 1)});
        for (int j = 1; j < n; ++j) out.push_back(act::LoadNetAvatar{j});
        out.push_back(act::ShowPlayerNames{});
        out.push_back(act::ShowRulesCaption{});
        out.push_back(act::Code{s.sessionUp ? LO : kLayoutApplied});
        return done();
    }
    if (host.phase != Phase::Seated) return bad("a game message before the layout");
    // A new game, a resumed one or the end of this one leaves no play of the last to answer.
    if (code == GS || code == RC || code == EG) {
        host.moved = false;
        host.awaiting = 0;
    }

    switch (code) {
        case GS:
            if (!IsBare(line)) return bad("a damaged new-game notice");
            if (!older || s.sessionUp) {
                out.push_back(act::TableReset{});
                out.push_back(act::Status{"Click the DEAL button to begin.", true});
                out.push_back(act::HumanPiles{false});
                out.push_back(act::Label{2, "Click the DEAL button to begin:"});
                out.push_back(act::Label{1, "\nHOST began a NEW GAME!"});
                out.push_back(act::Beep{});
                out.push_back(act::DealButton{true});
            } else {
                out.push_back(act::Send{0, BareLine(GS)});
                s.netReceived = true;
                out.push_back(act::Status{"", false});
            }
            out.push_back(act::Label{0, ""});
            out.push_back(act::Code{GS});
            return done();
        case DK: {
            const std::string_view payload = PayloadOf(line);
            if (!ParseFields(payload, 2 * static_cast<size_t>(kMaxCards) + 4, fault))
                return bad(fault.text);
            out.push_back(act::DeckIn{Trim(payload)});
            out.push_back(act::Code{DK});
            return done();
        }
        case TR: {
            auto turn = ParseTurn(line, g.NumPlayers, fault);
            if (!turn) return bad(fault.text);
            int pturn = *turn;
            if (older && pturn <= 2) pturn = 3 - pturn;
            out.push_back(act::FirstPlayer{static_cast<i16>(pturn)});
            out.push_back(act::Label{0, " "});
            out.push_back(act::EnableChatSend{});
            out.push_back(act::Answers{g.NumPlayers});
            out.push_back(act::Code{TR});
            return done();
        }
        case PC:
            if (!IsBare(line)) {
                auto move = ParseMove(line, g.NumCenters, fault);
                if (!move) return bad(fault.text);
                if (g.Pturn < 2 || g.Pturn > g.NumPlayers)
                    return bad("a card play when no other player is on turn");
                if (std::string why = MoveFault(g, g.Pturn, move->from, move->to); !why.empty())
                    return bad(why);
                host.moved = true;
                s.netReceived = true;
                out.push_back(
                    act::MoveIn{static_cast<i16>(move->from), static_cast<i16>(move->to)});
                out.push_back(act::Code{PC});
                return done();
            }
            [[fallthrough]];
        case WT:
        case OK:
            if (!IsBare(line)) return bad("a damaged move message");
            if (TakeAnswer(s, 0, code)) out.push_back(act::Answers{g.NumPlayers});
            host.moved = false;
            out.push_back(act::Code{code});
            return done();
        case RS:
            if (!IsBare(line)) return bad("a damaged resume notice");
            out.push_back(act::Code{RS});
            return done();
        case RC: {
            const int seat = g.NumPlayers == 2 ? 1 : g.NetValue2;
            auto position = ReadRecover(PayloadOf(line), s.peerVersion, seat, fault);
            if (!position) return bad(fault.text);
            out.push_back(act::Restore{*position});
            out.push_back(act::Status{"Click the Deal button to resume this game.", true});
            out.push_back(act::Label{1, "\nHOST resumed a saved game."});
            if (s.peerVersion < "74")
                out.push_back(act::PeekLabel{"This is NOT a secure saved game."});
            out.push_back(act::DealButton{true});
            out.push_back(act::Beep{});
            out.push_back(act::Code{RC});
            return done();
        }
        case EG:
            if (!IsBare(line)) return bad("a damaged end-of-game notice");
            out.push_back(act::TableReset{});
            out.push_back(
                act::Label{1, "Host has ended this game. Wait for the start of a new game."});
            out.push_back(act::Code{EG});
            return done();
        default:
            return done();  // "LO" alone: only a remote answers with it
    }
}

}  // namespace

std::array<NetSeat, 5> SeatsOf(const SessionState& s) {
    std::array<NetSeat, 5> seats{};
    if (!s.config.host) return seats;
    for (int i = 1; i <= 4; ++i) {
        const PeerState& p = s.peers[static_cast<size_t>(i)];
        if (!Playing(p)) continue;
        seats[static_cast<size_t>(i)] =
            NetSeat{p.name, static_cast<i16>(i), 7, static_cast<i16>(p.seat)};
    }
    return seats;
}

std::string MoveFault(const Game& g, int player, int from, int to) {
    const bool working = g.WorkingOpp == player - 1;
    const OpponentRecord& rec = g.Opp[static_cast<size_t>(player - 1)];
    const PorC& cards = working ? g.CurCards : rec.Cards;
    const HoldInfo& hold = working ? g.HoldPileInfo : rec.HoldPileInfo;
    const i16 rank = cards[kRank][static_cast<size_t>(from)];
    if (rank == 0) return "a card played from an empty place";
    if (to <= g.NumCenters && !CenterAccepts(g, rank, to))
        return "a card the center pile does not take";
    if (to >= 7 && to <= 10 && hold[static_cast<size_t>(to - 6)][1] >= kHoldCapacity)
        return "a discard onto a full hold pile";
    return "";
}

Outcome Dispatch(SessionState s, const Game& g, int peer, std::string_view line) {
    if (peer < 0 || peer > 4 || (!s.config.host && peer != 0) ||
        !Playing(s.peers[static_cast<size_t>(peer)]))
        return {std::move(s), {}};
    const i16 code = CodeOf(line);
    Out out;
    if (code == SY || code == PK) {
        const PeerState& p = s.peers[static_cast<size_t>(peer)];
        // The host's busy line may reach a remote before anything else.
        if (p.phase != Phase::Seated && (s.config.host || code == PK)) return {std::move(s), {}};
        Fault fault;
        if (code == SY) {
            auto chat = ParseChat(line, fault);
            if (!chat) return ProtocolFault(std::move(s), g, peer, fault.text);
            HandleChat(s, g, peer, *chat, out);
        } else {
            auto peeking = ParsePeek(line, fault);
            if (!peeking) return ProtocolFault(std::move(s), g, peer, fault.text);
            HandlePeek(s, g, peer, *peeking, out);
        }
        return {std::move(s), std::move(out)};
    }
    if (code == 0) return {std::move(s), {}};  // no message of the protocol: ignored
    // Any other line of the host's ends the wait its word was about.
    if (!s.config.host) s.hostWaitsFor.clear();
    return s.config.host ? HostLine(std::move(s), g, peer, line, code, false)
                         : RemoteLine(std::move(s), g, line, code);
}

Outcome DispatchJoiner(SessionState s, const Game& g, int peer, std::string_view line) {
    if (!s.config.host || peer < 1 || peer > 4 || !Joining(s.peers[static_cast<size_t>(peer)]))
        return {std::move(s), {}};
    const i16 code = CodeOf(line);
    // Chat and anything outside the protocol mean nothing before the seat.
    if (code == SY || code == PK || code == 0) return {std::move(s), {}};
    return HostLine(std::move(s), g, peer, line, code, true);
}

Outcome SeatJoiner(SessionState s, const Game& g, int peer) {
    if (!s.config.host || peer < 1 || peer > 4) return {std::move(s), {}};
    PeerState& p = PeerAt(s, peer);
    if (p.phase != Phase::Named || !p.seatDue) return {std::move(s), {}};
    Out out;
    p.seatDue = false;
    if (!TurnedAwayForWantOfPlace(s, g, peer, out)) Seat(s, g, peer, out);
    return {std::move(s), std::move(out)};
}

bool Joining(const PeerState& p) {
    return p.phase == Phase::Accepted || p.phase == Phase::Greeted || p.phase == Phase::Named;
}

Outcome Accepted(SessionState s, const Game& g, int peer) {
    Out out;
    if (peer < 1 || peer > 4) return {std::move(s), {}};
    PeerAt(s, peer) = InPhase(Phase::Accepted);
    s.numSockets = std::max(s.numSockets, peer);
    int others = 0;
    for (int i = 1; i <= 4; ++i)
        if (i != peer && Playing(s.peers[static_cast<size_t>(i)])) ++others;
    if (others == 0) {
        SendHello(s, peer, out);
        s.helloBusy = true;
    } else if ((s.versionKnown && OlderPeer(s)) || peer == 4 ||
               (g.NetConnected == 99 ? 0 : g.NetConnected) + 1 >= g.NumPlayers) {
        // Until the first joiner's version is in, a second one waits for its hello below.
        const bool older = s.versionKnown && OlderPeer(s);
        s.pendingHello = 0;
        Refuse(s, peer, out);
        if (older) out.push_back(act::Connected{1});
        out.push_back(JoinDenied(g, older));
        out.push_back(act::Code{0});
    } else if (!s.helloBusy) {
        SendHello(s, peer, out);
        s.helloBusy = true;
    } else {
        s.pendingHello = peer;
    }
    out.push_back(act::Seats{SeatsOf(s)});
    return {std::move(s), std::move(out)};
}

Outcome NewLayout(SessionState s, const Game& g) {
    Out out;
    if (!s.config.host) return {std::move(s), {}};
    if (g.HumanSideCount != 0 || g.CurSideCount != 0) {
        out.push_back(act::TableReset{});
        out.push_back(act::SendAll{0, BareLine(EG)});
    }
    AssignNetSeats(s, g, out);
    SendLayout(s, g, out);
    out.push_back(act::ShowPlayerNames{});
    out.push_back(act::ShowHostRules{});
    return {std::move(s), std::move(out)};
}

Outcome Connecting(SessionState s) {
    s.peers[0] = InPhase(Phase::Accepted);
    return {std::move(s), {}};
}

Outcome PeerLost(SessionState s, const Game& g, int peer) {
    if (peer < 0 || peer > 4 || !Playing(s.peers[static_cast<size_t>(peer)]))
        return {std::move(s), {}};
    Out out;
    if (s.config.host)
        HostPeerGone(s, g, peer, "", out);
    else
        RemoteHostGone(s, "", out);
    return {std::move(s), std::move(out)};
}

Outcome PeerBroke(SessionState s, const Game& g, int peer, const std::string& what) {
    if (peer < 0 || peer > 4 || !Playing(s.peers[static_cast<size_t>(peer)]))
        return {std::move(s), {}};
    return ProtocolFault(std::move(s), g, peer, what);
}

Outcome JoinAnswered(SessionState s, const Game& g, int peer, bool accept) {
    if (peer < 1 || peer > 4 || PeerAt(s, peer).phase != Phase::Named) return {std::move(s), {}};
    Out out;
    if (accept) {
        AcceptJoiner(s, g, peer, out);
    } else {
        Refuse(s, peer, out);
        out.push_back(act::Connected{static_cast<i16>(g.NetConnected - 1)});
    }
    return {std::move(s), std::move(out)};
}

void NoteSent(SessionState& s, bool toAll, int peer, std::string_view line) {
    const i16 code = CodeOf(line);
    const bool bare = IsBare(line);
    bool starts = false;
    if (s.config.host) {
        // The host's own lines that ask for answers; a single bare "PC", "WT" or "OK" answers
        // the mover.
        starts = code == GS ||
                 (!bare && (code == DK || code == TR || code == RC || code == LO || code == PC)) ||
                 (toAll && (code == WT || code == OK));
    } else {
        // A remote asks for answers only to its own card plays and their closes.
        if (code == PC && !bare) {
            starts = true;
            s.ownPlay = true;
        } else if ((code == WT || code == OK) && s.ownPlay) {
            starts = true;
            s.ownPlay = false;
        }
    }
    // The host's own card play: after its discard the next player may play at once.
    if (s.config.host && toAll && peer == 0 && code == PC && !bare) {
        Fault fault;
        const auto move = ParseMove(line, kMaxCenters, fault);
        s.turnClosing = move && IsDiscard(*move) ? 1 : 0;
    }
    // A new game, layout or resumed game leaves no card play of the last one to close.
    if (code == GS || code == LO || code == RC || code == EG) {
        for (PeerState& p : s.peers) p.moved = false;
        s.turnClosing = 0;
    }
    if (!starts) return;
    s.answered = 0;
    for (int i = 0; i <= 4; ++i) {
        PeerState& p = s.peers[static_cast<size_t>(i)];
        const bool target = toAll ? i != peer : i == peer;
        if (target && p.phase == Phase::Seated) p.awaiting = code;
    }
}

}  // namespace net

namespace net {

SessionState NewSession(SessionConfig config) {
    SessionState s;
    s.config = std::move(config);
    return s;
}

}  // namespace net
