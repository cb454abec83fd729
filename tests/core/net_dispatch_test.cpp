// Handling the peers' lines on the host and on a remote: the join, the answers of an exchange,
// the card plays, chat, and every hostile case ending that peer's game cleanly.
#include <gtest/gtest.h>

#include "engine/seat_map.h"
#include "engine_fixture.h"
#include "net/apply_to_game.h"
#include "net/chat_lines.h"
#include "net/dispatch.h"
#include "net/line_framer.h"
#include "net/number_cards.h"
#include "net/quiet_peer.h"
#include "net/recover.h"

using namespace net;

namespace {

template <typename T>
std::vector<T> All(const std::vector<Action>& actions) {
    std::vector<T> out;
    for (const auto& a : actions)
        if (auto* t = std::get_if<T>(&a)) out.push_back(*t);
    return out;
}
template <typename T>
bool Has(const std::vector<Action>& actions) {
    return !All<T>(actions).empty();
}
std::vector<std::string> Sent(const std::vector<Action>& actions) {
    std::vector<std::string> out;
    for (const auto& a : actions) {
        if (auto* s = std::get_if<act::Send>(&a))
            out.push_back(std::to_string(s->peer) + ":" + s->line);
        if (auto* s = std::get_if<act::SendAll>(&a))
            out.push_back("all-" + std::to_string(s->except) + ":" + s->line);
    }
    return out;
}

struct NetTest : EngineFixture {
    SessionState s;
    std::vector<Action> last;

    void Host(int players) {
        Fresh();
        Players(players, players == 2 ? 3 : 4);
        g.NetConnected = 99;
        g.IsHost = 1;
        SessionConfig c;
        c.host = true;
        c.playerName = "Hana";
        c.soundFiles = {"ding.wav"};
        c.iconFiles = {"smile.gif"};
        s = NewSession(c);
        s.sessionUp = true;
    }
    void Remote() {
        Fresh();
        Players(2, 3);
        g.NetConnected = 99;
        SessionConfig c;
        c.playerName = "Remy";
        s = NewSession(c);
        Take(Connecting(s));
    }
    void Take(Outcome o) {
        s = std::move(o.state);
        last = std::move(o.actions);
        for (const auto& a : last) ApplyToGame(g, a);
    }
    std::vector<Action>& Line(int peer, const std::string& line) {
        Take(Dispatch(s, g, peer, line));
        return last;
    }
    // A joiner on `socket` greeted, named and seated.
    void Join(int socket, const std::string& name) {
        Take(Accepted(s, g, socket));
        Line(socket, "IP ^ 8. 4. 0");
        Line(socket, "NM " + name);
        if (Has<act::AskJoin>(last)) Take(JoinAnswered(s, g, socket, true));
    }
    bool Faulted(int peer) {
        for (const auto& f : All<act::PeerFault>(last))
            if (f.peer == peer) return true;
        return false;
    }
};

}  // namespace

TEST_F(NetTest, AJoinerIsGreetedNamedAndSeatedInThatOrder) {
    Host(2);
    Take(Accepted(s, g, 1));
    EXPECT_EQ(Sent(last), std::vector<std::string>{"1:IP ^ 8. 4. 0^ 1"});
    Line(1, "IP ^ 8. 4. 0");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"1:NM Hana"});
    EXPECT_EQ(g.NetConnected, 1);
    EXPECT_EQ(g.PeerVersion, "84");
    Line(1, "NM Ann");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"1:LO  2  1|"});
    EXPECT_EQ(g.Opp[1].Name, "Ann");
    EXPECT_EQ(g.NetSeats[1].Seat, 1);
    EXPECT_EQ(g.NetSeats[1].Kind, 7);
    EXPECT_EQ(All<act::Label>(last)[0].text, "Ann has joined the game.");
}

