#include "engine_fixture.h"
#include "platform/vb_strings.h"

namespace {

struct NewGameTest : EngineFixture {
    void SetUp() override { Players(2); }
    std::vector<i16> HumanSideIds() const {
        return std::vector<i16>(g.HumanSide[kId].begin() + 1,
                                g.HumanSide[kId].begin() + 1 + g.HumanSideCount);
    }
};

}  // namespace

TEST_F(NewGameTest, SampleGamesDealTenFixedGamesThenTheTipsBox) {
    g.SampleGamesOn = VbTrue;
    std::vector<std::vector<i16>> walk;
    for (int n = 1; n <= 10; ++n) {
        e.Game_New();
        EXPECT_EQ(h.settings.GetSetting("Settings9", "Tutorial", ""), Str(n));
        walk.push_back(HumanSideIds());
        ExpectSound();
    }
    e.Game_New();
    EXPECT_EQ(h.dialogs.lastTitle, "Sample Games");
    EXPECT_EQ(g.HumanSideCount, 0);
    EXPECT_EQ(h.settings.GetSetting("Settings9", "Tutorial", ""), Str(0));
    EXPECT_EQ(h.board.messages[2], "Select NEW from the Game Menu to start a new game.");
    e.Game_New();
    EXPECT_EQ(HumanSideIds(), walk[0]);

    // Game 8 is the deal of seed 13, and every game differs from the others.
    Game other;
    HeadlessServices oh{other};
    Engine oe{other, oh.services};
    other.NumPlayers = 2;
    other.Rng.Rnd(-1);
    other.Rng.Randomize(13);
    oe.Reset_Table();
    oe.SetUp();
    EXPECT_EQ(std::vector<i16>(other.HumanSide[kId].begin() + 1, other.HumanSide[kId].begin() + 21),
              walk[7]);
    for (size_t i = 1; i < walk.size(); ++i) EXPECT_NE(walk[i], walk[i - 1]);
}

// A damaged stored number counts as the nearest one the walk knows: far above ten ends the
// round of ten games, below nothing starts it again.
TEST_F(NewGameTest, ADamagedSampleGameNumberIsHeldToTheWalk) {
    g.SampleGamesOn = VbTrue;
    for (const char* stored : {"1e10", "-1e10", "x"}) {
        h.settings.SaveSetting("Settings9", "Tutorial", stored);
        h.dialogs.lastTitle.clear();
        e.Game_New();
        const bool roundOver = std::string(stored) == "1e10";
        EXPECT_EQ(h.dialogs.lastTitle, roundOver ? "Sample Games" : "") << stored;
        EXPECT_EQ(h.settings.GetSetting("Settings9", "Tutorial", ""), Str(roundOver ? 0 : 1))
            << stored;
    }
}

TEST_F(NewGameTest, AnOpponentAboutToWinAsksFirst) {
    struct Case {
        i16 human, opp;
        std::deque<int> answers;
        bool dealt;
        const char* title;
    } cases[] = {
        {12, 2, {}, true, "Seat1"},        // far behind: told, and the new game goes on
        {5, 2, {mb::No}, false, "Seat1"},  // asked, and declined
        {5, 2, {mb::Yes}, true, "Seat1"},
        {1, 2, {}, true, ""},  // the human is ahead: no question
        {9, 3, {}, true, ""},
    };
    for (const auto& c : cases) {
        Fresh();
        SetUp();
        g.HumanSideCount = c.human;
        g.CurSideCount = c.opp;
        h.dialogs.answers = c.answers;
        h.dialogs.lastTitle.clear();
        e.Game_New();
        EXPECT_EQ(h.dialogs.lastTitle, c.title);
        EXPECT_EQ(g.HumanSideCount == 20, c.dealt) << c.human << " vs " << c.opp;
    }
}

TEST_F(NewGameTest, AHostWithoutEnoughPlayersIsToldAndDealsNothing) {
    Players(3);
    g.NetConnected = 1;
    g.IsHost = 1;
    e.Game_New();
    EXPECT_EQ(h.dialogs.lastText,
              "You have 1 opponent(s).\nUse the Internet Menu, Host Setup option to change the "
              "setup to match the number of players.");
    EXPECT_EQ(g.HumanSideCount, 0);
    EXPECT_TRUE(h.net.sent.empty());
}

// A joiner whose hello is in but whose name is not has no seat yet: the new game it would miss
// is not started, and the table stays as it was.
TEST_F(NewGameTest, AHostWithAPlayerStillJoiningIsToldAndDealsNothing) {
    g.NetConnected = 1;
    g.IsHost = 1;
    g.HumanSideCount = 7;
    g.NetSeats[1] = NetSeat{"", 1, 7, 0};
    e.Game_New();
    EXPECT_EQ(h.dialogs.lastText,
              "A player is still joining this game.\nStart the new game once every player has "
              "joined.");
    EXPECT_EQ(g.HumanSideCount, 7);
    EXPECT_TRUE(h.net.sent.empty());
    // Seated, the same player is asked for the new game.
    g.NetSeats[1].Seat = 1;
    e.Game_New();
    ASSERT_FALSE(h.net.sent.empty());
    EXPECT_EQ(h.net.sent.front().second, "GS");
}

// The host asks the remotes for a new game: the set-up hints make way for the wait's own notice,
// which goes when every remote has answered, or when the wait ends without them.
TEST_F(NewGameTest, TheHostsWaitForTheRemotesShowsItsNoticeOnlyWhileItWaits) {
    for (bool answered : {true, false}) {
        Fresh();
        g.NetConnected = 1;
        g.IsHost = 1;
        h.board.SetStatusNotice("Number of players is 2", true);
        std::string shownDuringWait;
        h.net.replies.push_back([&] {
            shownDuringWait = h.board.statusNotice;
            if (!answered) return;
            g.NetCode = net::GS;
            g.NetAnswers = 2;
        });
        e.Game_New();
        EXPECT_EQ(shownDuringWait,
                  "Waiting for opponent(s) to click their DEAL button so the game can begin");
        EXPECT_EQ(h.board.statusNotice, "") << "answered " << answered;
    }
}

TEST_F(NewGameTest, ANewGameDuringTheEndAnimationGoesThroughTheDealButton) {
    g.AnimationRunning = VbTrue;
    e.Game_New();
    EXPECT_TRUE(g.NewGameAsked);
    EXPECT_TRUE(h.log.Contains("DealButtonClick"));
    EXPECT_EQ(g.HumanSideCount, 0);
}
