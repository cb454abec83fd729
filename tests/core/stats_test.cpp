// The play counts of a game, the best runs and the high-score lists: what a turn counts, when a
// run becomes the game's best or an all-time record, where a record enters the lists, and a
// whole finished game counted into the profile in each category.
#include "records/stats.h"

#include <gtest/gtest.h>

#include "engine/engine.h"
#include "engine/opp_swap.h"
#include "records/game_records.h"
#include "records/high_scores.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "shared/prefs_record.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"
#include "write_limit.h"

namespace {

using Row = std::array<i16, 6>;

const StatsFacts kHumanTurn{.pturn = 1};
const StatsFacts kGameOver{.pturn = 0};

HighScoreRecord Entry(const char* name, i16 side, i16 hand, i16 hold) {
    return {44000, name, side, hand, hold, static_cast<i16>(side + hand + hold)};
}

std::vector<std::string> Names(const std::vector<HighScoreRecord>& list) {
    std::vector<std::string> names;
    for (const auto& e : list) names.push_back(e.Name);
    return names;
}

}  // namespace

TEST(Stats, EachCardCountsInBothHalvesOfTheTurnsRow) {
    StatsTableArray t{};
    const int slots[] = {1, 2, 6, 7, 10, 11, 0};
    StatsOutcome last;
    for (int slot : slots) last = StatsAdd(t, slot, 1);
    EXPECT_EQ(t[1], (Row{1, 2, 2, 1, 2, 2}));
    ASSERT_EQ(last.panels.size(), 1u);
    EXPECT_EQ(last.panels[0], (std::pair<int, std::string>{2, " 1- 2- 2- [ 5 ]"}));
    EXPECT_EQ(StatsAdd(t, 3, 3).panels[0].first, 6);
    t[1][0] = 32767;
    StatsAdd(t, 1, 1);
    EXPECT_EQ(t[1][0], 32767);  // stops at the limit
}

