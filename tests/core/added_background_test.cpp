#include "mainwindow/added_background.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_util.h"
#include "temp_folder.h"

namespace {
struct AddedBackgroundTest : ::testing::Test {
    AddedBackgroundTest() {
        Put("backgrounds/Felt.jpg", "felt");
        Put("backgrounds/Felt (2).jpg", "older felt");
        Put("elsewhere/Felt.jpg", "a new felt");
        Put("elsewhere/Copy.JPG", "felt");
        Put("elsewhere/Sky.gif", "sky");
        Put("elsewhere/same/Felt.jpg", "felt");
    }
    void Put(const char* rel, const char* bytes) {
        std::filesystem::create_directories(std::filesystem::path(folder.File(rel)).parent_path());
        ASSERT_TRUE(WriteFileAtomically(folder.File(rel), bytes, nullptr));
    }
    std::string Backgrounds() const { return folder.File("backgrounds"); }
    TempProgramFolder folder;
};
}  // namespace

TEST_F(AddedBackgroundTest, ANewNameIsCopiedAndAClashNeverOverwrites) {
    AddedBackground sky = PlaceAddedBackground(folder.File("elsewhere/Sky.gif"), Backgrounds());
    EXPECT_EQ(sky.fileName, "Sky.gif");
    EXPECT_TRUE(sky.copy);

    // A different picture under a name the folder holds, twice over: the first free number.
    AddedBackground clash = PlaceAddedBackground(folder.File("elsewhere/Felt.jpg"), Backgrounds());
    EXPECT_EQ(clash.fileName, "Felt (3).jpg");
    EXPECT_TRUE(clash.copy);
    ASSERT_TRUE(
        CopyFileTo(folder.File("elsewhere/Felt.jpg"), JoinPath(Backgrounds(), clash.fileName)));
    EXPECT_EQ(ReadWholeFile(folder.File("backgrounds/Felt.jpg")), "felt");
    EXPECT_EQ(ReadWholeFile(folder.File("backgrounds/Felt (3).jpg")), "a new felt");
}

TEST_F(AddedBackgroundTest, APictureAlreadyThereIsShownWithoutACopy) {
    AddedBackground inFolder =
        PlaceAddedBackground(folder.File("backgrounds/Felt.jpg"), Backgrounds());
    EXPECT_EQ(inFolder.fileName, "Felt.jpg");
    EXPECT_FALSE(inFolder.copy);

    AddedBackground sameBytes =
        PlaceAddedBackground(folder.File("elsewhere/same/Felt.jpg"), Backgrounds());
    EXPECT_EQ(sameBytes.fileName, "Felt.jpg");
    EXPECT_FALSE(sameBytes.copy);
}

TEST(AddedBackground, OnlyThePicturesTheTableShows) {
    for (const char* ok : {"a.jpg", "b.GIF", "/x/c.Bmp"})
        EXPECT_TRUE(IsBackgroundPicture(ok)) << ok;
    for (const char* bad : {"a.png", "jpg", "a.jpg.exe", ""})
        EXPECT_FALSE(IsBackgroundPicture(bad)) << bad;
}
