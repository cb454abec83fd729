#include "mainwindow/settings_records.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/file_util.h"
#include "temp_folder.h"

namespace {
// One 38-byte record built by hand: 30 blank-padded characters, four little-endian numbers.
std::string Rec(std::string text, int a, int b, int c, int d) {
    text.resize(30, ' ');
    for (int n : {a, b, c, d}) {
        text += static_cast<char>(n & 0xFF);
        text += static_cast<char>((n >> 8) & 0xFF);
    }
    return text;
}

std::string RecordAt(const std::string& bytes, long n) {
    return bytes.substr(static_cast<size_t>(n - 1) * 38, 38);
}

// A file of 18 records: every record's text names it and its numbers are 101, 102, ...
std::string NumberedFile() {
    std::string bytes;
    for (int n = 1; n <= 18; ++n)
        bytes +=
            Rec("record " + std::to_string(n), 100 * n + 1, 100 * n + 2, 100 * n + 3, 100 * n + 4);
    return bytes;
}

SessionSettings SomeSession() {
    SessionSettings s;
    s.FontColor = 16777215;
    s.CompLevel = 2;
    s.ShownAvatarName = "Tessik.jpg";
    s.NoLoseAnimation = -1;
    s.FontBackdrop = 0;
    s.FaceDeck = 7;
    s.PlayerName = "Ada";
    s.BackgroundChoice = 3;
    s.SpeedLevel = 4;
    s.SoundMode = 1;
    s.DeckColor = -5;
    s.BackStyle = 2;
    s.StatusBarVisible = true;
    s.AvatarVisible = false;
    s.MoveFileOpen = true;
    s.MatColor = 0;
    s.MessageFontSize = 10.5;  // halves go to the even neighbour: 10
    s.NoWinAnimation = -1;
    s.PersonalityIndex = 3;
    s.AnimationSpeed = 45;
    s.SidePileSize = 25;
    s.ForcedCards = 3;
    s.ShuffleSeparately = -1;
    s.NoWildAce = 0;
    return s;
}
}  // namespace

TEST(SettingsRecords, ShutdownWritesEachRecordByteForByte) {
    TempProgramFolder folder;
    const std::string path = folder.File("Data/scores.ran");
    ASSERT_TRUE(WriteFileAtomically(path, NumberedFile(), nullptr));

    ScoresFile file(path);
    ASSERT_TRUE(file.Load(nullptr));
    PutSessionSettings(file, SomeSession());
    PutWindowSettings(file, 3, WindowPlace{true, 700, 1000, 40, -12});
    ASSERT_TRUE(file.Save(nullptr));

    const std::string bytes = *ReadWholeFile(path);
    ASSERT_EQ(bytes.size(), 18u * 38);
    // Record 1 keeps its first three numbers.
    EXPECT_EQ(RecordAt(bytes, 1), Rec(" 16777215", 101, 102, 103, 2));
    EXPECT_EQ(RecordAt(bytes, 12), Rec("Tessik.jpg", -1, 0, 0, 7));
    EXPECT_EQ(RecordAt(bytes, 13), Rec("Ada", 3, 4, 1, 7));
    // Record 14 keeps its text and first two numbers; 20 marks the saved window.
    EXPECT_EQ(RecordAt(bytes, 14), Rec("record 14", 1401, 1402, 23, 20));
    EXPECT_EQ(RecordAt(bytes, 15), Rec("", 10500, 15000, 600, -180));
    EXPECT_EQ(RecordAt(bytes, 16), Rec("-5", 2, 1, 0, 1));
    // Record 17's third number is record 16's avatar flag.
    EXPECT_EQ(RecordAt(bytes, 17), Rec(" 0", 10, -1, 0, 3));
    EXPECT_EQ(RecordAt(bytes, 18), Rec(" 45", 25, 3, -1, 0));
    // The records shutdown does not own are untouched.
    for (long n : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11})
        EXPECT_EQ(RecordAt(bytes, n), RecordAt(NumberedFile(), n)) << "record " << n;
}

TEST(SettingsRecords, WindowRecordForEachWindowState) {
    struct Case {
        WindowPlace place;
        std::string expected;
    };
    const Case cases[] = {
        {{true, 600, 800, 0, 0}, Rec("", 9000, 12000, 0, 0)},
        // Maximised or minimised: 2, 0, 0, 0.
        {{false, 600, 800, 10, 10}, Rec("", 2, 0, 0, 0)},
        // A 4K window does not fit 16-bit twips: clamped, not wrapped round.
        {{true, 2160, 3840, -3000, 2500}, Rec("", 32400, 32767, -32768, 32767)},
    };
    for (const Case& c : cases) {
        ScoresFile file("unused");
        PutWindowSettings(file, 0, c.place);
        RecordBuffer buf(38);
        c.expected.copy(reinterpret_cast<char*>(buf.bytes().data()), 38);
        ScoreRecord expected;
        expected.Decode(buf);
        EXPECT_EQ(file.Get(15).Numbers, expected.Numbers);
        EXPECT_EQ(file.Get(14).Numbers[2], 20);
    }
}

TEST(SettingsRecords, StartupReadsTheDisplayModeAndTheSavedWindow) {
    ScoresFile file("unused");
    ScoreRecord display;
    display.Numbers = {5, 6, 22, 20};
    file.Set(14, display);
    ScoreRecord window;
    window.Numbers = {9000, 12000, 15, 30};
    file.Set(15, window);
    const StartupSettings s = ReadStartupSettings(file);
    EXPECT_EQ(s.StoredDisplayMode, 22);
    EXPECT_EQ(s.SavedWindowFlag, 20);
    EXPECT_EQ(s.Window, (std::array<i16, 4>{9000, 12000, 15, 30}));
}

TEST(SettingsRecords, AMissingFileOrAFailedSaveSaysWhy) {
    TempProgramFolder folder;
    const std::string path = folder.File("Data/scores.ran");
    ScoresFile missing(path);
    std::string error;
    EXPECT_FALSE(missing.Load(&error));
    EXPECT_NE(error.find("scores.ran"), std::string::npos);

    ASSERT_TRUE(WriteFileAtomically(path, NumberedFile(), nullptr));
    ScoresFile file(path);
    ASSERT_TRUE(file.Load(nullptr));
    PutSessionSettings(file, SomeSession());
    // The folder went away under the running program.
    std::filesystem::remove_all(folder.File("Data"));
    error.clear();
    EXPECT_FALSE(file.Save(&error));
    EXPECT_FALSE(error.empty());
}
