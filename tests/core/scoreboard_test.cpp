#include "records/scoreboard.h"

#include <gtest/gtest.h>

#include "records/high_score_record.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "records/scoreboard_maintenance.h"
#include "temp_folder.h"

namespace {

PrefsRecord Player(const std::string& name, i16 games, i16 wins, i16 margin) {
    PrefsRecord p;
    p.Seats[0].Name = name;
    p.GamesPlayed.fill(games);
    p.GamesWon.fill(wins);
    p.MarginTotal.fill(margin);
    for (auto& row : p.BestRun) row = {1, 2, 3};
    return p;
}

// Record 1 the header (named after the last player signed in), then Ann, an empty record, Bob,
// Cy.
std::vector<PrefsRecord> Profiles() {
    return {Player("Bob", 0, 0, 0), Player("Ann", 10, 6, 40), PrefsRecord{},
            Player("Bob", 5, 1, -20), Player("Cy", 3, 3, 9)};
}

struct ProfileFile {
    TempProgramFolder dir;
    std::string path = dir.File("Data/Prefs.sav");
    i16 recNum = 4;  // Bob is signed in
    PrefsRecord prefs = Player("Bob", 5, 1, -20);

    ProfileFile() { WriteAllRecords(path, Profiles()); }
    SignedInProfile SignedIn() { return {&recNum, &prefs}; }
    std::vector<PrefsRecord> Read() const { return *ReadAllRecords<PrefsRecord>(path); }
    std::vector<std::string> Names() const {
        std::vector<std::string> n;
        for (const PrefsRecord& p : Read()) n.push_back(p.Seats[0].Name);
        return n;
    }
};

bool Cleared(const PrefsRecord& p) {
    return p.GamesPlayed[0] == 0 && p.GamesWon[6] == 0 && p.MarginTotal[3] == 0 &&
           p.BestRun[3][2] == 0;
}

}  // namespace

TEST(Scoreboard, ListsPlayersFromRecordTwoWithTheirRecordNumbers) {
    Scoreboard b = BuildScoreboard(Profiles(), false);
    ASSERT_EQ(b.players.size(), 3u);
    EXPECT_EQ(b.players[0].name, "Ann");
    EXPECT_EQ(b.players[0].record, 2);
    EXPECT_EQ(b.players[1].name, "Bob");
    EXPECT_EQ(b.players[1].record, 4);
    EXPECT_EQ(b.players[1].losses, 4);
    EXPECT_EQ(b.players[2].record, 5);
    // The computer's side of every game: 18 games, 8 wins, 10 losses, margin -(40 - 20 + 9).
    EXPECT_EQ(b.computer.name, "Brivo");
    EXPECT_EQ(b.computer.games, 18);
    EXPECT_EQ(b.computer.wins, 8);
    EXPECT_EQ(b.computer.losses, 10);
    EXPECT_EQ(b.computer.margin, -29);
    EXPECT_EQ(BuildScoreboard(Profiles(), true).computer.name, "Brivo (& friends)");
}

TEST(Scoreboard, ADamagedRecordIsNoPlayersAndAddsNothing) {
    auto profiles = Profiles();
    profiles.push_back(Player("\x01\xC2\x9D", 7, 1, 5));
    Scoreboard b = BuildScoreboard(profiles, false);
    EXPECT_EQ(b.players.size(), 3u);
    EXPECT_EQ(b.computer.games, 18);
}

TEST(Scoreboard, TotalsPastSixteenBitsStopTheListing) {
    auto profiles = Profiles();
    profiles.push_back(Player("Dee", 32760, 0, 0));
    Scoreboard b = BuildScoreboard(profiles, false);
    EXPECT_TRUE(b.overflow);
    EXPECT_EQ(b.players.size(), 4u);
    EXPECT_EQ(b.computer.games, 0);
}

