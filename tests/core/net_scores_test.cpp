// The Internet score files: one row per opponent for two players, one group per set of
// opponents for three or four, the header's totals and marker, and writes that never tear.
#include "records/net_scores.h"

#include <gtest/gtest.h>

#include "platform/file_util.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "temp_folder.h"
#include "write_limit.h"

namespace {

NetGameResult Game(int players, std::vector<std::string> opponents, std::string winner,
                   i16 margin) {
    NetGameResult g;
    g.playerName = "Ann";
    g.players = players;
    for (size_t k = 0; k < opponents.size(); ++k) g.opponents[k + 1] = opponents[k];
    g.humanWon = winner.empty();
    g.winner = std::move(winner);
    g.margin = margin;
    return g;
}

struct Row {
    std::string name;
    std::array<i16, 4> numbers;
    bool operator==(const Row&) const = default;
};

std::vector<Row> Rows(const std::string& path) {
    std::vector<Row> rows;
    const auto file = ReadAllRecords<ScoreRecord>(path);
    for (const ScoreRecord& r : file.value()) rows.push_back({r.Name, r.Numbers});
    return rows;
}

void PrintTo(const Row& r, std::ostream* os) {
    *os << r.name << " " << r.numbers[0] << " " << r.numbers[1] << " " << r.numbers[2] << " "
        << r.numbers[3];
}

}  // namespace

TEST(NetScores, TwoPlayerGamesKeepOneRowPerOpponent) {
    TempProgramFolder f;
    const std::string path = f.File("users/Ann_2.ran");
    NetScoresOutcome out = Scores_Net(f.path(), Game(2, {"Zed"}, "", 4));
    EXPECT_TRUE(out.ok);
    EXPECT_TRUE(out.ranFileCreated);
    EXPECT_EQ(Rows(path), (std::vector<Row>{{"Ann", {1, 1, 4, 2}}, {"Zed", {1, 1, 4, 2}}}));

    Scores_Net(f.path(), Game(2, {"Max"}, "Max", 6));
    EXPECT_FALSE(Scores_Net(f.path(), Game(2, {"zed"}, "zed", 2)).ranFileCreated);
    EXPECT_EQ(
        Rows(path),
        (std::vector<Row>{{"Ann", {3, 1, -4, 3}}, {"zed", {2, 1, 2, 3}}, {"Max", {1, 0, -6, 3}}}));
}

TEST(NetScores, GroupsAreFoundWhateverTheSeatOrder) {
    TempProgramFolder f;
    const std::string path = f.File("users/Ann_3.ran");
    Scores_Net(f.path(), Game(3, {"Zed", "Max"}, "Max", 5));
    Scores_Net(f.path(), Game(3, {"Max", "Zed"}, "", 7));
    Scores_Net(f.path(), Game(3, {"Max", "Kim"}, "Kim", 3));
    EXPECT_EQ(Rows(path), (std::vector<Row>{{"Ann", {3, 1, -1, 5}},
                                            {"Ann", {2, 1, 2, 2}},
                                            {"Zed", {2, 0, -12, 2}},
                                            {"Max", {2, 1, -2, 2}},
                                            {"Ann", {1, 0, -3, 5}},
                                            {"Max", {1, 0, -3, 5}},
                                            {"Kim", {1, 1, 3, 5}}}));
}

TEST(NetScores, ACompetitionHasAFileOfItsOwn) {
    TempProgramFolder f;
    NetGameResult g = Game(2, {"Zed"}, "", 1);
    g.competition = "Cup";
    EXPECT_TRUE(Scores_Net(f.path(), g).ok);
    EXPECT_EQ(Rows(f.File("users/Ann_2.ran")), (std::vector<Row>{{"Ann", {0, 0, 0, 1}}}));
    EXPECT_EQ(Rows(f.File("users/Ann_2_Cup.rcm")).size(), 2u);
    g.competition = "../Cup";
    EXPECT_FALSE(Scores_Net(f.path(), g).ok);
}

TEST(NetScores, CountsStopAtTheLimitWithTheWarning) {
    TempProgramFolder f;
    const std::string path = f.File("users/Ann_2.ran");
    WriteAllRecords(
        path, std::vector<ScoreRecord>{{"Ann", {32767, 0, -32760, 2}}, {"Zed", {32000, 0, 0, 2}}});
    const NetScoresOutcome out = Scores_Net(f.path(), Game(2, {"Zed"}, "Zed", 20));
    EXPECT_TRUE(out.overflowing);
    EXPECT_EQ(Rows(path)[0], (Row{"Ann", {32767, 0, -32768, 2}}));
}

TEST(NetScores, AnInterruptedWriteLeavesTheOldFile) {
    TempProgramFolder f;
    const std::string path = f.File("users/Ann_3.ran");
    Scores_Net(f.path(), Game(3, {"Zed", "Max"}, "", 5));
    const auto before = ReadWholeFile(path);
    NetScoresOutcome out;
    {
        WriteLimit full(ScoreRecord::kSize * 5);
        out = Scores_Net(f.path(), Game(3, {"Kim", "Lou"}, "", 5));
    }
    EXPECT_FALSE(out.ok);
    EXPECT_FALSE(out.error.empty());
    EXPECT_EQ(ReadWholeFile(path), before);
}

TEST(NetScores, PersonalityNamesCountTheThirdOpponentOnlyWithFourPlayers) {
    const std::array<std::string, 4> opps{"", "Zed", "Max", "Kim"};
    EXPECT_TRUE(IsPersonalityName("Max", opps, 3));
    EXPECT_FALSE(IsPersonalityName("Kim", opps, 3));
    EXPECT_TRUE(IsPersonalityName("Kim", opps, 4));
    EXPECT_FALSE(IsPersonalityName("zed", opps, 4));
}
