// The deal and the reshuffle of an Internet game against a scripted peer, the host's deck taken
// through the protocol's readers.
#include "engine_fixture.h"
#include "net/peer_deck.h"
#include "platform/vb_strings.h"

namespace {

struct RemoteTest : EngineFixture {
    void Remote(int players, int seat, const std::string& version = "80") {
        Fresh();
        Players(players);
        g.NetConnected = static_cast<i16>(players - 1);
        g.IsHost = 0;
        g.NetValue2 = static_cast<i16>(seat);
        g.PeerVersion = version;
        h.net.replies.clear();
        h.net.sent.clear();
        h.net.ended = false;
        h.net.takeDeal = [](Game& game) {
            net::Fault fault;
            return net::TakeDealFromPeer(game, fault);
        };
        h.net.takeReshuffle = [](Game& game) {
            net::Fault fault;
            return net::TakeReshuffleFromPeer(game, fault);
        };
    }
    // The host's deck in stock order (ids 1..NumCards unshuffled) and its rules.
    std::string DeckIds(int numCards, const std::string& rules = " 19# 0# 0# 0#") {
        std::string out;
        for (int i = 1; i <= numCards; ++i) out += Str(i) + "#";
        return out + rules;
    }
    void PeerSends(i16 code, std::string payload = "", i16 first = 0) {
        h.net.replies.push_back([this, code, payload, first] {
            g.NetCode = code;
            if (code == net::DK) g.RecoverText = payload;
            if (code == net::TR) g.Pturn = first;
        });
    }
};

}  // namespace

TEST_F(RemoteTest, EachHostPlayersCardsGoToTheSeatItIsHere) {
    struct Case {
        int players, seat;
        int hostPlayerOfHuman;  // whose cards this machine's human gets
        int hostPlayerOfOpp1;
        i16 sentFirst, localFirst;  // "TR": a two-player host sends this side's numbering
    } cases[] = {
        {2, 1, 2, 1, 2, 2},  // two players: the host's card on Opp1, the next on the human
        {4, 2, 3, 4, 1, 3},  // host -> Opp2, seat 1 -> Opp3, own -> human, seat 3 -> Opp1
        {4, 3, 4, 1, 1, 2}, {4, 1, 2, 3, 2, 1}, {3, 2, 3, 1, 1, 2},
    };
    for (const auto& c : cases) {
        Remote(c.players, c.seat);
        const int n = c.players;
        PeerSends(net::DK, DeckIds(52 * n));
        PeerSends(net::TR, "", c.sentFirst);
        e.SetUp();
        ASSERT_FALSE(h.net.ended);
        // Pass 1 of the side deal takes positions NumCards down: the host's player q gets
        // position NumCards - (q - 1); the id stays the host's, so every card is one card here too.
        auto idOf = [&](int q) { return static_cast<i16>(52 * n - (q - 1)); };
        EXPECT_EQ(g.HumanSide[kId][1], idOf(c.hostPlayerOfHuman)) << n << " seat " << c.seat;
        EXPECT_EQ(g.Opp[1].Side[kId][1], idOf(c.hostPlayerOfOpp1)) << n << " seat " << c.seat;
        EXPECT_EQ(g.Pturn, c.localFirst) << n << " seat " << c.seat;
        ASSERT_EQ(h.net.sent.size(), 2u);
        EXPECT_EQ(h.net.sent[0].second, "DK");
        EXPECT_EQ(h.net.sent[1].second, "TR");
    }
}

// A remote never starts a game of its own; the one it is dealt is on its table all the same,
// so that a redraw (a resumed game, changed preferences) shows the side piles face up.
TEST_F(RemoteTest, TheGameARemoteIsDealtIsStarted) {
    Remote(3, 1);
    g.GameStarted = VbFalse;
    PeerSends(net::DK, DeckIds(156));
    PeerSends(net::TR, "", 1);
    e.SetUp();
    e.GoDeal();
    ASSERT_FALSE(h.net.ended);
    EXPECT_EQ(g.GameStarted, VbTrue);
}

