#include <gtest/gtest.h>

#include "data_files_source.h"
#include "engine/shared_helpers.h"
#include "mainwindow/settings_records.h"
#include "mainwindow/startup_rules.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/prefs_record.h"
#include "shared/record_io.h"

namespace {
const std::string kStage = QUORVANE_STAGE_DIR;
}

TEST(ShippedData, TheStartFilesAreThereAndTheirSettingsAreInRange) {
    ASSERT_TRUE(StartFilesPresent(kStage));
    ScoresFile scores(JoinPath(kStage, "Data/scores.ran"));
    ASSERT_TRUE(scores.Load(nullptr));
    EXPECT_EQ(RecordFile(JoinPath(kStage, "Data/scores.ran"), 38).RecordCount(), 18);
    // A fresh installation has no saved window yet: it opens maximised in display mode 0.
    const StartupSettings s = ReadStartupSettings(scores);
    EXPECT_EQ(DisplayModeFromStored(s.StoredDisplayMode), 0);
    EXPECT_NE(s.SavedWindowFlag, settings_rec::kSavedWindow);

    PrefsRecord header;
    ASSERT_TRUE(
        ReadRecord(RecordFile(JoinPath(kStage, "Data/Prefs.sav"), PrefsRecord::kSize), 1, header));
    EXPECT_EQ(RecordFile(JoinPath(kStage, "Data/Prefs.sav"), PrefsRecord::kSize).RecordCount(), 1);
    // Nobody has signed in yet; the template's seats are real personalities.
    EXPECT_EQ(header.Seats[0].Name, "");
    EXPECT_GE(header.NumPlayers, 2);
    EXPECT_LE(header.NumPlayers, 4);
    EXPECT_EQ(header.Rules[0], 19);
    for (int seat = 1; seat <= 3; ++seat)
        EXPECT_TRUE(FileExists(JoinPath(kStage, "Data/PMS/" + header.Seats[seat].Name + ".pms")))
            << header.Seats[seat].Name;
}

TEST(ShippedData, EveryLabelTextTheWindowsReadIsWritten) {
    for (auto [first, last] :
         {std::pair{1, 3}, {9, 11}, {19, 21}, {22, 22}, {23, 28}, {29, 31}, {32, 34}})
        for (int r = first; r <= last; ++r)
            EXPECT_GT(ReadTextBlock(kStage, r, r).size(), 10u) << "record " << r;
}

TEST(ShippedData, SourceMistakesAreNamedWithTheirLine) {
    std::string error;
    EXPECT_FALSE(BuildSnackFile("1 ok\n\n2 " + std::string(101, 'x') + "\n", "snack.txt", &error));
    EXPECT_EQ(error, "snack.txt:3: text longer than 100 characters");
    EXPECT_FALSE(BuildScoresFile("19 | x | 0 0 0 0\n", "scores.txt", &error));
    EXPECT_EQ(error.rfind("scores.txt:1:", 0), 0u);
    EXPECT_FALSE(BuildScoresFile("14 | | 0 0 40000 0\n", "scores.txt", &error));
    EXPECT_FALSE(BuildPrefsTemplate("NumPlayers = 5\n", "prefs.txt", &error));
    EXPECT_EQ(error, "prefs.txt:1: value out of range for NumPlayers");
    const auto snack = BuildSnackFile("# a comment\n3 third\n", "s", &error);
    ASSERT_TRUE(snack);
    EXPECT_EQ(snack->size(), 300u);
    EXPECT_EQ(snack->substr(200, 6), "third ");
    EXPECT_EQ(snack->substr(0, 100), std::string(100, ' '));
}