TEST(Stats, ATurnBecomesTheGamesBestOnlyWhenItBeatsIt) {
    struct Case {
        const char* what;
        Row turn, best, bestAfter;
    } cases[] = {
        {"more cards", {1, 2, 0, 1, 2, 0}, {0, 2, 0, 0, 2, 0}, {1, 2, 0, 1, 2, 0}},
        {"an equal turn keeps the best",
         {0, 3, 0, 0, 3, 0},
         {1, 1, 1, 1, 1, 1},
         {1, 1, 1, 1, 1, 1}},
        {"more side cards, fewer in all",
         {2, 0, 0, 2, 0, 0},
         {1, 4, 0, 1, 4, 0},
         {1, 4, 0, 2, 0, 0}},
        {"same side cards and total replace",
         {1, 0, 2, 1, 0, 2},
         {1, 2, 0, 1, 2, 0},
         {1, 2, 0, 1, 0, 2}},
        {"same side cards, lower total",
         {1, 0, 0, 1, 0, 0},
         {1, 2, 0, 1, 2, 0},
         {1, 2, 0, 1, 2, 0}},
        {"an empty turn", {0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 1, 0}, {0, 1, 0, 0, 1, 0}},
        {"no side cards, no side run", {0, 1, 0, 0, 1, 0}, {0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        StatsTableArray t{};
        t[1] = c.turn;
        t[2] = c.best;
        const StatsOutcome out = StatsCk(t, 1, 2, kHumanTurn);
        EXPECT_EQ(t[2], c.bestAfter) << c.what;
        EXPECT_EQ(t[1], Row{}) << c.what;
        EXPECT_TRUE(out.highScores.empty()) << c.what;  // never during a game
        ASSERT_FALSE(out.panels.empty()) << c.what;
        EXPECT_EQ(out.panels.back().first, 2) << c.what;
    }
}

TEST(Stats, TheStatusPanelFollowsWhoseRunIsChecked) {
    StatsTableArray t{};
    t[3] = {0, 2, 1, 0, 2, 1};
    const StatsOutcome out = StatsCk(t, 3, 4, {.pturn = 3});
    ASSERT_EQ(out.panels.size(), 2u);
    EXPECT_EQ(out.panels[0], (std::pair<int, std::string>{7, " 0- 2- 1- [ 3 ]"}));
    EXPECT_EQ(out.panels[1].first, 6);
}

TEST(Stats, AtTheEndANewAllTimeRecordGoesToTheListsAndIntoTheProfile) {
    StatsTableArray t{};
    BestRunArray best{};
    best[0] = {1, 1, 1};  // the player's best run: 3 cards
    best[1] = {2, 0, 0};  // best side run: 2 side cards
    t[2] = {1, 2, 2, 3, 0, 0};
    const StatsOutcome out = StatsSave(t, best, 2, 0, kGameOver);
    EXPECT_EQ(best[0], (std::array<i16, 3>{1, 2, 2}));
    EXPECT_EQ(best[1], (std::array<i16, 3>{3, 0, 0}));
    EXPECT_TRUE(out.notify);
    EXPECT_TRUE(out.panels.empty());
    EXPECT_EQ(out.highScores,
              (std::vector<HighScoreEntry>{{HighList::Runs, false, 1, 2, 2, 5},
                                           {HighList::SideRuns, false, 3, 0, 0, 3}}));

    // The computer players' records, and nothing while an Internet game is connected.
    t[4] = {0, 4, 0, 0, 4, 0};
    EXPECT_EQ(StatsSave(t, best, 4, 5, kGameOver).highScores,
              (std::vector<HighScoreEntry>{{HighList::Runs, true, 0, 4, 0, 4}}));
    EXPECT_EQ(best[2], (std::array<i16, 3>{0, 4, 0}));
    t[2] = {5, 5, 5, 5, 5, 5};
    EXPECT_TRUE(StatsSave(t, best, 2, 0, {.pturn = 0, .netConnected = true}).highScores.empty());
    EXPECT_EQ(best[0], (std::array<i16, 3>{5, 5, 5}));
}

TEST(HighScores, ANewRunEntersAtItsRank) {
    std::vector<HighScoreRecord> full;
    for (i16 total = 30; total >= 12; total -= 2) full.push_back(Entry("P", 0, total, 0));
    std::vector<HighScoreRecord> empty(kHighListSize);
    struct Case {
        const char* what;
        std::vector<HighScoreRecord> list;
        i16 total;
        int at;  // -1: not entered
    } cases[] = {
        {"into an empty list", empty, 1, 0},   {"at the top", full, 31, 0},
        {"above an equal total", full, 20, 5}, {"in the middle", full, 21, 5},
        {"at the end", full, 12, 9},           {"below a full list", full, 11, -1},
    };
    for (const Case& c : cases) {
        std::vector<HighScoreRecord> list = c.list;
        const HighScoreRecord e = Entry("New", 0, c.total, 0);
        EXPECT_EQ(EnterHighScore(list, HighList::Runs, e, false), c.at >= 0) << c.what;
        ASSERT_EQ(list.size(), kHighListSize) << c.what;
        if (c.at < 0) continue;
        EXPECT_EQ(list[static_cast<size_t>(c.at)].Name, "New") << c.what;
        // Into a full list the last entry drops out.
        const auto kept = std::count_if(list.begin(), list.end(),
                                        [](const HighScoreRecord& r) { return r.Name == "P"; });
        EXPECT_EQ(kept, c.list[9].Name == "P" ? 9 : 0) << c.what;
    }
}

TEST(HighScores, SideRunsRankBySideCardsThenTotal) {
    std::vector<HighScoreRecord> list(kHighListSize);
    list[0] = Entry("A", 5, 1, 0);
    list[1] = Entry("B", 3, 9, 0);
    list[2] = Entry("C", 3, 2, 0);
    EnterHighScore(list, HighList::SideRuns, Entry("New", 3, 0, 2), false);  // 3 side, total 5
    EXPECT_EQ(Names(list)[2], "New");
    EnterHighScore(list, HighList::SideRuns, Entry("Top", 6, 0, 0), false);
    EXPECT_EQ(Names(list)[0], "Top");
}

TEST(HighScores, TheComputersEntryIsReplacedOnlyByABetterOne) {
    std::vector<HighScoreRecord> list;
    for (const char* n : {"A", "B", "C", "D", "E", "Brivo", "F", "G", "H", "I"})
        list.push_back(Entry(n, 0, static_cast<i16>(30 - list.size()), 0));
    // Brivo's own entry holds 25: a run of 24 ranks below it and changes nothing.
    EXPECT_FALSE(EnterHighScore(list, HighList::Runs, Entry("Brivo", 0, 24, 0), true));
    EXPECT_EQ(list[5].Total, 25);
    // A run of 28 enters above C and the old entry goes: I, the last, is kept.
    EXPECT_TRUE(EnterHighScore(list, HighList::Runs, Entry("Brivo", 0, 28, 0), true));
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"A", "B", "Brivo", "C", "D", "E", "F", "G", "H", "I"}));
    EXPECT_EQ(list[2].Total, 28);
    // Without a "Brivo" entry it enters like anyone's.
    list[2].Name = "X";
    EXPECT_TRUE(EnterHighScore(list, HighList::Runs, Entry("Brivo", 0, 40, 0), true));
    EXPECT_EQ(list[0].Name, "Brivo");
    EXPECT_EQ(list[9].Name, "H");
}