// Two joiners at about the same moment: the second waits for the first's hello to be answered
// and is greeted then. When the first took the last place, the second's name turns it away
// (busy line, farewell, the host told why) instead of leaving it connected without a seat; with
// a place left it is asked about as usual.
TEST_F(NetTest, AJoinerGreetedAfterAnotherIsTurnedAwayByItsNameWhenNoPlaceIsLeft) {
    for (const int players : {2, 3}) {
        SCOPED_TRACE(std::to_string(players) + " players");
        Host(players);
        Take(Accepted(s, g, 1));
        Take(Accepted(s, g, 2));
        EXPECT_TRUE(Sent(last).empty());
        Line(1, "IP ^ 8. 4. 0");
        EXPECT_EQ(Sent(last), (std::vector<std::string>{"1:NM Hana", "2:IP ^ 8. 4. 0^ 2"}));
        Line(1, "NM Ann");
        Line(2, "IP ^ 8. 4. 0");
        EXPECT_EQ(g.NetConnected, 2);
        Line(2, "NM Bob");
        if (players == 3) {
            EXPECT_TRUE(Has<act::AskJoin>(last));
            EXPECT_TRUE(Sent(last).empty());
            continue;
        }
        EXPECT_EQ(Sent(last),
                  (std::vector<std::string>{"2:SY  0#" + std::string(kBusyLine), "2:GO"}));
        EXPECT_EQ(All<act::Close>(last).at(0).peer, 2);
        EXPECT_EQ(g.NetConnected, 1);
        EXPECT_EQ(g.NetSeats[2].Kind, 0);
        EXPECT_EQ(g.NetSeats[1].Kind, 7);
        ASSERT_EQ(All<act::Box>(last).size(), 1u);
        EXPECT_EQ(All<act::Box>(last)[0].text,
                  "A new opponent tried to join this game.\nYour game is setup for 2 players. "
                  "Change the Player Setup if you want to add a player. Then ask the new opponent "
                  "to connect.");
        EXPECT_EQ(All<act::Box>(last)[0].title, "Connection Request Denied");
    }
}

TEST_F(NetTest, AStrangerGetsNothingBeforeItsTurnInTheJoin) {
    struct Case {
        std::vector<std::string> lines;  // after the host's hello
        bool fault;
        bool badName = false;  // turned away with the reason instead of cut off
    } cases[] = {
        {{"NM Ann"}, true},                        // a name before the hello
        {{"IP ^ 8. 4. 0", "IP ^ 8. 4. 0"}, true},  // the hello twice
        {{"IP ^ 8. 4. 0", "PC  3# 1"}, false},     // a move before it is seated: ignored
        {{"IP ^ 8. 4. 0", "SY  1#hi"}, false},     // chat before it is seated: ignored
        {{"IP ^ 8. 4. 0", "EG"}, false},
        {{"IP ^ 8. 4. 0", "NM ../../x"}, true, true},
        {{"IP ^ 8. 4. 0", "NM <script>"}, true, true},
        {{"IP ^ 8. 4. 0", "NM a\x07"}, true, true},
    };
    for (const auto& c : cases) {
        Host(2);
        Take(Accepted(s, g, 1));
        for (const auto& line : c.lines) Line(1, line);
        EXPECT_EQ(Faulted(1), c.fault && !c.badName) << c.lines.back();
        if (c.fault) {
            EXPECT_EQ(Sent(last).back(), "1:GO");
            EXPECT_EQ(Sent(last).front().rfind(
                          c.badName ? "1:SY  0#BRIVO: " + std::string(kNameRefused) : "1:GO", 0),
                      0u)
                << c.lines.back();
            EXPECT_TRUE(Has<act::Close>(last));
            // A stranger never ends the host's game: the host waits on for a real player.
            EXPECT_FALSE(Has<act::EndInternetGame>(last));
        } else {
            EXPECT_TRUE(Sent(last).empty() || c.lines.size() == 1) << c.lines.back();
            EXPECT_FALSE(Has<act::MoveIn>(last));
            EXPECT_FALSE(Has<act::ChatShown>(last));
        }
    }
}

TEST_F(NetTest, AnswersAreCountedOncePerPeerTheExchangeWaitsFor) {
    Host(4);
    Join(1, "Ann");
    Join(2, "Bob");
    Join(3, "Cy");
    ASSERT_EQ(g.NetConnected, 3);
    EXPECT_EQ(g.NetSeats[3].Seat, 3);
    g.Pturn = 1;
    g.NetAnswers = 1;
    NoteSent(s, true, 0, "WT");  // the host's own play goes on
    Line(2, "WT");
    EXPECT_EQ(g.NetAnswers, 2);
    Line(2, "WT");  // the same answer again
    EXPECT_EQ(g.NetAnswers, 2);
    Line(1, "WT");
    Line(3, "WT");
    EXPECT_EQ(g.NetAnswers, 4);
    EXPECT_EQ(g.NetCode, WT);
    // A relay waits for the others only, and the mover's own close is no answer.
    g.Pturn = 3;  // Bob, seat 2
    Put(g.Opp[2].Cards, 3, 1);
    Line(2, "PC  3# 1");
    EXPECT_EQ(g.NetCode, PC);
    EXPECT_EQ(g.MoveFrom, 3);
    g.NetAnswers = 1;
    NoteSent(s, true, 2, "PC  3# 1");
    NoteSent(s, false, 2, "PC");  // the host's answer to the mover asks for nothing
    Line(2, "PC");
    EXPECT_EQ(g.NetAnswers, 1);
    Line(1, "PC");
    Line(3, "PC");
    EXPECT_EQ(g.NetAnswers, 3);
}

