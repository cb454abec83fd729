// The player's files damaged between two runs, each kind of damage on each file: the program,
// started as main() starts it, tells the player of each once, never uses what fails its checks
// and loses nothing else (a damaged file is left as it is).
#include <gtest/gtest.h>

#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>
#include <random>

#include "engine/personality.h"
#include "engine/snapshot_codec.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "records/comment_file.h"
#include "records/high_score_record.h"
#include "records/record_list.h"
#include "records/save_slots.h"
#include "records/score_record.h"
#include "shared/prefs_record.h"
#include "shared/record_io.h"
#include "tests/qt/program_run.h"
#include "tests/qt/qt_test_app.h"

namespace fs = std::filesystem;

namespace {

// Ada and Cy have played here; Ada, signed in last, plays Zed (a personality of the player's
// own) with the comment file Custom.
void PrepareHome(const std::string& folder) {
    {
        ProgramRun first;
        first.OnWindow("frmWelcome", [](QWidget* w) {
            w->findChild<QComboBox*>("Combo1")->setEditText("Ada");
            w->findChild<QAbstractButton*>("Command1")->click();
        });
        ASSERT_TRUE(first.Start(folder));
    }
    const std::string prefs = JoinPath(folder, "Data/Prefs.sav");
    auto records = ReadAllRecords<PrefsRecord>(prefs);
    ASSERT_TRUE(records && records->size() == 2);
    (*records)[1].Seats[1] = SeatRecord{"Zed", "", "Custom", 0, 0};
    records->push_back((*records)[1]);
    records->back().Seats[0].Name = "Cy";
    ASSERT_TRUE(WriteAllRecords(prefs, *records));
    fs::copy_file(JoinPath(folder, "Data/PMS/Tessik.pms"), JoinPath(folder, "Data/PMS/Zed.pms"));
    CommentLines lines;
    for (int i = 1; i <= kCommentLines; ++i) lines[i] = "Custom line " + std::to_string(i);
    ASSERT_TRUE(WriteCommentFile(JoinPath(folder, "users/Custom.cmt"), lines, nullptr));
    // Two saved games, in slots 1 and 2: the first of the tutorial's positions the game ships.
    const RecordFile saved(JoinPath(folder, "Data/backup.sav"), GameStateRecord::kSize);
    GameStateRecord game;
    long n = 13;
    while (ReadRecord(saved, n, game) && (!HoldsGame(game) || !ValidateRecord(game).empty())) {
        ASSERT_LT(++n, 40) << ValidateRecord(game);
    }
    for (int slot : {1, 2}) {
        game.Title = "Saved " + std::to_string(slot);
        ASSERT_TRUE(WriteRecord(saved, slot, game));
    }
}

struct Damage {
    const char* kind;
    std::function<void(const std::string& path, size_t cutAt)> apply;
};

const Damage kDamages[] = {
    {"missing", [](const std::string& path, size_t) { fs::remove(path); }},
    {"cut", [](const std::string& path, size_t cutAt) { fs::resize_file(path, cutAt); }},
    {"random bytes",
     [](const std::string& path, size_t) {
         std::mt19937 bytes(7);
         std::string junk(fs::file_size(path), '\0');
         for (char& c : junk) c = static_cast<char>(bytes());
         ASSERT_TRUE(WriteFileAtomically(path, junk, nullptr));
     }},
    {"empty", [](const std::string& path, size_t) { fs::resize_file(path, 0); }},
};

PrefsRecord ShippedTemplate() {
    auto shipped = ReadAllRecords<PrefsRecord>(JoinPath(StagedProgramFolder(), "Data/Prefs.sav"));
    return shipped && !shipped->empty() ? shipped->front() : PrefsRecord{};
}

struct File {
    const char* rel;
    size_t cutAt;  // in the middle of the last record
    // What the program uses in place of the file, after the run (`kind` of damage).
    std::function<void(Game& g, const std::string& folder, const std::string& kind)> check;
    // The kinds of damage after which the game's own copy takes the file's place.
    std::string replacedWhen = "";
};

// Records `first` to `last` of the file as the game ships them: shutdown writes none of them.
void ExpectShippedRecords(const std::string& folder, const char* rel, size_t size, size_t first,
                          size_t last) {
    const auto now = ReadWholeFile(JoinPath(folder, rel));
    const auto shipped = ReadWholeFile(JoinPath(StagedProgramFolder(), rel));
    ASSERT_TRUE(now && shipped);
    ASSERT_EQ(now->size() % size, 0u);
    const size_t from = (first - 1) * size, count = (last - first + 1) * size;
    ASSERT_GE(now->size(), from + count);
    EXPECT_EQ(now->substr(from, count), shipped->substr(from, count));
}

}  // namespace

