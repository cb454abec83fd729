#include "engine/sound_files.h"

#include <gtest/gtest.h>

#include "platform/file_util.h"
#include "temp_folder.h"

TEST(SoundFiles, TheShippedSoundsAreSetUpForTheRunAndRemovedAfterIt) {
    TempProgramFolder f;
    std::string error;
    ASSERT_TRUE(WriteFileAtomically(f.File("Data/snd105.wav"), "RIFF105", &error));
    ASSERT_TRUE(WriteFileAtomically(f.File("Data/snd123.wav"), "RIFF123", &error));
    EXPECT_EQ(BuiltinSoundIds().size(), 18u);
    // A file a crashed run left behind is replaced.
    ASSERT_TRUE(WriteFileAtomically(f.File("Data/~105.tmp"), "stale", &error));
    EXPECT_EQ(SetUpSounds(f.path()), 2);  // the missing ones are simply left out
    EXPECT_EQ(ReadWholeFile(f.File("Data/~105.tmp")), "RIFF105");
    EXPECT_EQ(ReadWholeFile(f.File("Data/~123.tmp")), "RIFF123");
    EXPECT_FALSE(FileExists(f.File("Data/~109.tmp")));
    CleanUpSounds(f.path());
    EXPECT_FALSE(FileExists(f.File("Data/~105.tmp")));
    EXPECT_TRUE(FileExists(f.File("Data/snd105.wav")));
}