TEST_F(RemoteTest, PturnCalculateTranslatesTheHostsNumbering) {
    struct Case {
        int players, seat, host, local;
    } cases[] = {{4, 1, 1, 4}, {4, 1, 3, 2}, {3, 1, 1, 3}, {4, 2, 1, 3}, {3, 2, 1, 2},
                 {4, 2, 2, 4}, {4, 2, 4, 2}, {4, 3, 1, 2}, {4, 3, 4, 1}};
    for (const auto& c : cases) {
        Remote(c.players, c.seat);
        g.Pturn = static_cast<i16>(c.host);
        e.PturnCalculate();
        EXPECT_EQ(g.Pturn, c.local) << c.players << " seat " << c.seat << " host " << c.host;
    }
}

TEST_F(RemoteTest, TheRulesComeWithTheDeck) {
    Remote(2, 1);
    PeerSends(net::DK, DeckIds(104, " 9# 5# -1# -1#"));
    PeerSends(net::TR, "", 1);
    e.SetUp();
    EXPECT_EQ(g.SidePileSize, 9);
    EXPECT_EQ(g.ForcedCards, 5);
    EXPECT_EQ(g.NoWildAce, VbTrue);
    EXPECT_EQ(g.ShuffleSeparately, VbTrue);
    EXPECT_EQ(g.HumanSideCount, 10);
    EXPECT_EQ(g.HumanSideShape, 16);
}

TEST_F(RemoteTest, ABadDeckEndsTheInternetGameAndDealsNothing) {
    std::string missing = DeckIds(104);
    missing.erase(missing.find(" 50#"), 4);
    std::string twice = DeckIds(104);
    twice.replace(twice.find(" 50#"), 4, " 51#");
    std::string sameRankTwice = DeckIds(104);  // the Ace of the second suit sent as the first's
    sameRankTwice.replace(sameRankTwice.find(" 14#"), 4, " 1#");
    std::string otherDeck = DeckIds(104);  // the first deck's Ace of the first suit twice
    otherDeck.replace(otherDeck.find(" 53#"), 4, " 1#");
    const std::string cases[] = {
        "",
        DeckIds(103),                      // too few cards
        DeckIds(104, " 1000# 0# 0# 0#"),   // a side pile of a thousand
        DeckIds(104, " 19# 9# 0# 0#"),     // no such forced-card rule
        DeckIds(104, " 19# 0# 0# 0# 0#"),  // a number too many
        missing,
        twice,                              // one card twice
        sameRankTwice,                      // the ranks all there, one card twice
        otherDeck,                          // the same card of another deck
        " 1000#" + DeckIds(104).substr(3),  // an id beyond the cards in play
        " 1e10#" + DeckIds(104).substr(3),  // a number no integer can hold
        " -3#" + DeckIds(104).substr(3),
    };
    for (const auto& payload : cases) {
        Remote(2, 1);
        const i16 sideBefore = g.SidePileSize;
        PeerSends(net::DK, payload);
        e.SetUp();
        e.GoDeal();
        EXPECT_TRUE(h.net.ended) << payload.substr(0, 40);
        EXPECT_EQ(h.dialogs.lastTitle, "Quorvane Online");
        EXPECT_EQ(g.HumanSideCount, 0);
        EXPECT_EQ(CountHand(g.HumanCards), 0);
        EXPECT_EQ(g.SidePileSize, sideBefore);
        EXPECT_EQ(g.StockCount, 0) << "a refused deck leaves the stock as it was: empty";
        EXPECT_FALSE(g.ComputerBusy);
    }
}

