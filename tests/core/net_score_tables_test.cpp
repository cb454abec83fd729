#include "net/net_score_tables.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "net/competitions.h"
#include "platform/file_util.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

ScoreRecord Row(const std::string& name, i16 played, i16 won, i16 margin, i16 marker) {
    ScoreRecord r;
    r.Name = name;
    r.Numbers = {played, won, margin, marker};
    return r;
}

// A two-player file of Ann (owner) against cy, Ann2 and bob, met in that order.
std::vector<ScoreRecord> TwoPlayerFile() {
    return {Row("Ann", 9, 5, 12, 4), Row("cy", 4, 1, -30, 2), Row("Ann2", 2, 2, 25, 3),
            Row("bob", 3, 2, 17, 4)};
}

// A three-player file: Ann with bob and cy, then Ann with dee and cy.
std::vector<ScoreRecord> ThreePlayerFile() {
    return {Row("Ann", 5, 2, 10, 5), Row("Ann", 3, 1, 4, 2), Row("bob", 3, 1, 0, 2),
            Row("cy", 3, 1, -4, 2),  Row("Ann", 2, 1, 6, 5), Row("dee", 2, 1, 1, 5),
            Row("cy", 2, 0, -7, 5)};
}

std::vector<std::string> Names(const std::vector<NetScoreRow>& rows) {
    std::vector<std::string> n;
    for (const NetScoreRow& r : rows) n.push_back(r.separator ? "--" : r.name);
    return n;
}

std::vector<ScoreRecord> Read(const std::string& path) {
    return *ReadAllRecords<ScoreRecord>(path);
}

struct ScoreFolder {
    TempProgramFolder dir;
    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};

    std::string Write(const std::string& name, const std::vector<ScoreRecord>& records) {
        std::string path = dir.File("users/" + name);
        EXPECT_TRUE(WriteAllRecords(path, records));
        return path;
    }
    NetScoreTables Tables(const std::string& player) {
        return NetScoreTables(dir.path(), player, dialogs, &sounds);
    }
};

// Lets writes fail once a file would pass `bytes`, as on a full disk.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, SIG_DFL);
    }

  private:
    rlimit old_{};
};

}  // namespace

TEST(NetScoreFile, TwoPlayerRowsAreSortedByNameWithTheirFigures) {
    ScoreFolder f;
    const std::string path = f.Write("Ann_2.ran", TwoPlayerFile());
    auto rows = ReadNetScoreRows(path, 2, nullptr);
    ASSERT_TRUE(rows);
    EXPECT_EQ(Names(*rows), (std::vector<std::string>{"Ann2", "bob", "cy"}));
    const NetScoreRow& cy = (*rows)[2];
    EXPECT_EQ(cy.played, 4);
    EXPECT_EQ(cy.won, 1);
    EXPECT_EQ(cy.lost, 3);
    EXPECT_EQ(cy.margin, -30);
    EXPECT_EQ(cy.record, 2);
}

TEST(NetScoreFile, MultiPlayerGroupsFollowTheFileWithASeparatorAfterEach) {
    ScoreFolder f;
    const std::string path = f.Write("Ann_3.ran", ThreePlayerFile());
    auto rows = ReadNetScoreRows(path, 3, nullptr);
    ASSERT_TRUE(rows);
    EXPECT_EQ(Names(*rows),
              (std::vector<std::string>{"Ann", "bob", "cy", "--", "Ann", "dee", "cy", "--"}));
    EXPECT_EQ((*rows)[4].record, 5);
}

TEST(NetScoreFile, AMarkerBeyondTheFileOrBelowItShowsOnlyRecordsThatExist) {
    ScoreFolder f;
    struct Case {
        i16 marker;
        int players;
        size_t rows;
    } cases[] = {{30000, 2, 3}, {-5, 2, 0}, {1, 2, 0}, {30000, 3, 8}, {-7, 3, 0}};
    for (const Case& c : cases) {
        auto records = c.players == 2 ? TwoPlayerFile() : ThreePlayerFile();
        records[0].Numbers[3] = c.marker;
        auto rows = ReadNetScoreRows(f.Write("x.ran", records), c.players, nullptr);
        ASSERT_TRUE(rows);
        EXPECT_EQ(rows->size(), c.rows) << c.marker << " " << c.players;
    }
    auto missing = ReadNetScoreRows(f.dir.File("users/none.ran"), 2, nullptr);
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->empty());
    EXPECT_FALSE(FileExists(f.dir.File("users/none.ran")));  // looking creates nothing
}