namespace {

// A program folder with empty high-score lists and the computer's machine-wide records.
struct ScoreFiles {
    explicit ScoreFiles(bool machineRecords = true) {
        WriteAllRecords(High(), std::vector<HighScoreRecord>(2 * kHighListSize));
        std::vector<ScoreRecord> scores(18);
        if (machineRecords) {
            scores[9] = {"Brivo", {0, 0, 0, 10}};  // best run: total 10
            scores[10] = {"Brivo", {4, 0, 0, 7}};  // best side run: 4 side cards, total 7
        }
        WriteAllRecords(Scores(), scores);
    }
    std::string High() const { return folder.File("Data/highscore.ran"); }
    std::string Scores() const { return folder.File("Data/scores.ran"); }
    std::vector<HighScoreRecord> List() const { return *ReadAllRecords<HighScoreRecord>(High()); }
    ScoreRecord Machine(int n) const {
        return (*ReadAllRecords<ScoreRecord>(Scores()))[static_cast<size_t>(n - 1)];
    }
    TempProgramFolder folder;
};

}  // namespace

TEST(HighScores, TheComputersRunMustReachTheMachineRecordFirst) {
    struct Case {
        const char* what;
        HighScoreEntry run;
        bool entered;
    } cases[] = {
        {"equal to the best run", {HighList::Runs, true, 2, 4, 4, 10}, true},
        {"below the best run", {HighList::Runs, true, 2, 4, 3, 9}, false},
        {"more side cards", {HighList::SideRuns, true, 5, 0, 0, 5}, true},
        {"same side cards, lower total", {HighList::SideRuns, true, 4, 1, 1, 6}, false},
        {"same side cards, same total", {HighList::SideRuns, true, 4, 2, 1, 7}, true},
    };
    for (const Case& c : cases) {
        ScoreFiles f;
        ASSERT_TRUE(StatsHigh(f.folder.path(), c.run, "Ann", 45000)) << c.what;
        const size_t first = c.run.list == HighList::Runs ? 0 : kHighListSize;
        EXPECT_EQ(f.List()[first].Name == "Brivo", c.entered) << c.what;
        const ScoreRecord machine = f.Machine(c.run.list == HighList::Runs ? 10 : 11);
        EXPECT_EQ(machine.Numbers[3] == c.run.total, c.entered) << c.what;
    }
}

TEST(HighScores, APlayersRunIsDatedAndNamed) {
    ScoreFiles f;
    ASSERT_TRUE(StatsHigh(f.folder.path(), {HighList::SideRuns, false, 3, 1, 1, 5}, "Ann", 45123));
    const HighScoreRecord e = f.List()[kHighListSize];
    EXPECT_EQ(e.Name, "Ann");
    EXPECT_EQ(e.When, 45123);
    EXPECT_EQ(e.Side * 100 + e.Hand * 10 + e.Hold, 311);
    EXPECT_EQ(e.Total, 5);
}

TEST(HighScores, AnInterruptedInsertLeavesTheOldLists) {
    ScoreFiles f;
    ASSERT_TRUE(StatsHigh(f.folder.path(), {HighList::Runs, false, 1, 1, 1, 3}, "Ann", 45000));
    const auto before = ReadWholeFile(f.High());
    std::string error;
    {
        WriteLimit full(HighScoreRecord::kSize * 4);
        EXPECT_FALSE(
            StatsHigh(f.folder.path(), {HighList::Runs, false, 9, 9, 9, 27}, "Bob", 45001, &error));
    }
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(f.High()), before);
}