TEST_F(RemoteTest, ARefusedDeckChangesNothing) {
    Remote(2, 1);
    g.PeerVersion = "74";  // ranks first, then ids, then the rules
    std::string ranks, ids;
    for (int i = 1; i <= 104; ++i) {
        ranks += Str(RankOf(static_cast<i16>(i))) + "#";
        ids += Str(i) + "#";
    }
    std::string wrongRank = ranks;  // position 1 claims a Two but sends the Ace's id
    wrongRank.replace(0, 3, " 2#");
    g.RecoverText = wrongRank + ids + " 14# 1# -1#";
    const Game before = g;
    net::Fault fault;
    EXPECT_FALSE(net::TakeDealFromPeer(g, fault));
    EXPECT_EQ(fault.text, "a card whose rank does not match it");
    EXPECT_EQ(g.StockCount, before.StockCount);
    EXPECT_EQ(g.Deck, before.Deck);
    EXPECT_EQ(g.SidePileSize, before.SidePileSize);
    EXPECT_EQ(g.ForcedCards, before.ForcedCards);
    EXPECT_EQ(g.NoWildAce, before.NoWildAce);
    EXPECT_EQ(g.HumanSideShape, before.HumanSideShape);

    g.RecoverText = ranks + ids + " 14# 1# -1#";
    EXPECT_TRUE(net::TakeDealFromPeer(g, fault));
    EXPECT_EQ(g.StockCount, 104);
    EXPECT_EQ(g.SidePileSize, 14);
}

TEST_F(RemoteTest, ARefusedReshuffleKeepsEveryCardWhereItWas) {
    // A game in play whose stock has run out: every card not on a side pile is on the used pile.
    Fresh();
    Players(2, 3);
    e.SetUp();
    g.Pturn = 1;
    for (int i = 1; i <= g.StockCount; ++i) {
        g.UsedPile[kId][i] = g.Deck[kId][i];
        g.UsedPile[kRank][i] = g.Deck[kRank][i];
        g.Deck[kId][i] = g.Deck[kRank][i] = 0;
    }
    g.UsedCount = g.StockCount;
    g.StockCount = 0;
    ASSERT_EQ(CheckConservation(g), "");
    const i16 sideCard = g.HumanSide[kId][1];  // lies in the human's side pile
    std::string honest, intruder, huge;
    for (int i = g.UsedCount; i >= 1; --i) {
        honest += Str(g.UsedPile[kId][i]) + "#";
        const bool swap =
            g.UsedPile[kRank][i] == RankOf(sideCard) && intruder.find('x') == std::string::npos;
        intruder += swap ? Str(sideCard) + "#x" : Str(g.UsedPile[kId][i]) + "#";
        huge += Str(i == 1 ? 1e10 : g.UsedPile[kId][i]) + "#";
    }
    intruder.erase(intruder.find('x'), 1);
    const Game before = g;
    auto asRemote = [&] {
        Remote(2, 1);
        g = before;
        g.NetConnected = 1;
        g.PeerVersion = "80";
    };
    for (const std::string& payload : {intruder, huge, honest.substr(0, honest.size() - 4)}) {
        asRemote();
        PeerSends(net::DK, payload);
        e.RESHUFFLE();
        EXPECT_TRUE(h.net.ended);
        EXPECT_EQ(g.StockCount, 0);
        EXPECT_EQ(g.UsedCount, before.UsedCount);
        EXPECT_EQ(g.UsedPile, before.UsedPile);
        EXPECT_EQ(CheckConservation(g), "");
    }
    asRemote();
    PeerSends(net::DK, honest);
    e.RESHUFFLE();
    EXPECT_FALSE(h.net.ended);
    EXPECT_EQ(g.StockCount, before.UsedCount);
    EXPECT_EQ(g.Deck[kId][1], before.UsedPile[kId][before.UsedCount]);
    EXPECT_EQ(CheckConservation(g), "");
}

TEST_F(RemoteTest, ALostConnectionOrABadFirstPlayerDealsNothing) {
    Remote(2, 1);
    e.SetUp();  // nobody answers: the connection is gone
    EXPECT_EQ(g.NetCode, net::GO);
    EXPECT_EQ(g.HumanSideCount, 0);

    Remote(4, 2);
    PeerSends(net::DK, DeckIds(208));
    PeerSends(net::TR, "", 7);
    e.SetUp();
    EXPECT_TRUE(h.net.ended);
    EXPECT_EQ(g.HumanSideCount, 0);
}