// Ann (socket 1) owes the answer to the host's play; Bob (socket 2, player 3) is on turn and owes
// his play's close. A program answers those by itself, so a line of the wrong kind in their
// place ends the game with its player; the right one, or either close after a side card, counts.
TEST_F(NetTest, AWrongAnswerOrCloseFromThePeerAwaitedEndsTheGameWithIt) {
    struct Case {
        const char* hostSent;  // the host's line to all that Ann answers ("" none)
        int peer;
        std::vector<std::string> lines;
        const char* fault;  // "" when the last line counts
    } cases[] = {
        {"WT", 1, {"OK"}, "an answer of the wrong kind"},
        {"PC  2# 1", 1, {"WT"}, "an answer of the wrong kind"},
        {"WT", 1, {"PC"}, "an answer of the wrong kind"},
        {"PC  2# 1", 1, {"PC"}, ""},
        {"", 2, {"PC  3# 7", "WT"}, "\"WT\" closing a play that ends the turn"},
        {"", 2, {"PC  3# 1", "OK"}, "\"OK\" closing a play that does not end the turn"},
        {"", 2, {"PC  3# 7", "OK"}, ""},
        {"", 2, {"PC  1# 1", "OK"}, ""},
        {"", 2, {"PC  1# 1", "WT"}, ""},
    };
    for (const auto& c : cases) {
        Host(3);
        Join(1, "Ann");
        Join(2, "Bob");
        g.Pturn = *c.hostSent ? 1 : 3;
        Put(g.Opp[2].Cards, 3, 1);
        Put(g.Opp[2].Cards, 1, 1);
        if (*c.hostSent) NoteSent(s, true, 0, c.hostSent);
        for (const std::string& line : c.lines) Line(c.peer, line);
        const std::string where = c.lines.front() + " " + c.lines.back();
        const auto faults = All<act::PeerFault>(last);
        if (*c.fault) {
            EXPECT_EQ(faults.size(), 1u) << where;
            for (const auto& f : faults) EXPECT_EQ(f.peer, c.peer) << where;
            for (const auto& f : faults) EXPECT_EQ(f.what, c.fault) << where;
        } else {
            EXPECT_TRUE(faults.empty()) << where;
            EXPECT_EQ(g.NetCode, CodeOf(c.lines.back())) << where;
        }
    }
}

TEST_F(NetTest, ACardPlayMustBeOneThePlayerOnTurnCanMake) {
    Host(2);
    Join(1, "Ann");
    g.Pturn = 2;
    OpponentRecord ann = g.Opp[1];
    Put(ann.Cards, 3, 14);  // an Ace in hand slot 3
    Put(ann.Cards, 4, 5);   // a Five in slot 4
    ann.HoldPileInfo[2][1] = kHoldCapacity;
    struct Case {
        std::string line;
        const char* fault;  // nullptr: taken
    } cases[] = {
        {"PC  3# 1", nullptr},
        {"PC  4# 1", "a card the center pile does not take"},
        {"PC  5# 1", "a card played from an empty place"},
        {"PC  3# 8", "a discard onto a full hold pile"},
        {"PC  3# 9", nullptr},
        {"PC  3# 14", nullptr},
        {"PC  3# 4", "a card move from or to a place that does not exist"},
        {"PC  0# 1", "a card move from or to a place that does not exist"},
        {"PC  11# 1", "a card move from or to a place that does not exist"},
        {"PC 3", "a damaged card move"},
    };
    for (const auto& c : cases) {
        Host(2);
        Join(1, "Ann");
        g.Pturn = 2;
        g.Opp[1] = ann;
        Line(1, c.line);
        if (!c.fault) {
            EXPECT_FALSE(Faulted(1)) << c.line;
            EXPECT_EQ(g.NetCode, PC) << c.line;
            continue;
        }
        ASSERT_TRUE(Faulted(1)) << c.line;
        EXPECT_EQ(All<act::PeerFault>(last)[0].what, c.fault);
        EXPECT_FALSE(Has<act::MoveIn>(last));
        EXPECT_NE(g.NetCode, PC);
    }
    // Out of turn.
    Host(2);
    Join(1, "Ann");
    g.Pturn = 1;
    g.Opp[1] = ann;
    Line(1, "PC  3# 1");
    EXPECT_TRUE(Faulted(1));
}

