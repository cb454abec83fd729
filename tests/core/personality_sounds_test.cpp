// The custom sounds of personality files: reading, resetting and saving them, and what a
// failure leaves behind.
#include "records/personality_sounds.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/record_io.h"
#include "tests/core/temp_folder.h"
#include "tests/core/write_limit.h"

namespace fs = std::filesystem;

namespace {

struct PersonalitySounds : ::testing::Test {
    TempProgramFolder app;
    TempProgramFolder outside;  // where a player keeps their own sounds

    PersonalitySounds() {
        PmsRecord pms;
        pms.Comments[0] = "Ruun, the test personality.";
        for (int e = 1; e <= kSoundEvents; ++e) {
            pms.Sound(e, 0) = "Ruun_" + std::to_string(e) + ".wav";
            pms.Sound(e, 1) = e == 3 ? "Mine.wav" : pms.Sound(e, 0);
        }
        Write(pms);
        Put(app.File("Sounds/Ruun_1.wav"), "one");
    }
    void Write(const PmsRecord& pms) {
        ASSERT_TRUE(
            WriteRecord(RecordFile(app.File("Data/PMS/Ruun.pms"), PmsRecord::kSize), 1, pms));
    }
    PmsRecord Read() const {
        PmsRecord pms;
        EXPECT_TRUE(
            ReadRecord(RecordFile(app.File("Data/PMS/Ruun.pms"), PmsRecord::kSize), 1, pms));
        return pms;
    }
    static void Put(const std::string& path, const std::string& bytes) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes, nullptr));
    }
    SoundChoices Current() {
        SoundChoices c;
        EXPECT_TRUE(ReadCustomSounds(app.path(), "ruun", c, nullptr));
        return c;
    }
    int SoundFiles() const {
        return static_cast<int>(
            std::distance(fs::directory_iterator(app.File("Sounds")), fs::directory_iterator()));
    }
};

TEST_F(PersonalitySounds, ReadsTheCurrentSoundsAndNeverCreatesAFile) {
    const SoundChoices c = Current();
    EXPECT_EQ(c[3], (SoundChoice{"Mine.wav", app.File("Sounds/Mine.wav")}));
    EXPECT_EQ(c[15].name, "Ruun_15.wav");
    SoundChoices none;
    std::string error;
    EXPECT_FALSE(ReadCustomSounds(app.path(), "Nobody", none, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(FileExists(app.File("Data/PMS/Nobody.pms")));
}

TEST_F(PersonalitySounds, ResetPutsTheDefaultsBack) {
    SoundChoices c;
    ASSERT_TRUE(ResetCustomSounds(app.path(), "Ruun", c, nullptr));
    EXPECT_EQ(c[3].name, "Ruun_3.wav");
    EXPECT_EQ(Read().Sound(3, 1), "Ruun_3.wav");
    EXPECT_EQ(Read().Comments[0], "Ruun, the test personality.");
}

TEST_F(PersonalitySounds, AFileFromElsewhereIsCopiedInAndOnlyItsNameIsKept) {
    Put(outside.File("Sounds/Cheer.wav"), "cheer!");
    SoundChoices c = Current();
    c[13] = {"Cheer.wav", outside.File("Sounds/Cheer.wav")};
    ASSERT_TRUE(SaveCustomSounds(app.path(), "Ruun", c, nullptr));
    EXPECT_EQ(ReadWholeFile(app.File("Sounds/Cheer.wav")), "cheer!");
    EXPECT_EQ(Read().Sound(13, 1), "Cheer.wav");
    EXPECT_EQ(c[13], (SoundChoice{"Cheer.wav", app.File("Sounds/Cheer.wav")}));
    EXPECT_EQ(Read().Sound(3, 1), "Mine.wav");  // the others as they were
}

TEST_F(PersonalitySounds, ADifferentFileOfTheSameNameIsNeverReplaced) {
    Put(outside.File("Sounds/ruun_1.wav"), "my own");
    Put(outside.File("Sounds/Same.wav"), "same");
    Put(app.File("Sounds/Same.wav"), "same");
    SoundChoices c = Current();
    c[1] = {"ruun_1.wav", outside.File("Sounds/ruun_1.wav")};
    c[2] = {"Same.wav", outside.File("Sounds/Same.wav")};
    ASSERT_TRUE(SaveCustomSounds(app.path(), "Ruun", c, nullptr));
    EXPECT_EQ(ReadWholeFile(app.File("Sounds/Ruun_1.wav")), "one");
    EXPECT_EQ(ReadWholeFile(app.File("Sounds/ruun_1_2.wav")), "my own");
    EXPECT_EQ(Read().Sound(1, 1), "ruun_1_2.wav");
    EXPECT_EQ(Read().Sound(2, 1), "Same.wav");  // the same sound is used as it is
    EXPECT_EQ(SoundFiles(), 3);
}

TEST_F(PersonalitySounds, ANameThatDoesNotFitIsRefusedBeforeAnythingChanges) {
    const std::string longName = "A very long name for a cheer sound.wav";  // 38 letters
    Put(outside.File("Sounds/" + longName), "long");
    Put(outside.File("Sounds/Short.wav"), "short");
    SoundChoices c = Current();
    c[4] = {"Short.wav", outside.File("Sounds/Short.wav")};
    c[5] = {longName, outside.File("Sounds/" + longName)};
    std::string error;
    EXPECT_FALSE(SaveCustomSounds(app.path(), "Ruun", c, &error));
    EXPECT_NE(error.find(longName), std::string::npos);
    EXPECT_EQ(SoundFiles(), 1);
    EXPECT_EQ(Read().Sound(4, 1), "Ruun_4.wav");
}

TEST_F(PersonalitySounds, TheFileIsReadAgainBeforeItChanges) {
    SoundChoices c = Current();
    PmsRecord changed = Read();  // the file changes after the panel showed it
    changed.Comments[0] = "Ruun, changed meanwhile.";
    changed.DefaultAvatar = "Ruun2.jpg";
    Write(changed);
    c[9] = {"Ruun_1.wav", app.File("Sounds/Ruun_1.wav")};
    ASSERT_TRUE(SaveCustomSounds(app.path(), "Ruun", c, nullptr));
    EXPECT_EQ(Read().Sound(9, 1), "Ruun_1.wav");
    EXPECT_EQ(Read().Comments[0], "Ruun, changed meanwhile.");
    EXPECT_EQ(Read().DefaultAvatar, "Ruun2.jpg");
}

TEST_F(PersonalitySounds, AFailedWriteLeavesTheOldFiles) {
    Put(outside.File("Sounds/Cheer.wav"), "cheer!");
    SoundChoices c = Current();
    c[13] = {"Cheer.wav", outside.File("Sounds/Cheer.wav")};
    const auto before = ReadWholeFile(app.File("Data/PMS/Ruun.pms"));

    // The small sound fits on the disk, the personality file does not.
    std::string error;
    bool saved = true;
    {
        WriteLimit full(1000);
        saved = SaveCustomSounds(app.path(), "Ruun", c, &error);
    }

    EXPECT_FALSE(saved);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(app.File("Data/PMS/Ruun.pms")), before);
    EXPECT_FALSE(FileExists(app.File("Sounds/Cheer.wav")));
    EXPECT_EQ(c[13].path, outside.File("Sounds/Cheer.wav"));  // the choice stays to try again
}

}  // namespace
