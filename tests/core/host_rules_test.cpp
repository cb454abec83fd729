#include "net/host_rules.h"

#include <gtest/gtest.h>

#include "tests/support/headless_services.h"

namespace {

struct HostFixture {
    Game g;
    CallLog log;
    ScriptedDialogs dialogs{log};

    HostFixture(int players, int centers, int connected, const std::string& peer = "84") {
        g.NumPlayers = static_cast<i16>(players);
        g.NumCenters = static_cast<i16>(centers);
        g.NetConnected = static_cast<i16>(connected);
        g.PeerVersion = peer;
        g.IsHost = 1;
    }
    HostRules Open(int faceDeck = 1) {
        HostRules r(g, dialogs, faceDeck);
        r.Open();
        return r;
    }
};

}  // namespace

TEST(HostRules, OpensOnTheGamesCountsWithDoneOff) {
    HostFixture f(2, 3, 1);
    HostRules r = f.Open();
    EXPECT_EQ(r.playersOption(), 0);
    EXPECT_TRUE(r.centersShown());
    EXPECT_EQ(r.centersOption(), 0);
    EXPECT_FALSE(r.doneEnabled());

    HostFixture four(4, 4, 3);
    HostRules r4 = four.Open();
    EXPECT_EQ(r4.playersOption(), 2);
    EXPECT_FALSE(r4.centersShown());
}

TEST(HostRules, MorePlayersTakeFourCentersAndOneOpponentShowsTheChoiceAgain) {
    HostFixture f(3, 4, 1);
    HostRules r = f.Open();
    r.PlayersClicked(1);
    EXPECT_EQ(r.centersOption(), 1);
    EXPECT_FALSE(r.centersShown());
    EXPECT_TRUE(r.doneEnabled());
    r.PlayersClicked(0);
    EXPECT_TRUE(r.centersShown());
    EXPECT_EQ(r.centersOption(), 0);  // the game had more than two players: three centers
    r.Done();
    EXPECT_FALSE(r.cancelled());
    EXPECT_EQ(f.g.NumPlayers, 2);
    EXPECT_EQ(f.g.NumCenters, 3);

    HostFixture two(2, 4, 1);  // a two-player game with four centers keeps them
    HostRules r2 = two.Open();
    r2.PlayersClicked(0);
    EXPECT_EQ(r2.centersOption(), 1);
    r2.Done();
    EXPECT_TRUE(r2.cancelled());
}

TEST(HostRules, RefusesFewerSeatsThanHumansAndManyPlayersForAnOldPeer) {
    HostFixture f(4, 4, 3);
    HostRules r = f.Open();
    for (int index : {0, 1}) {
        r.PlayersClicked(index);
        EXPECT_EQ(f.dialogs.lastText.rfind("You have too many humans connected.", 0), 0u);
        EXPECT_EQ(r.playersOption(), 2);
    }
    EXPECT_EQ(f.dialogs.asked, 2);
    EXPECT_FALSE(r.doneEnabled());

    HostFixture old(2, 3, 1, "74");
    HostRules o = old.Open();
    EXPECT_FALSE(o.fourCentersEnabled());
    o.PlayersClicked(2);
    EXPECT_EQ(old.dialogs.lastTitle, "STOP!");
    EXPECT_EQ(o.playersOption(), 0);

    HostFixture waiting(2, 3, 99);  // nobody connected yet: any count may be chosen
    HostRules w = waiting.Open();
    w.PlayersClicked(2);
    EXPECT_EQ(waiting.dialogs.asked, 0);
    w.Done();
    EXPECT_EQ(waiting.g.NumPlayers, 4);
    EXPECT_EQ(waiting.g.NumCenters, 4);
}

TEST(HostRules, ChangingOnlyTheRulesKeepsTheCounts) {
    HostFixture f(3, 4, 1);
    HostRules r = f.Open();
    r.RulesClosed(true);
    EXPECT_TRUE(r.doneEnabled());
    r.Done();
    EXPECT_FALSE(r.cancelled());
    EXPECT_EQ(f.g.NumPlayers, 3);
    EXPECT_EQ(f.g.NumCenters, 4);
}

TEST(HostRules, GoingBackToTwoPlayersDropsTheOtherSeatsCardsWithAPictureDeck) {
    for (int faceDeck : {1, 6}) {
        HostFixture f(4, 4, 1);
        f.g.Opp[2].Cards[0][2] = 14;
        f.g.Opp[3].Hold[0][1][1] = 27;
        HostRules r = f.Open(faceDeck);
        r.PlayersClicked(0);
        r.Done();
        EXPECT_EQ(f.g.NumPlayers, 2);
        EXPECT_EQ(f.g.Opp[2].Cards[0][2], faceDeck == 6 ? 0 : 14);
        EXPECT_EQ(f.g.Opp[3].Hold[0][1][1], faceDeck == 6 ? 0 : 27);
    }
}