TEST_F(NetTest, ARemoteTakesTheHostsHelloNameAndLayout) {
    Remote();
    Line(0, "IP ^ 8. 4. 0^ 2");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"0:IP ^ 8. 4. 0"});
    EXPECT_EQ(g.NetValue2, 2);
    EXPECT_EQ(g.NetConnected, 1);
    Line(0, "NM Hana");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"0:NM Remy"});
    EXPECT_EQ(g.HostPlayerName, "Hana");
    Line(0, "LO  4  2|Ann|Remy|Cy|");
    EXPECT_EQ(g.NumPlayers, 4);
    EXPECT_EQ(g.NetValue2, 2);
    EXPECT_EQ(g.NetCode, kLayoutApplied);
    // Seat 2 of four: Opp1 is C, Opp2 the host, Opp3 A.
    EXPECT_EQ(g.Opp[1].Name, "Cy");
    EXPECT_EQ(g.Opp[2].Name, "Hana");
    EXPECT_EQ(g.Opp[3].Name, "Ann");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"0:LO"});
    Line(0, "TR  3");
    EXPECT_EQ(g.Pturn, 3);
    EXPECT_EQ(g.NetCode, TR);
}

// The game the host gives to resume is on the remote's table before its player takes it up:
// a remote that never dealt one draws its side piles face up from then on.
TEST_F(NetTest, AGameGivenToResumeIsAStartedGame) {
    Fresh();
    Players(2, 3);
    e.SetUp();
    e.Deal_All();
    g.Pturn = 1;
    const std::string given = RecoverText(g, "84");
    Remote();
    Line(0, "IP ^ 8. 4. 0^ 1");
    Line(0, "NM Hana");
    Line(0, LayoutLine(2, 3, 1, {}));
    ASSERT_EQ(g.GameStarted, VbFalse);
    Line(0, "RC " + given);
    EXPECT_EQ(g.NetResume, 1);
    EXPECT_EQ(g.HumanSideCount, 20);
    EXPECT_EQ(g.GameStarted, VbTrue);
}

TEST_F(NetTest, ARemoteStopsNamingTheDealerBeforeSayingTheGameIsOver) {
    Remote();
    Line(0, "IP ^ 8. 4. 0^ 2");
    Line(0, "NM Hana");
    Line(0, "GO");
    std::vector<std::string> got;
    for (const auto& a : last) {
        if (auto* p = std::get_if<act::StatusPanel>(&a))
            got.push_back("panel " + std::to_string(p->panel) + " '" + p->text + "'");
        if (auto* b = std::get_if<act::Box>(&a)) got.push_back("box " + b->text);
        if (std::holds_alternative<act::EndInternetGame>(a)) got.push_back("end");
    }
    EXPECT_EQ(got,
              (std::vector<std::string>{"panel 5 ''", "box Dealer has terminated game.", "end"}));
}

TEST_F(NetTest, TheLayoutNamesFollowTheSeatMapForEveryTable) {
    const std::vector<std::string> hostOpps = {"A", "B", "C"};
    for (int n = 3; n <= 4; ++n)
        for (int seat = 1; seat < n; ++seat) {
            Remote();
            Line(0, "IP ^ 8. 4. 0^ 1");
            Line(0, "NM host");
            std::string line = "LO " + std::to_string(n) + " " + std::to_string(seat) + "|";
            for (int k = 0; k < n - 1; ++k) line += hostOpps[static_cast<size_t>(k)] + "|";
            Line(0, line);
            for (int local = 2; local <= n; ++local) {
                const int q = HostOfLocal(local, seat, n);
                EXPECT_EQ(g.Opp[local - 1].Name, q == 1 ? "host" : hostOpps[q - 2])
                    << n << " players, seat " << seat << ", local " << local;
                EXPECT_EQ(LocalOfHost(q, seat, n), local);
            }
            // The engine's turn translation agrees for every host player.
            for (int q = 1; q <= n; ++q) {
                g.Pturn = static_cast<i16>(q);
                e.PturnCalculate();
                EXPECT_EQ(g.Pturn, LocalOfHost(q, seat, n)) << n << " " << seat << " " << q;
            }
        }
}