TEST(Scoreboard, StatisticsAndBestRunGrids) {
    PrefsRecord p = Player("Ann", 10, 6, 40);
    p.GamesWon[2] = 1;
    auto lines = StatsLinesOf(p);
    EXPECT_EQ(lines[0].losses, 4);
    EXPECT_EQ(lines[2].losses, 9);
    EXPECT_EQ(lines[6].margin, 40);

    BestRunTable best{{{1, 2, 3}, {4, 0, 1}, {2, 2, 2}, {5, 1, 0}}};
    GameStatsTable stats{};
    stats[2] = {0, 3, 1, 2, 0, 0};
    stats[4] = {1, 1, 1, 3, 1, 0};
    auto run = RunLinesOf(best, stats);
    EXPECT_EQ(run[0].allTime, (std::array<int, 4>{2, 2, 2, 6}));  // computer best run
    EXPECT_EQ(run[1].allTime, (std::array<int, 4>{5, 1, 0, 6}));  // computer best side
    EXPECT_EQ(run[2].allTime, (std::array<int, 4>{1, 2, 3, 6}));  // player best run
    EXPECT_EQ(run[3].allTime, (std::array<int, 4>{4, 0, 1, 5}));  // player best side
    EXPECT_EQ(run[0].current, (std::array<int, 4>{1, 1, 1, 3}));
    EXPECT_EQ(run[1].current, (std::array<int, 4>{3, 1, 0, 4}));
    EXPECT_EQ(run[2].current, (std::array<int, 4>{0, 3, 1, 4}));
    EXPECT_EQ(run[3].current, (std::array<int, 4>{2, 0, 0, 2}));
}

TEST(Scoreboard, HighScoreListsShowOnlyDatedEntries) {
    std::vector<HighScoreRecord> file(20);
    file[0] = {45000, "Ann", 3, 4, 5, 12};
    file[10] = {45001, "Brivo", 9, 0, 1, 10};
    auto runs = HighScoreLinesOf(file, kBestRunsFirst);
    EXPECT_TRUE(runs[0].dated);
    EXPECT_EQ(runs[0].figures, (std::array<int, 4>{3, 4, 5, 12}));
    EXPECT_FALSE(runs[1].dated);
    EXPECT_EQ(runs[9].rank, 10);
    auto sides = HighScoreLinesOf(file, kBestSidesFirst);
    EXPECT_EQ(sides[0].name, "Brivo");
    EXPECT_FALSE(HighScoreLinesOf({}, kBestSidesFirst)[0].dated);
}

TEST(ScoreboardMaintenance, DeleteRemovesOnlyTheChosenRecordAndTheSignedInRecordFollows) {
    ProfileFile f;
    ASSERT_TRUE(DeletePlayer(f.path, 2, f.SignedIn()).ok);  // Ann
    EXPECT_EQ(f.Names(), (std::vector<std::string>{"Bob", "", "Bob", "Cy"}));
    EXPECT_EQ(f.recNum, 3);
    EXPECT_FALSE(Cleared(f.prefs));
    // The signed-in player is cleared, not removed.
    ASSERT_TRUE(DeletePlayer(f.path, 3, f.SignedIn()).ok);
    EXPECT_EQ(f.Read().size(), 4u);
    EXPECT_TRUE(Cleared(f.Read()[2]));
    EXPECT_TRUE(Cleared(f.prefs));
    EXPECT_FALSE(DeletePlayer(f.path, 9, f.SignedIn()).ok);
    EXPECT_FALSE(DeletePlayer(f.path, 1, f.SignedIn()).ok);  // the header is no player
}

TEST(ScoreboardMaintenance, DeleteAllKeepsTheSignedInPlayerOnceAsRecordTwo) {
    ProfileFile f;
    ASSERT_TRUE(DeleteAllPlayers(f.path, f.SignedIn()).ok);
    auto recs = f.Read();
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(recs[1].Seats[0].Name, "Bob");
    EXPECT_TRUE(Cleared(recs[1]));
    EXPECT_EQ(f.recNum, 2);
    EXPECT_TRUE(Cleared(f.prefs));
}

