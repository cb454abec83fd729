// The record files and texts the build ships for the profile and scores: empty high-score
// lists, a template profile that needs no correction, and the tips of the day.
#include <gtest/gtest.h>

#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "records/high_scores.h"
#include "records/record_list.h"
#include "records/working_prefs.h"
#include "shared/prefs_record.h"

namespace {
const std::string kStage = QUORVANE_STAGE_DIR;
}

TEST(ShippedRecords, TheHighScoreListsAreEmpty) {
    const std::string path = JoinPath(kStage, "Data/highscore.ran");
    EXPECT_EQ(ReadWholeFile(path).value_or("").size(), 2 * kHighListSize * HighScoreRecord::kSize);
    const auto lists = ReadAllRecords<HighScoreRecord>(path);
    ASSERT_TRUE(lists);
    for (const HighScoreRecord& e : *lists) {
        EXPECT_EQ(e.When, 0);
        EXPECT_EQ(e.Name, "");
        EXPECT_EQ(e.Side + e.Hand + e.Hold + e.Total, 0);
    }
}

TEST(ShippedRecords, TheProfileTemplateNeedsNoCorrection) {
    auto file = ReadAllRecords<PrefsRecord>(JoinPath(kStage, "Data/Prefs.sav")).value();
    ASSERT_FALSE(file.empty());
    PrefsRecord header = file[0];
    // Only the plain back's colour is left to the screen, as the template intends.
    EXPECT_EQ(CorrectProfile(header, {kStage, false, 19200, 14400}),
              (std::vector<std::string>{"DeckColor"}));
}

TEST(ShippedRecords, ThereAreAtLeastFortyTipsOnePerLine) {
    const std::string text = ReadWholeFile(JoinPath(kStage, "TIPOFDAY.TXT")).value_or("");
    int tips = 0;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string tip = text.substr(start, end - start);
        EXPECT_GT(tip.size(), 30u) << "tip " << tips + 1;
        EXPECT_LT(tip.size(), 400u) << "tip " << tips + 1;
        EXPECT_EQ(tip.find('\n'), std::string::npos) << "tip " << tips + 1;
        EXPECT_EQ(ToCp1252(FromCp1252(tip)), tip) << "tip " << tips + 1;
        ++tips;
    }
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF";
    EXPECT_GE(tips, 40);
}
