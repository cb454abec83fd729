#include "engine/opp_swap.h"
#include "engine_fixture.h"

namespace {

struct EndTest : EngineFixture {
    // Side counts: the human's, then the opponents'. The game ends with whoever has 0; an
    // opponent who won is the one on turn.
    void Finish(int players, std::vector<int> counts) {
        Fresh();
        Players(players);
        g.Opp[1].Level = 2;
        g.HumanSideCount = static_cast<i16>(counts[0]);
        int winner = 0;
        for (int k = 1; k < players; ++k) {
            g.Opp[k].SideCount = static_cast<i16>(counts[static_cast<size_t>(k)]);
            if (counts[static_cast<size_t>(k)] == 0) winner = k;
        }
        g.Pturn = static_cast<i16>(winner ? winner + 1 : 1);
        OppSwap(g, winner ? winner : players - 1, false);
        if (!winner) OppSwap(g, players - 1, true);  // the last seat to play, stored back
        e.Game_End();
    }
};

}  // namespace

TEST_F(EndTest, TheResultIsToldWithTheMargin) {
    struct Case {
        int players;
        std::vector<int> counts;
        i16 margin;
        const char* text;
    } cases[] = {
        {2,
         {0, 1},
         1,
         "That was your LAST CARD! OK, so you won!!!  You beat Seat1 by one card! I DEMAND a "
         "rematch!"},
        {2,
         {0, 12},
         12,
         "That was your LAST CARD! OK, so you won!!!  Seat1 needs more memory...\n(Seat1 had 12 "
         "cards left.)"},
        {3,
         {0, 2, 2},
         4,
         "That was your LAST CARD! OK, so you won!!!  Whew, that was close!\n(Your opponents "
         "had 4 cards left.)"},
        {4,
         {7, 3, 0, 4},
         14,
         "That was the last card, Seat2 WON with a margin of  14 ! \nYou had 7 cards left!"},
        {2,
         {1, 0},
         1,
         "That was the last card, Seat1 WON with a margin of  1 ! You ONLY had 1 card left! "
         "That was CLOSE!"},
        {2,
         {15, 0},
         15,
         "That was the last card, Seat1 WON with a margin of  15 ! Were you SLEEPING?\nYou "
         "had 15 cards left!"},
    };
    for (const auto& c : cases) {
        Finish(c.players, c.counts);
        EXPECT_EQ(g.EndMessage, c.text);
        EXPECT_EQ(g.LastMargin, c.margin);
        EXPECT_EQ(g.Pturn, 0);
        EXPECT_EQ(g.MoveCounter, 0);
        EXPECT_FALSE(g.ComputerBusy);
        EXPECT_FALSE(g.MenusLocked);
    }
}

TEST_F(EndTest, StatisticsGoToTheOverallLevelAndPlayerCountCategories) {
    Finish(3, {0, 5, 6});
    const PrefsRecord& p = h.records.profile.PlayerPrefs;
    for (int c = 0; c <= 6; ++c) {
        const bool counted = c == 0 || c == 3 || c == 5;
        EXPECT_EQ(p.GamesPlayed[c], counted ? 1 : 0) << c;
        EXPECT_EQ(p.GamesWon[c], counted ? 1 : 0) << c;
        EXPECT_EQ(p.MarginTotal[c], counted ? 11 : 0) << c;
    }
    EXPECT_TRUE(h.log.Contains("SaveProfile"));
    EXPECT_TRUE(h.log.Contains("ShowDeal"));
    EXPECT_TRUE(h.log.Contains("AnimateCardsFlow"));
    EXPECT_EQ(h.board.messages[2], "\nGames Won: 1\nGames Lost: 0");
}

TEST_F(EndTest, CountsStopAtTheSixteenBitLimitWithAWarning) {
    h.records.profile.PlayerPrefs.GamesPlayed[0] = 32767;
    h.records.profile.PlayerPrefs.MarginTotal[0] = -32760;
    const PrefsRecord before = h.records.profile.PlayerPrefs;
    Fresh();
    h.records.profile.PlayerPrefs = before;
    Players(2);
    g.HumanSideCount = 14;
    g.Pturn = 2;
    OppSwap(g, 1, false);
    e.Game_End();
    EXPECT_EQ(h.records.profile.PlayerPrefs.GamesPlayed[0], 32767);
    EXPECT_EQ(h.records.profile.PlayerPrefs.MarginTotal[0], -32768);
    EXPECT_TRUE(h.log.Contains("[Score file overflowing]"));
}

TEST_F(EndTest, AProfileThatCannotBeWrittenIsReported) {
    h.records.saveSucceeds = false;
    Finish(2, {0, 4});
    EXPECT_EQ(h.dialogs.lastTitle, "Profile not saved");
    EXPECT_EQ(h.records.profile.PlayerPrefs.GamesWon[0], 1);  // kept for the next save
}

TEST_F(EndTest, AnInternetGameCountsTheSessionNotTheProfile) {
    Fresh();
    Players(2);
    g.NetConnected = 1;
    g.IsHost = 1;
    g.NetSessionMargin = 5;
    g.HumanSideCount = 0;
    g.Opp[1].SideCount = 3;
    g.Pturn = 1;
    OppSwap(g, 1, false);
    OppSwap(g, 1, true);
    e.Game_End();
    EXPECT_EQ(h.records.profile.PlayerPrefs.GamesPlayed[0], 0);
    EXPECT_EQ(g.NetSessionWins, 1);
    EXPECT_EQ(g.NetSessionGames, 1);
    EXPECT_TRUE(h.log.Contains("Scores_Net "));
    EXPECT_EQ(h.board.messages[2],
              "Your scores this NET session:\n1 games played\n 1 wins,  5 margin");
}

TEST_F(EndTest, AResetTableHasNoGameToEnd) {
    Fresh();
    Players(2);
    e.Reset_Table();
    g.Pturn = 1;
    h.log.Clear();
    e.Game_End();
    EXPECT_EQ(h.records.profile.PlayerPrefs.GamesPlayed[0], 0);
    EXPECT_EQ(g.Pturn, 1);
    EXPECT_FALSE(g.ComputerBusy);
    EXPECT_TRUE(h.log.lines.empty());
}