TEST_F(NetTest, HostileLinesEndTheGameWithTheHostCleanly) {
    const std::string cases[] = {
        "TR  0",     "TR  9",     "LO  3  0|A|B|", "LO  3  1|A|",  "NM x|y",   "DK  1# 2#x",
        "PC  12# 1", "RC  1# 2#", "IP ^ 8. 4. 0",  "SY no number", "PK maybe", "GS x",
    };
    for (const auto& line : cases) {
        Remote();
        Line(0, "IP ^ 8. 4. 0^ 1");
        Line(0, "NM Hana");
        Line(0, "LO  2  1|");
        g.Pturn = 2;
        Line(0, line);
        EXPECT_TRUE(Faulted(0)) << line;
        EXPECT_TRUE(Has<act::EndInternetGame>(last)) << line;
        EXPECT_EQ(g.NetConnected, 0) << line;
        EXPECT_FALSE(Has<act::FirstPlayer>(last) || Has<act::Layout>(last) ||
                     Has<act::DeckIn>(last) || Has<act::Restore>(last))
            << line;
        Line(0, "TR  1");  // nothing more is taken from it
        EXPECT_TRUE(last.empty()) << line;
    }
    // A megabyte without a line end.
    Inbox in;
    bool ok = true;
    for (int i = 0; i < 256 && ok; ++i) ok = in.Feed(0, std::string(4096, 'x'));
    EXPECT_FALSE(ok);
    Remote();
    Line(0, "IP ^ 8. 4. 0^ 1");
    Take(PeerBroke(s, g, 0, "a line longer than the protocol allows"));
    EXPECT_TRUE(Faulted(0));
    EXPECT_EQ(g.NetConnected, 0);
}

TEST_F(NetTest, ChatCommandsAreCheckedBeforeAnythingHappens) {
    Host(2);
    Join(1, "Ann");
    g.NetConnected = 1;
    struct Case {
        std::string text;
        std::vector<std::string> expect;  // kinds of action, in order
    } cases[] = {
        {"Ann: hello", {"chat", "sound 110", "label hello"}},
        {"Ann: WAV ding.wav", {"peer sound ding.wav", "label Sound from Ann: ding"}},
        {"Ann: WAV ../../etc/x.wav",
         {"label Sound from Ann: ../../etc/x\n(You don't have this sound)"}},
        {"Ann: wav nope.wav", {"label Sound from Ann: nope\n(You don't have this sound)"}},
        {"Ann: http://example.org/a", {"chat", "link http://example.org/a"}},
        {"Ann: http://x y", {"chat", "sound 110", "label http://x y"}},
        {"Ann: ICO smile!hi", {"emoticon smile.gif", "chat", "sound 110", "label hi"}},
        {"Ann: ICO ../x!hi", {"chat", "sound 110", "label hi"}},
        {"Ann: <SLAP>", {"slap", "label Ann: sent SLAP!"}},
        {"Ann: KRAMB", {"card show"}},
        {"Ann Quit!^", {"chat", "sound 110", "label Ann Quit!"}},
        {"Ann: Ann Quit!^", {"chat", "sound 110", "label Ann Quit!^"}},
    };
    for (const auto& c : cases) {
        Line(1, ChatLine(3, c.text));
        // The emoticon of the line before goes first, whatever this line carries.
        ASSERT_FALSE(last.empty());
        const auto* hide = std::get_if<act::Emoticon>(&last.front());
        EXPECT_TRUE(hide && hide->file.empty()) << c.text;
        last.erase(last.begin());
        std::vector<std::string> got;
        for (const auto& a : last) {
            if (std::holds_alternative<act::ChatShown>(a)) got.push_back("chat");
            if (auto* x = std::get_if<act::DataSound>(&a))
                got.push_back("sound " + std::to_string(x->id));
            if (auto* x = std::get_if<act::Label>(&a)) got.push_back("label " + x->text);
            if (auto* x = std::get_if<act::PeerSound>(&a)) got.push_back("peer sound " + x->file);
            if (auto* x = std::get_if<act::Link>(&a)) got.push_back("link " + x->url);
            if (auto* x = std::get_if<act::Emoticon>(&a)) got.push_back("emoticon " + x->file);
            if (std::holds_alternative<act::Slap>(a)) got.push_back("slap");
            if (std::holds_alternative<act::CardShow>(a)) got.push_back("card show");
        }
        EXPECT_EQ(got, c.expect) << c.text;
        EXPECT_FALSE(Has<act::Code>(last)) << "chat never wakes a wait: " << c.text;
    }
    // The card show only between games; during one it is ordinary chat.
    g.Pturn = 2;
    Line(1, ChatLine(4, "Ann: KRAMB"));
    EXPECT_FALSE(Has<act::CardShow>(last));
    EXPECT_TRUE(Has<act::ChatShown>(last));
}