TEST(DamagedFiles, EachIsToldOnceAndNeverUsedAndNothingElseIsLost) {
    TestApp();
    QTemporaryDir home, config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    const std::string prepared = home.path().toStdString() + "/Prepared";
    PrepareHome(prepared);
    PmsRecord zed;
    ASSERT_TRUE(ReadPmsFile(JoinPath(prepared, "Data/PMS/Zed.pms"), zed));

    const File files[] = {
        {"Data/Prefs.sav", 2 * PrefsRecord::kSize + PrefsRecord::kSize / 2,
         [](Game& g, const std::string& folder, const std::string& kind) {
             const std::string prefs = JoinPath(folder, "Data/Prefs.sav");
             auto records = ReadAllRecords<PrefsRecord>(prefs);
             ASSERT_TRUE(records && records->size() >= 2);
             if (kind == "cut") {
                 // Ada is kept and signed in; Cy's record is never taken for whole: the file is
                 // still cut, or the record kept its place nameless.
                 EXPECT_EQ(g.PlayerName, "Ada");
                 EXPECT_EQ((*records)[1].Seats[0].Name, "Ada");
                 ASSERT_EQ(records->size(), 3u);
                 EXPECT_TRUE(fs::file_size(prefs) % PrefsRecord::kSize != 0 ||
                             (*records)[2].Seats[0].Name.empty());
                 return;
             }
             // Nobody is left to sign in: the new player starts from the game's own settings.
             EXPECT_EQ(g.PlayerName, "Bea");
             const PrefsRecord& bea = records->back();
             EXPECT_EQ(bea.Seats[0].Name, "Bea");
             EXPECT_EQ(bea.MatColor, ShippedTemplate().MatColor);
             EXPECT_EQ(bea.FontColor, ShippedTemplate().FontColor);
         }},
        {"Data/PMS/Zed.pms", PmsRecord::kSize / 2,
         [](Game& g, const std::string&, const std::string&) {
             EXPECT_EQ(g.Opp[1].Name, "Brivo");
             EXPECT_EQ(g.Opp[1].CommentFile, "Custom");
             EXPECT_EQ(g.Opp[1].Comments[1], "Custom line 1");
         }},
        {"users/Custom.cmt", 10 * 100 + 50,
         [&zed](Game& g, const std::string&, const std::string&) {
             EXPECT_EQ(g.Opp[1].Name, "Zed");
             EXPECT_EQ(g.Opp[1].CommentFile, "Default Personality");
             EXPECT_EQ(g.Opp[1].Comments[1], zed.Comments[1]);
         }},
        // Cut inside record 11, the computer players' best side run.
        {"Data/scores.ran", 10 * ScoreRecord::kSize + ScoreRecord::kSize / 2,
         [](Game&, const std::string& folder, const std::string&) {
             ExpectShippedRecords(folder, "Data/scores.ran", ScoreRecord::kSize, 2, 11);
         },
         "cut random bytes empty"},
        {"Data/highscore.ran", 5 * HighScoreRecord::kSize + HighScoreRecord::kSize / 2,
         [](Game&, const std::string& folder, const std::string&) {
             ExpectShippedRecords(folder, "Data/highscore.ran", HighScoreRecord::kSize, 1, 20);
         },
         "cut random bytes empty"},
        // Cut inside slot 2: the game in slot 1 is kept.
        {"Data/backup.sav", GameStateRecord::kSize + GameStateRecord::kSize / 2,
         [](Game&, const std::string&, const std::string&) {}, "empty"},
    };

    int n = 0;
    for (const File& file : files) {
        for (const Damage& damage : kDamages) {
            const std::string where = std::string(file.rel) + " " + damage.kind;
            SCOPED_TRACE(where);
            const std::string folder = home.path().toStdString() + "/Case" + std::to_string(++n);
            fs::copy(prepared, folder, fs::copy_options::recursive);
            const std::string path = JoinPath(folder, file.rel);
            damage.apply(path, file.cutAt);
            const auto damaged = ReadWholeFile(path);

            ProgramRun run;
            run.OnWindow("frmWelcome", [](QWidget* w) {
                w->findChild<QComboBox*>("Combo1")->setEditText("Bea");
                w->findChild<QAbstractButton*>("Command1")->click();
            });
            ASSERT_TRUE(run.Start(folder)) << where;
            QApplication::processEvents();
            const std::string name = fs::path(file.rel).filename().string();
            EXPECT_EQ(run.BoxesWith(name), 1) << where;
            if (name == "backup.sav" && damage.kind == std::string("cut")) {
                EXPECT_EQ(run.BoxesWith("saved game in slot 2 cannot be restored"), 1) << where;
            }
            Game& g = run.root->CurrentGame();
            file.check(g, folder, damage.kind);
            run.Close();
            // A damaged personality or comment file is left as it was.
            if (damaged && file.replacedWhen.find(damage.kind) == std::string::npos &&
                name != "Prefs.sav") {
                EXPECT_EQ(ReadWholeFile(path), damaged) << where;
            }
            if (::testing::Test::HasFailure()) return;
        }
    }
}
