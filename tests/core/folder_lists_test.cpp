// The program folder's file lists: which files each takes, their order, the empty entry 0, the
// default background, and the personalities with the default first and Pellor last.
#include "records/folder_lists.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/record_file.h"
#include "shared/pms_record.h"
#include "shared/record_io.h"
#include "temp_folder.h"

namespace {

void Touch(const TempProgramFolder& f, const std::string& rel) {
    std::ofstream(f.File(rel)) << "x";
}

void Personality(const TempProgramFolder& f, const std::string& file, const std::string& text) {
    PmsRecord pms;
    pms.Comments[0] = text;
    ASSERT_TRUE(WriteRecord(RecordFile(f.File("Data/PMS/" + file), PmsRecord::kSize), 1, pms));
}

std::vector<std::string> Names(const std::vector<PersonalityEntry>& list) {
    std::vector<std::string> names;
    for (const auto& p : list) names.push_back(p.name);
    return names;
}

}  // namespace

TEST(FolderLists, EachListTakesItsFilesInAlphabeticalOrder) {
    TempProgramFolder f;
    for (const char* rel :
         {"Avatars/zoe.JPG", "Avatars/Ann.gif", "Avatars/bob.bmp", "Avatars/notes.txt",
          "Avatars/xjpg", "backgrounds/GameBoard.gif", "backgrounds/felt.jpg", "users/Ann_2.ran",
          "users/Ann_3.RAN", "users/cup.rcm", "users/Rude.cmt", "users/Ann.avt"})
        Touch(f, rel);
    std::filesystem::create_directory(f.File("Avatars/folder.jpg"));
    EXPECT_EQ(ListAvatars(f.path()),
              (std::vector<std::string>{"", "Ann.gif", "bob.bmp", "zoe.JPG"}));
    const auto backgrounds = ListBackgrounds(f.path());
    EXPECT_EQ(backgrounds, (std::vector<std::string>{"", "felt.jpg", "GameBoard.gif"}));
    EXPECT_EQ(DefaultBackgroundIndex(backgrounds), 2);
    EXPECT_EQ(ListScoreFiles(f.path()), (std::vector<std::string>{"", "Ann_2", "Ann_3"}));
    EXPECT_EQ(ListCommentFiles(f.path()), (std::vector<std::string>{"", "Rude"}));
    EXPECT_EQ(ListCount(ListCommentFiles(f.path())), 1);
}

TEST(FolderLists, AnEmptyOrMissingFolderGivesOnlyTheEmptyEntry) {
    TempProgramFolder f;
    std::filesystem::remove_all(f.File("backgrounds"));
    const auto backgrounds = ListBackgrounds(f.path());
    EXPECT_EQ(backgrounds, (std::vector<std::string>{""}));
    EXPECT_EQ(ListCount(backgrounds), 0);
    EXPECT_EQ(DefaultBackgroundIndex(backgrounds), 0);
    EXPECT_EQ(ListAvatars(f.path()), (std::vector<std::string>{""}));
}

TEST(FolderLists, PersonalitiesPutTheDefaultFirstAndPellorLast) {
    TempProgramFolder f;
    Personality(f, "Brivo.pms", "The host");
    Personality(f, "pellor.PMS", "Last of all");
    Personality(f, "Tessik.pms", "Sharp");
    Personality(f, "Ruun.pms", "Slow");
    Personality(f, "Abel.pms", "New");
    const auto list = ListPersonalities(f.path());
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Brivo", "Abel", "Ruun", "Tessik", "Pellor"}));
    EXPECT_EQ(list[0].description, "The host");
    EXPECT_EQ(list[4].description, "Last of all");
}

TEST(FolderLists, WithoutTheDefaultFileEveryOtherPersonalityIsStillListed) {
    TempProgramFolder f;
    Personality(f, "Tessik.pms", "Sharp");
    Personality(f, "Ruun.pms", "Slow");
    const auto list = ListPersonalities(f.path());
    EXPECT_EQ(list, (std::vector<PersonalityEntry>{
                        {"Brivo", ""}, {"Ruun", "Slow"}, {"Tessik", "Sharp"}}));
    // Reading the list made no file.
    EXPECT_FALSE(std::filesystem::exists(f.File("Data/PMS/Brivo.pms")));
}