TEST_F(NetTest, ARemoteShowsEveryFarewellWithoutItsMarkAndOffersTheSave) {
    struct Case {
        std::string text, shown;
        bool offersSave;
    } cases[] = {
        {"Hana Quit!^", "Hana Quit!", true},          // the host's own
        {"Rita Quit!^", "Rita Quit!", true},          // another remote's, passed on by the host
        {"Hana: Rita Quit!^", "Rita Quit!^", false},  // typed: only chat
    };
    for (const auto& c : cases) {
        Remote();
        Line(0, "IP ^ 8. 4. 0^ 2");
        Line(0, "NM Hana");
        Line(0, ChatLine(4, c.text));
        const auto labels = All<act::Label>(last);
        ASSERT_EQ(labels.size(), 1u) << c.text;
        EXPECT_EQ(labels[0].text, c.shown);
        EXPECT_EQ(Has<act::AskSaveEndedGame>(last), c.offersSave) << c.text;
    }
}

TEST_F(NetTest, TheHostRelaysChatUnderItsOwnNumberAndPeekNoticesOncePerOtherRemote) {
    Host(4);
    Join(1, "Ann");
    Join(2, "Bob");
    Join(3, "Cy");
    for (int i = 0; i < 7; ++i) s.chatSeq.Next();
    Line(2, ChatLine(1, "Bob: hi all"));
    EXPECT_EQ(Sent(last), std::vector<std::string>{"all-2:SY  8#Bob: hi all"});
    // A remote's peek notice reaches the other remotes as it reaches the host.
    Line(2, "PK True");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"all-2:PK True"});
    EXPECT_EQ(All<act::PeekLabel>(last).at(0).text, "Opponent is PEEKING!");
    Line(3, "PK False");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"all-3:PK False"});
}

#include "engine/turn_order.h"
#include "net/session.h"

namespace {

// A host of three players with Ann (socket 1, player 2) and Bob (socket 2, player 3) seated, and
// an Ace in Bob's hand slot 3.
struct SeatedHost {
    Game g;
    NetSession net{Config()};

    static SessionConfig Config() {
        SessionConfig c;
        c.host = true;
        c.playerName = "Hana";
        return c;
    }
    SeatedHost() {
        g.NumPlayers = 3;
        g.NumCards = 156;
        g.NumCenters = 4;
        g.NetConnected = 99;
        g.IsHost = 1;
        for (int socket : {1, 2}) {
            apply(net.Accept(g, socket));
            for (const char* line : {"IP ^ 8. 4. 0\n", socket == 1 ? "NM Ann\n" : "NM Bob\n"}) {
                net.Received(socket, line);
                while (auto a = net.Next(g)) apply(*a);
            }
            apply(net.JoinAnswer(g, socket, true));
            net.Received(socket, "LO\n");  // the layout taken
            while (auto a = net.Next(g)) apply(*a);
        }
        g.Opp[2].Cards[kId][3] = 1;
        g.Opp[2].Cards[kRank][3] = 1;
    }
    void apply(const std::vector<Action>& actions) {
        for (const auto& a : actions) ApplyToGame(g, a);
    }
    // Ann on turn discards her hand slot 2 onto her first hold pile: her turn is being closed,
    // and Bob's comes next.
    void AnnDiscards() {
        g.Pturn = 2;
        FillTurnOrder(g);
        g.Opp[1].Cards[kId][2] = 2;
        g.Opp[1].Cards[kRank][2] = 2;
        g.AwaitingMoveOf = 2;
        net.Received(1, "PC  2# 7\n");
        while (auto a = net.Next(g)) apply(*a);
        g.AwaitingMoveOf = 0;
    }
};

}  // namespace

TEST(NetSession, AnEarlyCardPlayWaitsForItsPlayersTurnAndChatPassesIt) {
    SeatedHost host;
    Game& g = host.g;
    NetSession& net = host.net;
    auto apply = [&](const std::vector<Action>& actions) { host.apply(actions); };
    ASSERT_EQ(g.NetSeats[2].Seat, 2);
    host.AnnDiscards();  // Ann's turn is being closed; Bob plays at once
    net.Sent(true, 2, "OK");
    ASSERT_TRUE(net.Received(2, "PC  3# 1\nSY  3#Bob: quick!\nWT\n"));
    ASSERT_TRUE(net.Received(1, "OK\n"));
    auto first = net.Next(g);  // Bob's chat passes his waiting play
    ASSERT_TRUE(first);
    EXPECT_FALSE(Has<act::Code>(*first));
    auto second = net.Next(g);  // Ann's answer
    ASSERT_TRUE(second);
    apply(*second);
    EXPECT_EQ(g.NetCode, OK);
    EXPECT_FALSE(net.Next(g));  // Bob's play waits for his turn
    g.Pturn = 3;
    EXPECT_FALSE(net.Next(g));  // and for the host to be ready for it (its cards are dealt)
    g.AwaitingMoveOf = 3;
    auto play = net.Next(g);
    ASSERT_TRUE(play);
    apply(*play);
    EXPECT_EQ(g.NetCode, PC);
    EXPECT_EQ(g.MoveFrom, 3);
    auto close = net.Next(g);
    ASSERT_TRUE(close);
    apply(*close);
    EXPECT_EQ(g.NetCode, WT);
}