TEST(ScoreboardMaintenance, ClearingActsOnTheChosenPlayerOnly) {
    ProfileFile f;
    ASSERT_TRUE(ClearPlayerValues(f.path, 5, false, f.SignedIn()).ok);  // Cy
    auto recs = f.Read();
    EXPECT_TRUE(Cleared(recs[4]));
    EXPECT_FALSE(Cleared(recs[3]));
    EXPECT_FALSE(Cleared(f.prefs));
    // Run stats only: the games stay, the best runs go.
    ASSERT_TRUE(ClearPlayerValues(f.path, 2, true, f.SignedIn()).ok);
    recs = f.Read();
    EXPECT_EQ(recs[1].GamesPlayed[0], 10);
    EXPECT_EQ(recs[1].BestRun[2][0], 0);
    EXPECT_EQ(f.prefs.BestRun[2][0], 1);
    ASSERT_TRUE(ClearPlayerValues(f.path, 4, true, f.SignedIn()).ok);
    EXPECT_EQ(f.prefs.BestRun[2][0], 0);
    EXPECT_EQ(f.prefs.GamesPlayed[0], 5);
}

TEST(ScoreboardMaintenance, ClearAllScoresKeepsEveryName) {
    ProfileFile f;
    ASSERT_TRUE(ClearAllScores(f.path, f.SignedIn()).ok);
    auto recs = f.Read();
    EXPECT_EQ(f.Names(), (std::vector<std::string>{"Bob", "Ann", "", "Bob", "Cy"}));
    for (size_t i = 1; i < recs.size(); ++i) EXPECT_TRUE(Cleared(recs[i])) << i;
    EXPECT_TRUE(Cleared(f.prefs));
}

TEST(ScoreboardMaintenance, AFailedWriteChangesNothingInMemory) {
    ProfileFile f;
    const std::string nowhere = f.dir.File("gone/Prefs.sav");
    MaintenanceResult r = DeleteAllPlayers(nowhere, f.SignedIn());
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_EQ(f.recNum, 4);
    EXPECT_FALSE(Cleared(f.prefs));
    EXPECT_FALSE(ClearAllScores(nowhere, f.SignedIn()).ok);
    EXPECT_FALSE(Cleared(f.prefs));
}

TEST(ScoreboardMaintenance, ClearBestRunListsEmptiesTheListsAndKeepsTheScoreNames) {
    TempProgramFolder dir;
    const std::string high = dir.File("Data/highscore.ran"), scores = dir.File("Data/scores.ran");
    std::vector<HighScoreRecord> h(20);
    h[0] = {45000, "Ann", 1, 2, 3, 6};
    WriteAllRecords(high, h);
    std::vector<ScoreRecord> s(18);
    s[9] = {"Brivo", {4, 4, 4, 12}};
    s[10] = {"Brivo", {6, 1, 1, 8}};
    s[0] = {"settings", {1, 2, 3, 4}};
    WriteAllRecords(scores, s);
    ASSERT_TRUE(ClearBestRunLists(high, scores).ok);
    auto hb = *ReadAllRecords<HighScoreRecord>(high);
    ASSERT_EQ(hb.size(), 20u);
    EXPECT_EQ(hb[0].When, 0);
    EXPECT_EQ(hb[0].Name, "");
    auto sb = *ReadAllRecords<ScoreRecord>(scores);
    EXPECT_EQ(sb[9].Name, "Brivo");
    EXPECT_EQ(sb[9].Numbers, (std::array<i16, 4>{0, 0, 0, 0}));
    EXPECT_EQ(sb[10].Numbers, (std::array<i16, 4>{0, 0, 0, 0}));
    EXPECT_EQ(sb[0].Numbers, (std::array<i16, 4>{1, 2, 3, 4}));
    EXPECT_EQ(sb.size(), 18u);
}