namespace {

// A whole game counted by the game's records into a signed-in player's profile.
struct FinishedGame {
    FinishedGame() : h(g), records(g, h.services), e(g, h.services) {
        g.AppFolder = files.folder.path();
        g.PlayerName = "Ann";
        h.services.records = &records;
        std::vector<PrefsRecord> prefs(2);
        prefs[1].Seats[0].Name = "Ann";
        WriteAllRecords(files.folder.File("Data/Prefs.sav"), prefs);
        records.Profile().PlayerRecNum = 2;
        records.Profile().ProfileLoaded = true;
    }
    // The human's last turn played `turn` (side, hand, hold); the computer side's best turn of
    // the game was `computerBest`.
    void Play(int players, int level, bool humanWon, std::array<i16, 3> turn,
              std::array<i16, 3> computerBest) {
        g.NumPlayers = static_cast<i16>(players);
        for (int k = 1; k <= 3; ++k) g.Opp[k].Name = "Seat" + std::to_string(k);
        g.Opp[1].Level = static_cast<i16>(level);
        for (int k = 1; k < players; ++k) g.Opp[k].SideCount = 3;
        const int winner = humanWon ? 0 : players - 1;
        g.HumanSideCount = humanWon ? 0 : 5;
        if (!humanWon) g.Opp[winner].SideCount = 0;
        g.Pturn = static_cast<i16>(humanWon ? 1 : winner + 1);
        OppSwap(g, humanWon ? 1 : winner, false);
        const int row = humanWon ? 1 : 3;
        for (int c = 0; c < 3; ++c) {
            g.StatsTable[row][c] = g.StatsTable[row][c + 3] = turn[static_cast<size_t>(c)];
            g.StatsTable[4][c] = g.StatsTable[4][c + 3] = computerBest[static_cast<size_t>(c)];
        }
        e.Game_End();
    }
    PrefsRecord Stored() const {
        return (*ReadAllRecords<PrefsRecord>(files.folder.File("Data/Prefs.sav")))[1];
    }

    ScoreFiles files{false};
    Game g;
    HeadlessServices h;
    GameRecords records;
    Engine e;
};

}  // namespace

TEST(FinishedGame, CountsIntoTheLevelAndPlayerCountCategoriesAndTheBestRuns) {
    struct Case {
        int players, level;
        bool humanWon;
        int levelRow, countRow;
        i16 margin;
    } cases[] = {
        {2, 0, true, 1, 4, 3},    {2, 1, false, 2, 4, -5}, {3, 2, true, 3, 5, 6},
        {4, 0, false, 1, 6, -11}, {4, 2, true, 3, 6, 9},
    };
    for (const Case& c : cases) {
        FinishedGame f;
        f.Play(c.players, c.level, c.humanWon, {2, 1, 1}, {0, 3, 0});
        const PrefsRecord p = f.Stored();
        for (int r = 0; r <= 6; ++r) {
            const bool counted = r == 0 || r == c.levelRow || r == c.countRow;
            EXPECT_EQ(p.GamesPlayed[r], counted ? 1 : 0) << c.players << c.level << " row " << r;
            EXPECT_EQ(p.GamesWon[r], counted && c.humanWon ? 1 : 0) << r;
            EXPECT_EQ(p.MarginTotal[r], counted ? c.margin : 0) << r;
        }
        // The human's last turn is the game's best run and the all-time one; the computer
        // side's best turn is theirs.
        const std::array<i16, 3> mine =
            c.humanWon ? std::array<i16, 3>{2, 1, 1} : std::array<i16, 3>{0, 0, 0};
        EXPECT_EQ(p.BestRun[0], mine);
        EXPECT_EQ(p.BestRun[1], mine);
        const std::array<i16, 3> theirs =
            c.humanWon ? std::array<i16, 3>{0, 3, 0} : std::array<i16, 3>{2, 1, 1};
        EXPECT_EQ(p.BestRun[2], theirs);
        const auto list = f.files.List();
        EXPECT_EQ(list[0].Name, c.humanWon ? "Ann" : "Brivo");
        EXPECT_EQ(list[kHighListSize].Name, c.humanWon ? "Ann" : "Brivo");
    }
}

TEST(FinishedGame, NothingIsWrittenIntoTheTemplateWhileNobodyIsSignedIn) {
    FinishedGame f;
    f.records.Profile().PlayerRecNum = 1;
    const auto before = ReadWholeFile(f.files.folder.File("Data/Prefs.sav"));
    f.Play(2, 0, true, {1, 1, 1}, {0, 0, 0});
    EXPECT_EQ(ReadWholeFile(f.files.folder.File("Data/Prefs.sav")), before);
    EXPECT_FALSE(f.h.log.Contains("[Profile not saved]"));
}
