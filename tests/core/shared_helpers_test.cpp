#include "engine/shared_helpers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/program_folder.h"
#include "platform/record_file.h"
#include "platform/web_address.h"
#include "tests/support/headless_services.h"

namespace fs = std::filesystem;

TEST(BadFileChars, RefusesEachForbiddenCharacterWithTheMessage) {
    Game g;
    HeadlessServices h(g);
    for (char c : std::string("!\"*./:<>?\\|")) {
        EXPECT_EQ(BadFileChars(std::string("ab") + c, h.dialogs), VbTrue) << c;
    }
    EXPECT_EQ(h.dialogs.asked, 11);
    EXPECT_EQ(h.dialogs.lastTitle, "Non-standard filename character");
    EXPECT_EQ(h.dialogs.lastText,
              "Please do not use the following characters:  \n\n/ \\ : * . ? ! < > | \"\n\nPlease "
              "re-enter.");
    EXPECT_EQ(BadFileChars("Plain Name", h.dialogs), VbFalse);
    EXPECT_EQ(h.dialogs.asked, 11);
}

TEST(ReadTextBlock, JoinsTrimmedRecordsAndSurvivesAMissingFile) {
    fs::path dir = fs::temp_directory_path() / ("quorvane-snack-" + std::to_string(::getpid()));
    fs::create_directories(dir / "Data");
    RecordFile file((dir / "Data/snack.ade").string(), 100);
    RecordBuffer rec(100);
    rec.SetText(0, 100, "word   ");
    ASSERT_TRUE(file.Write(1, rec));
    rec.SetText(0, 100, "   other");
    ASSERT_TRUE(file.Write(2, rec));
    EXPECT_EQ(ReadTextBlock(dir.string(), 1, 2), "word other ");
    EXPECT_EQ(ReadTextBlock(dir.string(), 2, 1), "");
    EXPECT_EQ(ReadTextBlock(dir.string(), 2, 3), "other  ");
    EXPECT_EQ(ReadTextBlock("/nonexistent", 1, 1), " ");
    fs::remove_all(dir);
}

TEST(IsWebAddress, AcceptsOnlyHttpAndHttps) {
    EXPECT_TRUE(IsWebAddress("http://example.org"));
    EXPECT_TRUE(IsWebAddress("HTTPS://example.org/x"));
    EXPECT_FALSE(IsWebAddress("file:///etc/passwd"));
    EXPECT_FALSE(IsWebAddress("javascript:alert(1)"));
    EXPECT_FALSE(IsWebAddress("https://"));
    EXPECT_FALSE(IsWebAddress("http://a b"));
}

TEST(ProgramFolder, FirstStartCopiesLaterStartsOnlyAdd) {
    fs::path root = fs::temp_directory_path() / ("quorvane-pf-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "staged/Data/PMS");
    std::ofstream(root / "staged/Data/PMS/Brivo.pms") << "v1";
    auto first = SyncProgramFolder((root / "staged").string(), (root / "app").string());
    EXPECT_TRUE(first.firstStart);
    EXPECT_EQ(first.filesAdded, 1);
    EXPECT_TRUE(fs::is_directory(root / "app/users"));

    std::ofstream(root / "app/Data/PMS/Brivo.pms") << "player's";
    std::ofstream(root / "staged/Data/PMS/Brivo.pms") << "v2";
    std::ofstream(root / "staged/Data/PMS/Ruun.pms") << "new";
    auto later = SyncProgramFolder((root / "staged").string(), (root / "app").string());
    EXPECT_FALSE(later.firstStart);
    EXPECT_EQ(later.filesAdded, 1);
    std::ifstream in(root / "app/Data/PMS/Brivo.pms");
    std::string kept;
    in >> kept;
    EXPECT_EQ(kept, "player's");
    fs::remove_all(root);
}