// Bob (socket 2, player 3) sends a play while Ann (player 2) is on turn. A play that cannot wait
// for his turn (Ann is still playing, he owes an answer, it names no place) ends the game with
// him at once, and nothing behind it is left waiting; one sent as Ann's discard is being closed
// is checked when his turn comes.
TEST(NetSession, APlayThatCannotBeBobsNextIsRefusedAtOnceAndAHeldOneWhenHisTurnComes) {
    struct Case {
        const char* bytes;
        const char* owed;   // what the host asked of Bob and he has not answered ("" nothing)
        bool annDiscarded;  // Ann's turn is being closed
        bool heldToTurn;    // waits for his turn before it is refused
        const char* fault;  // why the game with Bob ended
    } cases[] = {
        {"PC  99# 1\nPC\n", "", true, false, "a card move from or to a place that does not exist"},
        {"PC  3# 1\nPC\n", "PC  5# 2", false, false, "a card play out of turn"},
        {"PC  3# 1\nPC\n", "", false, false, "a card play out of turn"},
        {"PC  2# 1\nPC\n", "", true, true, "a card played from an empty place"},
    };
    for (const auto& c : cases) {
        SeatedHost host;
        Game& g = host.g;
        NetSession& net = host.net;
        g.Pturn = 2;
        FillTurnOrder(g);
        if (c.annDiscarded) host.AnnDiscards();
        if (*c.owed) net.Sent(true, 1, c.owed);  // Ann's play passed on to Bob
        ASSERT_TRUE(net.Received(2, c.bytes));
        auto refused = net.Next(g);
        if (c.heldToTurn) {
            EXPECT_FALSE(refused) << c.bytes;
            g.Pturn = 3;
            g.AwaitingMoveOf = 3;
            refused = net.Next(g);
        }
        ASSERT_TRUE(refused) << c.bytes;
        const auto faults = All<act::PeerFault>(*refused);
        ASSERT_EQ(faults.size(), 1u) << c.bytes;
        EXPECT_EQ(faults[0].peer, 2);
        EXPECT_EQ(faults[0].what, c.fault);
        EXPECT_FALSE(net.HasLines()) << c.bytes;  // his answer behind it went with him
    }
}

// Bob plays as soon as Ann's discard reaches him, but Ann leaves and the host's table is reset
// before his play is taken: it belongs to the game that ended, and goes without a word.
TEST(NetSession, AHeldPlayOfAGameThatEndedHereIsDropped) {
    SeatedHost host;
    Game& g = host.g;
    NetSession& net = host.net;
    host.AnnDiscards();
    ASSERT_TRUE(net.Received(2, "PC  3# 1\n"));
    EXPECT_FALSE(net.Next(g));
    g.Pturn = 0;
    auto dropped = net.Next(g);
    ASSERT_TRUE(dropped);
    EXPECT_TRUE(All<act::PeerFault>(*dropped).empty());
    EXPECT_FALSE(Has<act::Code>(*dropped));
    EXPECT_FALSE(net.HasLines());
}

TEST_F(NetTest, OlderPeersGetTheTwoPlayerGameWithoutALayout) {
    // A joiner of 7.4 on the host: the game becomes two players and three centers, and "GS"
    // follows its name at once.
    Host(4);
    Take(Accepted(s, g, 1));
    Line(1, "IP ^ 7. 4. 0");
    EXPECT_EQ(g.PeerVersion, "74");
    EXPECT_EQ(g.NumPlayers, 2);
    EXPECT_EQ(g.NumCenters, 3);
    EXPECT_EQ(All<act::Box>(last)[0].title, "Playing older version.");
    Line(1, "NM Old");
    EXPECT_EQ(Sent(last), std::vector<std::string>{"1:GS"});
    // A second joiner is turned away with the busy line.
    Take(Accepted(s, g, 2));
    EXPECT_EQ(Sent(last), (std::vector<std::string>{"2:SY  0#" + std::string(kBusyLine), "2:GO"}));

    // A program without versions: number cards and the house rules.
    Host(2);
    g.SidePileSize = 9;
    Take(Accepted(s, g, 1));
    Line(1, "IP");
    EXPECT_EQ(g.PeerVersion, "40");
    EXPECT_EQ(g.NumberCards, VbTrue);
    EXPECT_EQ(g.SidePileSize, 19);

    // A remote of an older host: no layout; the host's first player 1 is this machine's 2.
    Remote();
    Line(0, "IP ^ 7. 4. 0");
    Line(0, "NM Old");
    Line(0, "TR  1");
    EXPECT_EQ(g.Pturn, 2);
    Line(0, "TR  2");
    EXPECT_EQ(g.Pturn, 1);
}