TEST_F(RemoteTest, TheHostSendsTheDeckAndTheFirstPlayer) {
    Fresh();
    Players(2);
    g.NetConnected = 1;
    g.IsHost = 1;
    g.PeerVersion = "80";
    g.NetCode = net::GS;  // every remote pressed Deal
    h.net.replies.push_back([this] {
        g.NetCode = net::DK;
        ++g.NetAnswers;
    });
    h.net.replies.push_back([this] {
        g.NetCode = net::TR;
        ++g.NetAnswers;
    });
    e.SetUp();
    ASSERT_EQ(h.net.sent.size(), 2u);
    const std::string& dk = h.net.sent[0].second;
    EXPECT_EQ(dk.substr(0, 3), "DK ");
    EXPECT_EQ(dk.size() - dk.find_last_of('#', dk.size() - 2), 4u);  // ... " 0#" the last rule
    EXPECT_EQ(h.net.sent[1].second, "TR " + Str(g.Pturn == 1 ? 2 : 1));
    EXPECT_EQ(g.HumanSideCount, 20);
}

TEST_F(RemoteTest, ARemoteReshuffleTakesOnlyTheUsedPilesCards) {
    for (bool honest : {true, false}) {
        Remote(2, 1);
        g.HostPlayerName = "Host";
        g.UsedCount = 3;
        for (int i = 1; i <= 3; ++i) {
            g.UsedPile[kId][i] = static_cast<i16>(i);
            g.UsedPile[kRank][i] = static_cast<i16>(i);
        }
        PeerSends(net::DK, honest ? " 3# 1# 2#" : " 3# 1# 9#");
        e.RESHUFFLE();
        EXPECT_EQ(h.net.ended, !honest);
        EXPECT_EQ(g.StockCount, honest ? 3 : 0);
        if (honest) {
            EXPECT_EQ(g.Deck[kId][1], 3);
            EXPECT_EQ(g.UsedCount, 0);
            EXPECT_EQ(h.net.sent.back().second, "DK");
        }
    }
}

TEST_F(RemoteTest, OlderPeersSendRanksFirst) {
    std::string ranks, ids;
    for (int i = 1; i <= 104; ++i) {
        ranks += Str(RankOf(static_cast<i16>(i))) + "#";
        ids += Str(i) + "#";
    }
    struct Case {
        std::string version, payload;
        i16 topId;  // of stock position 104
        i16 sidePileSize;
    } cases[] = {
        {"74", ranks + ids + " 14# 0# 0#", 104, 14},  // ranks, then ids as sent, then the rules
        // Ranks only, no rules: each card gets the next id of its rank, so the eighth King at
        // position 104 becomes the last deck's King.
        {"40", ranks, 104, 19},
    };
    for (const auto& c : cases) {
        Remote(2, 1, c.version);
        PeerSends(net::DK, c.payload);
        PeerSends(net::TR, "", 1);
        e.SetUp();
        EXPECT_FALSE(h.net.ended) << c.version;
        EXPECT_EQ(g.Opp[1].Side[kId][1], c.topId) << c.version;
        EXPECT_EQ(g.Opp[1].Side[kRank][1], 13) << c.version;
        EXPECT_EQ(g.SidePileSize, c.sidePileSize) << c.version;
    }
}

TEST_F(RemoteTest, AnInternetHoldPileStopsWhereEveryMachineCanHoldIt) {
    for (const bool online : {false, true}) {
        Fresh();
        Players(2, 3);
        g.NetConnected = online ? 1 : 0;
        g.IsHost = 1;
        g.Pturn = 1;
        Put(g.HumanCards, 2, Card(5));
        Put(g.HumanCards, 7, Card(7));
        g.HumanHoldCount[1] = 29;
        for (int n = 1; n <= 29; ++n) {
            const i16 id = Card(static_cast<i16>(n % 12 + 1));
            g.HumanHold[kId][1][n] = id;
            g.HumanHold[kRank][1][n] = RankOf(id);
        }
        g.PickSlot = 2;
        g.DropSlot = 7;
        e.Player_EndTurn();
        // Thirty cards with the top is what a seat holds on the other machines.
        EXPECT_EQ(g.HumanHoldCount[1], online ? 29 : 30) << online;
        EXPECT_EQ(h.board.messages[1] == "That HOLD pile is too full. PICK ANOTHER PILE!", online);
    }
}
