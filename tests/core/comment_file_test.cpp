#include "records/comment_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/game.h"
#include "platform/file_util.h"
#include "records/record_list.h"
#include "shared/profile_state.h"
#include "temp_folder.h"

TEST(CommentFile, SaveChecksInTheirOrder) {
    CommentLines lines = NewCommentLines();
    EXPECT_EQ(lines[1], "custom 1");
    EXPECT_EQ(lines[20], "custom 20");
    struct Case {
        int line;  // line to change, 0 none
        std::string text;
        std::string name;
        CommentSaveCheck::Result result;
        int badLine;
        std::string saved;
    } cases[] = {
        {0, "", "Mine", CommentSaveCheck::Ok, 0, "Mine"},
        {5, std::string(100, 'x'), "Mine", CommentSaveCheck::Ok, 0, "Mine"},
        {5, "  " + std::string(100, 'x') + "  ", "Mine", CommentSaveCheck::Ok, 0, "Mine"},
        {5, std::string(101, 'x'), "Mine", CommentSaveCheck::LineTooLong, 5, ""},
        {7, std::string(99, 'x') + "éé", "Mine", CommentSaveCheck::LineTooLong, 7, ""},
        // Letters the file's character set has (é, the euro sign) are kept; others are not.
        {4, "Caf\xC3\xA9 5 \xE2\x82\xAC", "Mine", CommentSaveCheck::Ok, 0, "Mine"},
        {6, "Smile \xE2\x98\xBA", "Mine", CommentSaveCheck::LetterNotKept, 6, ""},
        {2, "\xCE\xA9mega", "  ", CommentSaveCheck::LetterNotKept, 2, ""},
        {1, "   ", "Mine", CommentSaveCheck::NoComments, 0, ""},
        {0, "", "  ", CommentSaveCheck::NoName, 0, ""},
        {0, "", "Taunts.CMT", CommentSaveCheck::Ok, 0, "Taunts"},
        {0, "", ".cmt", CommentSaveCheck::NoName, 0, ""},
    };
    for (const Case& c : cases) {
        CommentLines l = lines;
        if (c.line) l[c.line] = c.text;
        CommentSaveCheck check = CheckCommentSave(l, c.name);
        EXPECT_EQ(check.result, c.result) << c.line << " " << c.name;
        EXPECT_EQ(check.line, c.badLine);
        EXPECT_EQ(check.name, c.saved);
    }
}

TEST(CommentFile, WritesTwentyRecordsAndReadsThemBackTrimmed) {
    TempProgramFolder dir;
    const std::string path = dir.File("users/Mine.cmt");
    CommentLines lines = NewCommentLines();
    lines[2] = "  Nice move, slowpoke!  ";
    lines[20] = std::string(100, 'z');
    std::string error;
    ASSERT_TRUE(WriteCommentFile(path, lines, &error)) << error;
    EXPECT_EQ(std::filesystem::file_size(path), 2000u);
    auto back = ReadCommentFile(path);
    ASSERT_TRUE(back);
    EXPECT_EQ((*back)[2], "Nice move, slowpoke!");
    EXPECT_EQ((*back)[20], std::string(100, 'z'));
    EXPECT_EQ((*back)[1], "custom 1");
    auto missing = ReadCommentFile(dir.File("users/none.cmt"));
    ASSERT_TRUE(missing);
    EXPECT_EQ((*missing)[1], "");
}

TEST(CommentFile, NamesAndTheFolderTheyMayComeFrom) {
    EXPECT_EQ(CommentFileTitle("Custom.cmt"), "Custom");
    EXPECT_EQ(CommentFileTitle("Loud.CMT"), "Loud");
    EXPECT_EQ(CommentFileTitle("plain"), "plain");
    TempProgramFolder dir;
    EXPECT_TRUE(InCommentFolder(dir.path(), dir.File("users/a.cmt")));
    EXPECT_TRUE(InCommentFolder(dir.path(), dir.File("users/../users/a.cmt")));
    EXPECT_FALSE(InCommentFolder(dir.path(), dir.File("Data/a.cmt")));
    EXPECT_FALSE(InCommentFolder(dir.path(), dir.File("users/sub/a.cmt")));
    EXPECT_FALSE(InCommentFolder(dir.path(), "/tmp/a.cmt"));
}

TEST(CommentFile, UsingTheLinesNowChangesTheRemarksAndTheSignedInProfileOnly) {
    TempProgramFolder dir;
    const std::string prefs = dir.File("Data/Prefs.sav");
    std::vector<PrefsRecord> profiles(3);
    profiles[1].Seats[0].Name = "Ann";
    profiles[1].Seats[1].Comments = "Default Personality";
    profiles[1].GamesPlayed[0] = 9;
    profiles[2].Seats[1].Comments = "Other";
    ASSERT_TRUE(WriteAllRecords(prefs, profiles));
    Game g;
    ProfileState profile;
    profile.PlayerRecNum = 2;
    g.Opp[1].CommentFile = "Taunts";
    CommentLines lines = NewCommentLines();
    lines[4] = "  Ha!  ";
    std::string error;
    ASSERT_TRUE(UseCommentsNow(g, profile, lines, prefs, &error)) << error;
    EXPECT_EQ(g.CompComments[4], "Ha!");
    EXPECT_EQ(g.Opp[1].Comments[4], "Ha!");
    EXPECT_EQ(g.Opp[1].Comments[21], "");
    EXPECT_EQ(profile.PlayerPrefs.Seats[1].Comments, "Taunts");
    auto back = *ReadAllRecords<PrefsRecord>(prefs);
    EXPECT_EQ(back[1].Seats[1].Comments, "Taunts");
    EXPECT_EQ(back[1].GamesPlayed[0], 9);
    EXPECT_EQ(back[2].Seats[1].Comments, "Other");
    // Nobody signed in: the header record is left alone.
    profile.PlayerRecNum = 1;
    g.Opp[1].CommentFile = "Loud";
    ASSERT_TRUE(UseCommentsNow(g, profile, lines, prefs, &error));
    EXPECT_EQ((*ReadAllRecords<PrefsRecord>(prefs))[0].Seats[1].Comments, "");
}