TEST_F(NetTest, AHostWithoutVersionsMakesAPictureDeckGiveWayToNumberCards) {
    Remote();
    Line(0, "IP");
    ASSERT_TRUE(Has<act::NumberCardsOnly>(last));
    struct Case {
        i16 faceDeck, after;
        bool told;
    };
    for (const Case c :
         {Case{0, 0, false}, Case{5, 5, false}, Case{6, 1, true}, Case{9, 1, true}}) {
        h.dialogs.lastText.clear();
        i16 deck = c.faceDeck;
        EXPECT_EQ(SwitchToNumberCards(deck, h.dialogs), c.told) << c.faceDeck;
        EXPECT_EQ(deck, c.after) << c.faceDeck;
        EXPECT_EQ(h.dialogs.lastText,
                  c.told ? "Unable to use picture playing cards!\nSwitching to number cards!" : "")
            << c.faceDeck;
    }
    EXPECT_EQ(h.dialogs.lastTitle, "Quorvane");
}

TEST_F(NetTest, AJoinDuringAGameEndsItOnTheHostToo) {
    Host(3);
    Join(1, "Ann");
    g.HumanSideCount = 12;
    g.Pturn = 2;
    g.NetCode = PC;
    Join(2, "Bob");
    EXPECT_EQ(g.NetCode, EG);  // the host's replay of Ann's turn stops waiting
    const auto sent = Sent(last);
    EXPECT_NE(std::find(sent.begin(), sent.end(), "all-2:EG"), sent.end());
    // Between games a joiner changes nothing of the host's waits.
    Host(3);
    Join(1, "Ann");
    g.NetCode = LO;
    Join(2, "Bob");
    EXPECT_NE(g.NetCode, EG);
}

// A remote's own play: the host's answer to its "PC" does not make its close ("OK") an answer
// to the host's play, so the host's "OK" completes the exchange.
TEST_F(NetTest, ARemotesOwnPlayIsClosedAfterTheHostsAnswer) {
    Remote();
    Line(0, "IP ^ 8. 4. 0^ 1");
    Line(0, "NM Hana");
    Line(0, "LO  2  1|");
    g.Pturn = 1;
    g.NetAnswers = 1;
    NoteSent(s, false, 0, "PC  2# 7");
    Line(0, "PC");
    EXPECT_EQ(g.NetAnswers, 2);
    g.NetAnswers = 1;
    NoteSent(s, false, 0, "OK");
    Line(0, "OK");
    EXPECT_EQ(g.NetAnswers, 2);
    EXPECT_EQ(g.NetCode, OK);
    // Replaying the host's play, the remote's own "WT" is an answer and asks for none.
    g.Pturn = 2;
    g.NetAnswers = 1;
    NoteSent(s, false, 0, "WT");
    Line(0, "WT");
    EXPECT_EQ(g.NetAnswers, 1);
}

// With three players a remote is told by the host whom its game waits for, and that the wait is
// over; neither word is chat, and a word naming nobody at the table is.
TEST_F(NetTest, TheHostsWordOnWhomItWaitsForIsNoChatAndEndsWithItsWait) {
    Remote();
    Line(0, "IP ^ 8. 4. 0^ 1");
    Line(0, "NM Hana");
    Line(0, "LO  3  1|Remy|Bob|");
    ASSERT_EQ(g.NumPlayers, 3);
    Line(0, QuietLine(1, "Bob"));
    EXPECT_EQ(s.hostWaitsFor, "Bob");
    EXPECT_FALSE(Has<act::Label>(last));
    Line(0, QuietLine(2, ""));
    EXPECT_EQ(s.hostWaitsFor, "");
    EXPECT_FALSE(Has<act::Label>(last));
    Line(0, QuietLine(3, "Zed"));
    EXPECT_EQ(s.hostWaitsFor, "");
    EXPECT_TRUE(Has<act::Label>(last));
}
