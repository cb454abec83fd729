#include "records/tip_book.h"

#include <gtest/gtest.h>

#include <fstream>

#include "temp_folder.h"

TEST(TipBook, StepsWrapBothWaysAndAStoredNumberPastTheEndStartsOver) {
    TipBook book;
    book.SetTips({"one", "two", "three"});
    struct Case {
        long stored;
        bool back;
        long shown;
    } cases[] = {{0, false, 1},  {1, false, 2}, {3, false, 1}, {9, false, 1},
                 {-4, false, 1}, {1, true, 3},  {3, true, 2},  {-4, true, 3}};
    for (const Case& c : cases) {
        book.SetIndex(c.stored);
        book.Step(c.back);
        EXPECT_EQ(book.Index(), c.shown) << c.stored << (c.back ? " back" : " forward");
    }
}

TEST(TipBook, ParagraphMarksBecomeBlankLines) {
    TipBook book;
    book.SetTips({"A~B", "end~"});
    book.SetIndex(0);
    book.Step(false);
    EXPECT_EQ(book.Text(), "A\n\nB");
    book.Step(false);
    EXPECT_EQ(book.Text(), "end\n\n");
}

TEST(TipBook, ReadsCrLfLinesAndRefusesAMissingOrEmptyFile) {
    TempProgramFolder dir;
    std::ofstream(dir.File("TIPOFDAY.TXT"), std::ios::binary) << "first\r\nsecond caf\xe9\r\n";
    std::ofstream(dir.File("empty.txt"), std::ios::binary) << "";
    TipBook book;
    ASSERT_TRUE(book.Load(dir.File("TIPOFDAY.TXT")));
    EXPECT_EQ(book.Count(), 2);
    book.SetIndex(1);
    book.Step(false);
    EXPECT_EQ(book.Text(), "second café");
    EXPECT_FALSE(TipBook().Load(dir.File("empty.txt")));
    EXPECT_FALSE(TipBook().Load(dir.File("missing.txt")));
}

TEST(TipSettings, MissingValuesReadAsTheirDefaults) {
    MemorySettings s;
    EXPECT_TRUE(ShowTipsAtStartup(s));
    EXPECT_EQ(StoredTipNumber(s), 0);
    StoreShowTipsAtStartup(s, false);
    EXPECT_EQ(s.GetSetting("Options9", "Show Tips at Startup", ""), "0");
    EXPECT_FALSE(ShowTipsAtStartup(s));
    StoreTipNumber(s, 7);
    EXPECT_EQ(s.GetSetting("Options9", "Tip Number", ""), "7");
    EXPECT_EQ(StoredTipNumber(s), 7);
    s.SaveSetting("Options9", "Tip Number", "-3");
    EXPECT_EQ(StoredTipNumber(s), 0);
}