TEST(NetScoreFile, DeletingAnOpponentClosesUpTheRowsAndLowersTheMarker) {
    ScoreFolder f;
    const std::string path = f.Write("Ann_2.ran", TwoPlayerFile());
    NetScoreChange c = DeleteNetOpponent(path, " CY ");
    EXPECT_TRUE(c.ok);
    EXPECT_FALSE(c.notFound);
    auto after = Read(path);
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[0].Numbers, (std::array<i16, 4>{9, 5, 12, 3}));
    EXPECT_EQ(after[1].Name, "Ann2");
    EXPECT_EQ(after[2].Name, "bob");
    EXPECT_EQ(after[2].Numbers, (std::array<i16, 4>{3, 2, 17, 4}));
    EXPECT_EQ(after[3].Name, "");
    EXPECT_EQ(after[3].Numbers, (std::array<i16, 4>{0, 0, 0, 0}));

    const std::string before = *ReadWholeFile(path);
    c = DeleteNetOpponent(path, "zed");
    EXPECT_TRUE(c.ok);
    EXPECT_TRUE(c.notFound);
    EXPECT_EQ(*ReadWholeFile(path), before);
}

TEST(NetScoreFile, DeletingAGroupKeepsTheOtherGroupsByteForByte) {
    ScoreFolder f;
    const std::string path = f.Write("Ann_3.ran", ThreePlayerFile());
    const std::string before = *ReadWholeFile(path);
    ASSERT_TRUE(DeleteNetGroup(path, 3, 2).ok);
    const std::string after = *ReadWholeFile(path);
    ASSERT_EQ(after.size(), 4 * 38u);
    EXPECT_EQ(after.substr(38), before.substr(4 * 38));  // the second group moved up whole
    EXPECT_EQ(Read(path)[0].Numbers[3], 2);

    ASSERT_TRUE(DeleteNetGroup(path, 3, 2).ok);  // the last group: an empty file again
    EXPECT_EQ(Read(path).size(), 1u);
    EXPECT_EQ(Read(path)[0].Numbers[3], 1);

    for (long notAGroup : {0L, 3L, 5L, 8L})
        EXPECT_TRUE(DeleteNetGroup(path, 3, notAGroup).notFound);
}

TEST(NetScoreFile, AFailedWriteLeavesTheFileAsItWas) {
    ScoreFolder f;
    const std::string three = f.Write("Ann_3.ran", ThreePlayerFile());
    const std::string two = f.Write("Ann_2.ran", TwoPlayerFile());
    const std::string before3 = *ReadWholeFile(three), before2 = *ReadWholeFile(two);
    {
        FileSizeLimit limit(40);
        NetScoreChange c = DeleteNetGroup(three, 3, 2);
        EXPECT_FALSE(c.ok);
        EXPECT_FALSE(c.error.empty());
        EXPECT_FALSE(DeleteNetOpponent(two, "cy").ok);
    }
    EXPECT_EQ(*ReadWholeFile(three), before3);
    EXPECT_EQ(*ReadWholeFile(two), before2);
    EXPECT_EQ(ListFiles(f.dir.File("users"), ".ran").size(), 2u);  // no temporary left behind
}

TEST(NetScoreTables, OpensOnTheSignedInPlayersTwoPlayerFileElseTheFirst) {
    ScoreFolder f;
    f.Write("Ann_3.ran", ThreePlayerFile());
    f.Write("Bob_2.ran", TwoPlayerFile());
    NetScoreTables bob = f.Tables("bob ");
    ASSERT_TRUE(bob.Open());
    EXPECT_EQ(bob.label(), "Quorvane Player: Bob");
    EXPECT_EQ(bob.rows().size(), 3u);

    NetScoreTables cy = f.Tables("Cy");
    ASSERT_TRUE(cy.Open());
    EXPECT_EQ(cy.owner(), "Ann");  // Ann has only a three-player file, which is shown
    EXPECT_EQ(cy.players(), 3);
    EXPECT_EQ(cy.rows().size(), 8u);
    cy.ChoosePlayers(0);
    EXPECT_TRUE(cy.rows().empty());

    TempProgramFolder empty;
    NetScoreTables none(empty.path(), "Ann", f.dialogs, &f.sounds);
    EXPECT_FALSE(none.Open());
}

TEST(NetScoreTables, NextStepsToTheNextOwnerAndWrapsAround) {
    ScoreFolder f;
    for (const char* name : {"Ann_2.ran", "Ann_3.ran", "Bob_4.ran", "Cy_2.ran"})
        f.Write(name, TwoPlayerFile());
    NetScoreTables t = f.Tables("Ann");
    ASSERT_TRUE(t.Open());
    t.ChoosePlayers(2);
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        t.Next();
        seen.push_back(t.owner() + std::to_string(t.players()));
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"Bob4", "Cy2", "Ann2", "Bob4"}));
}

TEST(NetScoreTables, CompetitionsOfTheOwnerAreListedAndShown) {
    ScoreFolder f;
    f.Write("Ann_2.ran", TwoPlayerFile());
    f.Write("Ann_2_Cup.rcm", {Row("Ann", 1, 1, 5, 2), Row("bob", 1, 1, 5, 2)});
    f.Write("Ann_3_Cup.rcm", ThreePlayerFile());
    f.Write("Ann_2_League.rcm", {Row("Ann", 0, 0, 0, 1)});
    f.Write("Annie_2_Other.rcm", {Row("Annie", 0, 0, 0, 1)});
    NetScoreTables t = f.Tables("Ann");
    ASSERT_TRUE(t.Open());
    EXPECT_EQ(t.scoreFiles(), (std::vector<std::string>{"Default Score File", "Cup", "League"}));
    t.ChooseCompetition(1);
    EXPECT_EQ(Names(t.rows()), (std::vector<std::string>{"bob"}));
    EXPECT_EQ(t.label(), "Quorvane Player: Ann");
    t.ChoosePlayers(1);  // back to the default file of three-player games, which is missing
    EXPECT_EQ(t.scoreFile(), 0);
    EXPECT_TRUE(t.rows().empty());
    t.ChooseCompetition(1);
    EXPECT_EQ(t.rows().size(), 8u);
    t.ChooseCompetition(2);  // no three-player League file: an empty table, and none created
    EXPECT_TRUE(t.rows().empty());
    EXPECT_FALSE(FileExists(f.dir.File("users/Ann_3_League.rcm")));
}

TEST(NetScoreTables, GroupClicksSelectWholeGroupsAndSeparatorsNothing) {
    ScoreFolder f;
    f.Write("Ann_3.ran", ThreePlayerFile());
    NetScoreTables t = f.Tables("Ann");
    ASSERT_TRUE(t.Open());
    t.ChoosePlayers(1);
    t.GridClicked(6, 0);
    EXPECT_EQ(t.selectedFirst(), 5);
    EXPECT_EQ(t.selectedLast(), 7);
    t.GridClicked(4, 0);  // a separator
    t.GridClicked(2, 1);  // not the name column
    t.GridClicked(9, 0);  // beyond the rows
    EXPECT_EQ(t.selectedFirst(), 5);

    f.dialogs.answers = {mb::No};
    t.DeleteOpponent();
    EXPECT_EQ(t.rows().size(), 8u);
    f.dialogs.answers = {mb::Yes};
    t.GridClicked(6, 0);
    t.DeleteOpponent();
    EXPECT_EQ(f.dialogs.lastTitle, "DELETE OPPONENT");
    EXPECT_EQ(Names(t.rows()), (std::vector<std::string>{"Ann", "bob", "cy", "--"}));
    EXPECT_GT(t.selectedFirst(), t.selectedLast());
}

TEST(NetScoreTables, DeleteWithoutASelectionAsksForOneAndBeeps) {
    ScoreFolder f;
    f.Write("Ann_2.ran", TwoPlayerFile());
    NetScoreTables t = f.Tables("Ann");
    ASSERT_TRUE(t.Open());
    t.GridClicked(7, 0);  // an empty row below the opponents
    t.DeleteOpponent();
    EXPECT_EQ(t.label(), "Select a player");
    EXPECT_EQ(f.dialogs.asked, 0);
    EXPECT_TRUE(f.log.Contains("Beep"));

    t.GridClicked(3, 0);  // cy, sorted last
    t.DeleteOpponent();
    EXPECT_EQ(Names(t.rows()), (std::vector<std::string>{"Ann2", "bob"}));
}

TEST(NetScoreTables, DeletingFilesStepsOnAndTheLastOneCloses) {
    ScoreFolder f;
    f.Write("Ann_2.ran", TwoPlayerFile());
    f.Write("Bob_2.ran", TwoPlayerFile());
    NetScoreTables t = f.Tables("Ann");
    ASSERT_TRUE(t.Open());
    f.dialogs.answers = {mb::No};
    EXPECT_TRUE(t.DeleteFile());
    EXPECT_TRUE(FileExists(f.dir.File("users/Ann_2.ran")));

    EXPECT_TRUE(t.DeleteFile());
    EXPECT_EQ(f.dialogs.lastText, "Score file eliminated.");
    EXPECT_FALSE(FileExists(f.dir.File("users/Ann_2.ran")));
    EXPECT_EQ(t.owner(), "Bob");
    EXPECT_FALSE(t.nextEnabled());
    EXPECT_FALSE(t.DeleteFile());
}

TEST(Competitions, ListedOnceWhateverThePlayerCountAndTheChoiceComesFirst) {
    TempProgramFolder dir;
    for (const char* name : {"ann_3_Cup.rcm", "Ann_2_Cup.rcm", "Ann_2_Spring.RCM", "Ann_Cup.rcm",
                             "Ann_5_X.rcm", "Ann_2_.rcm", "Bob_2_Cup.rcm", "Ann_2_Cup.ran"})
        WriteFileAtomically(dir.File(std::string("users/") + name), "", nullptr);
    EXPECT_EQ(GetCompetitionFiles(dir.path(), "Ann"), (std::vector<std::string>{"Cup", "Spring"}));

    ScoreFileList l = FillScoreFileList(dir.path(), "Ann", "Spring");
    EXPECT_EQ(l.entries, (std::vector<std::string>{"Spring", "Cup"}));
    EXPECT_EQ(l.shown, 0);
    EXPECT_EQ(l.caption, "Use Score File: Spring");
    l = FillScoreFileList(dir.path(), "Ann", "");
    EXPECT_EQ(l.shown, -1);
    EXPECT_EQ(l.caption, "Use Score File: Default");
}
