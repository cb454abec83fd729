// Profiles: what a stored record turns into when it is applied (and written back), signing
// players in and out with their settings kept, and the player list read from the records.
#include <gtest/gtest.h>

#include <functional>

#include "profile_fixture.h"
#include "write_limit.h"

namespace {

struct BadValue {
    const char* what;
    std::function<void(PrefsRecord&)> store;
    std::function<int(const PrefsRecord&)> read;
    int expected;
};

}  // namespace

TEST(ProfileLoad, EveryBadStoredValueIsCorrectedAndWrittenBack) {
    using P = PrefsRecord;
    const BadValue cases[] = {
        {"players 7", [](P& p) { p.NumPlayers = 7; }, [](const P& p) { return p.NumPlayers; }, 2},
        {"players 0", [](P& p) { p.NumPlayers = 0; }, [](const P& p) { return p.NumPlayers; }, 2},
        {"centers 9", [](P& p) { p.NumCenters = 9; }, [](const P& p) { return p.NumCenters; }, 4},
        {"three players on three centers", [](P& p) { p.NumPlayers = 3, p.NumCenters = 3; },
         [](const P& p) { return p.NumCenters; }, 4},
        {"two players keep three centers", [](P& p) { p.NumCenters = 3; },
         [](const P& p) { return p.NumCenters; }, 3},
        {"side pile 0", [](P& p) { p.Rules[0] = 0; }, [](const P& p) { return p.Rules[0]; }, 19},
        {"side pile 26", [](P& p) { p.Rules[0] = 26; }, [](const P& p) { return p.Rules[0]; }, 19},
        {"side pile 14 kept", [](P& p) { p.Rules[0] = 14; }, [](const P& p) { return p.Rules[0]; },
         14},
        {"forced cards 9", [](P& p) { p.Rules[1] = 9; }, [](const P& p) { return p.Rules[1]; }, 0},
        {"forced cards -1", [](P& p) { p.Rules[1] = -1; }, [](const P& p) { return p.Rules[1]; },
         0},
        {"shuffle 1 is true", [](P& p) { p.Rules[2] = 1; }, [](const P& p) { return p.Rules[2]; },
         -1},
        {"font size 0", [](P& p) { p.FontSize = 0; }, [](const P& p) { return p.FontSize; }, 12},
        {"font size 300", [](P& p) { p.FontSize = 300; }, [](const P& p) { return p.FontSize; },
         12},
        {"speed 6", [](P& p) { p.SpeedLevel = 6; }, [](const P& p) { return p.SpeedLevel; }, 2},
        {"animation 0", [](P& p) { p.AnimationSpeed = 0; },
         [](const P& p) { return p.AnimationSpeed; }, 45},
        {"sound mode 3", [](P& p) { p.SoundMode = 3; }, [](const P& p) { return p.SoundMode; }, 0},
        {"card sounds 2", [](P& p) { p.CardSoundSet = 2; },
         [](const P& p) { return p.CardSoundSet; }, 0},
        {"face deck -3", [](P& p) { p.FaceDeck = -3; }, [](const P& p) { return p.FaceDeck; }, 6},
        {"an installed deck is kept", [](P& p) { p.FaceDeck = 9; },
         [](const P& p) { return p.FaceDeck; }, 9},
        {"back style -1", [](P& p) { p.BackStyle = -1; }, [](const P& p) { return p.BackStyle; },
         0},
        {"background -5", [](P& p) { p.BackgroundChoice = -5; },
         [](const P& p) { return p.BackgroundChoice; }, 0},
        {"menu style 1", [](P& p) { p.MenuStyle = 1; }, [](const P& p) { return p.MenuStyle; }, -1},
        {"deck colour 0", [](P& p) { p.DeckColor = 0; }, [](const P& p) { return p.DeckColor; },
         0xC0E0FF},
        {"hold window at 100,100", [](P& p) { p.HoldLeft = 100, p.HoldTop = 100; },
         [](const P& p) { return p.HoldLeft * 10000 + p.HoldTop; }, 720 * 10000 + 3375},
        {"hold window off the screen", [](P& p) { p.HoldLeft = 30000; },
         [](const P& p) { return p.HoldLeft * 10000 + p.HoldTop; }, 720 * 10000 + 3375},
        {"hold window to the left", [](P& p) { p.HoldLeft = -40; },
         [](const P& p) { return p.HoldLeft; }, 720},
        {"seat level 5", [](P& p) { p.Seats[2].Level = 5; },
         [](const P& p) { return p.Seats[2].Level; }, 0},
        {"seat sound set 7", [](P& p) { p.Seats[3].SoundSet = 7; },
         [](const P& p) { return p.Seats[3].SoundSet; }, 0},
        {"blank seat", [](P& p) { p.Seats[2] = SeatRecord{}; },
         [](const P& p) { return p.Seats[2].Name == "Brivo" && p.Seats[2].Avatar == "Brivo.jpg"; },
         1},
        {"missing comment file", [](P& p) { p.Seats[0].Comments = "gone"; },
         [](const P& p) { return p.Seats[0].Comments == "Default Personality"; }, 1},
        {"missing avatar", [](P& p) { p.Seats[0].Avatar = "gone.jpg"; },
         [](const P& p) { return p.Seats[0].Avatar.empty(); }, 1},
    };
    for (const BadValue& c : cases) {
        ProfileFolder f("Ann", {"Ann"});
        f.Edit(2, c.store);
        ASSERT_TRUE(f.profiles.Get_Players()) << c.what;
        EXPECT_EQ(c.read(f.state.PlayerPrefs), c.expected) << c.what;
        EXPECT_EQ(c.read(f.Record(2)), c.expected) << c.what << " (stored)";
    }
}

TEST(ProfileLoad, DeckColourDependsOnTheScreensColours) {
    ProfileFolder f("Ann", {"Ann"});
    f.Edit(2, [](PrefsRecord& p) { p.DeckColor = 0; });
    f.target.env.lowColour = true;
    ASSERT_TRUE(f.profiles.Get_Players());
    EXPECT_EQ(f.target.working.DeckColor, 0xC0FFFF);
}

TEST(ProfileLoad, ASoundRecordIsNotRewritten) {
    ProfileFolder f("Ann", {"Ann"});
    const auto before = std::filesystem::last_write_time(f.Path());
    const std::string bytes = f.Bytes();
    ASSERT_TRUE(f.profiles.Get_Players());
    EXPECT_EQ(f.Bytes(), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(f.Path()), before);
}

TEST(ProfileLoad, AppliesInOrderAndPlaysTheIntroOnlyAtStartUp) {
    ProfileFolder f("Ann", {"Bob", "Ann"});
    f.target.env.startingUp = true;
    ASSERT_TRUE(f.profiles.Get_Players());
    EXPECT_EQ(f.state.PlayerRecNum, 3);
    EXPECT_TRUE(f.state.ProfileLoaded);
    EXPECT_EQ(f.target.log,
              (std::vector<std::string>{"TakeWorkingPrefs Ann", "PlayIntro", "ShowPlayerLooks",
                                        "PrepareBoard clear stacks", "SeatOpponents Brivo",
                                        "Level: Average", "PrepareTable", "LayOutTable 00>24",
                                        "ShowTableNames"}));
}

TEST(ProfileLoad, TheIntroFollowsEachPlayersOwnChoice) {
    ProfileFolder f("Ann", {"Ann", "Bob"});
    f.Edit(2, [](PrefsRecord& p) { p.IntroMusic = 0; });
    ASSERT_TRUE(f.profiles.Get_Players());
    EXPECT_TRUE(f.target.working.NoIntro);
    ASSERT_EQ(f.profiles.SignIn("Bob"), SignInResult::Loaded);
    EXPECT_FALSE(f.target.working.NoIntro);
}

TEST(ProfileLoad, ABlankHeaderStillListsThePlayers) {
    ProfileFolder f("", {"Ann", "Bob"});
    ASSERT_TRUE(f.profiles.Get_Players());
    EXPECT_EQ(f.state.PlayerRecNum, 1);
    EXPECT_FALSE(f.state.ProfileLoaded);
    EXPECT_EQ(f.state.KnownPlayers, (std::vector<std::string>{"Ann", "Bob"}));

    // The next new player is added after them, not over Ann.
    ASSERT_EQ(f.profiles.SignIn("Cleo"), SignInResult::Created);
    const auto file = f.Read();
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[1].Seats[0].Name, "Ann");
    EXPECT_EQ(file[3].Seats[0].Name, "Cleo");
    EXPECT_EQ(file[0].Seats[0].Name, "Cleo");
    EXPECT_EQ(f.state.PlayerRecNum, 4);
}

// Garbage bytes where a name belongs: the record is damaged. It is neither offered nor
// matched, the player hears of it once, and every record stays in the file as it was.
TEST(ProfileLoad, ANameThatIsNotTextMarksADamagedRecordAndIsToldOnce) {
    const std::string garbage = "\x01\xC2\x9D\x7F";
    ProfileFolder f(garbage, {"Ann", garbage, "Bob"});
    const std::string damaged = f.Bytes().substr(2 * PrefsRecord::kSize, PrefsRecord::kSize);
    ASSERT_TRUE(f.profiles.Get_Players());
    EXPECT_EQ(f.state.LastPlayerName, "");
    EXPECT_EQ(f.state.PlayerRecNum, 1);
    EXPECT_FALSE(f.state.ProfileLoaded);
    EXPECT_EQ(f.state.KnownPlayers, (std::vector<std::string>{"Ann", "", "Bob"}));
    EXPECT_EQ(f.target.working.PlayerName, "");
    ASSERT_EQ(f.target.problems.size(), 1u);
    EXPECT_EQ(f.target.problems[0].rfind("Player Profile: Part of the players' file is damaged", 0),
              0u);

    ASSERT_TRUE(f.profiles.Get_Players());
    EXPECT_EQ(f.target.problems.size(), 1u);
    ASSERT_EQ(f.profiles.SignIn("Bob"), SignInResult::Loaded);
    EXPECT_EQ(f.state.PlayerRecNum, 4);
    const auto file = f.Read();
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[1].Seats[0].Name, "Ann");
    EXPECT_EQ(file[3].Seats[0].Name, "Bob");
    EXPECT_EQ(f.Bytes().substr(2 * PrefsRecord::kSize, PrefsRecord::kSize), damaged);
}

TEST(ProfileSignIn, ANewPlayerIsACopyOfTheTemplateWithTheirName) {
    ProfileFolder f("", {});
    ASSERT_TRUE(f.profiles.Get_Players());
    ASSERT_EQ(f.profiles.SignIn("  Dora  "), SignInResult::Created);
    PrefsRecord expected = f.Record(1);
    EXPECT_EQ(expected.Seats[0].Name, "Dora");
    const PrefsRecord made = f.Record(2);
    RecordBuffer a(PrefsRecord::kSize), b(PrefsRecord::kSize);
    expected.Encode(a);
    made.Encode(b);
    EXPECT_TRUE(std::ranges::equal(a.bytes(), b.bytes()));
    EXPECT_EQ(f.state.KnownPlayers, (std::vector<std::string>{"Dora"}));
}

TEST(ProfileSignIn, ANameIsCutToItsFieldSoTheSamePlayerIsFoundAgain) {
    ProfileFolder f("", {});
    ASSERT_TRUE(f.profiles.Get_Players());
    const std::string longName = "Bartholomew Fitzgerald the Third";
    ASSERT_EQ(f.profiles.SignIn(longName), SignInResult::Created);
    EXPECT_EQ(f.state.LastPlayerName, "Bartholomew Fitzgera");
    ASSERT_EQ(f.profiles.SignIn("Eve"), SignInResult::Created);
    ASSERT_EQ(f.profiles.SignIn(longName), SignInResult::Loaded);
    EXPECT_EQ(f.Read().size(), 3u);
}

TEST(ProfileSignIn, ChangingPlayerBetweenGamesKeepsBothPlayersSettings) {
    ProfileFolder f("Ann", {"Ann", "Bob"});
    ASSERT_TRUE(f.profiles.Get_Players());
    f.target.env.gameOnTable = true;  // a game was played: the Deal button is showing
    f.target.working.SpeedLevel = 4;
    ASSERT_EQ(f.profiles.SignIn("bob"), SignInResult::Loaded);
    EXPECT_EQ(f.state.LastPlayerName, "Bob");
    EXPECT_EQ(f.target.working.SpeedLevel, 2);
    EXPECT_TRUE(f.target.Did("CloseMoveHistory"));
    f.target.working.SpeedLevel = 1;
    ASSERT_EQ(f.profiles.SignIn("Ann"), SignInResult::Loaded);
    EXPECT_EQ(f.target.working.SpeedLevel, 4);
    EXPECT_EQ(f.Record(3).SpeedLevel, 1);
    EXPECT_EQ(f.Record(1).Seats[0].Name, "Bob");  // the header names who signed out last
}

TEST(ProfileSignIn, ThePlayerAlreadySignedInLoadsNothing) {
    ProfileFolder f("Ann", {"Ann"});
    ASSERT_TRUE(f.profiles.Get_Players());
    f.target.log.clear();
    EXPECT_EQ(f.profiles.SignIn("ANN"), SignInResult::SameAsBefore);
    EXPECT_TRUE(f.target.log.empty());
}

TEST(ProfileSave, NothingIsWrittenAfterAFailedRead) {
    ProfileFolder f("Ann", {"Ann"});
    ASSERT_TRUE(f.profiles.Get_Players());
    std::filesystem::rename(f.Path(), f.Path() + ".away");
    std::filesystem::create_directory(f.Path());  // the file cannot be read
    EXPECT_FALSE(f.profiles.OpenPlayerPrefs(false));
    EXPECT_EQ(f.target.problems.size(), 1u);
    EXPECT_TRUE(std::filesystem::is_directory(f.Path()));
}

TEST(ProfileSave, AnotherPlayersRecordIsNeverWrittenOver) {
    ProfileFolder f("Bob", {"Ann", "Bob"});
    ASSERT_TRUE(f.profiles.Get_Players());
    ASSERT_EQ(f.state.PlayerRecNum, 3);
    // Ann's record is removed meanwhile: Bob's record moves up to 2.
    auto file = f.Read();
    file.erase(file.begin() + 1);
    f.Write(file);
    f.target.working.SpeedLevel = 5;
    ASSERT_TRUE(f.profiles.OpenPlayerPrefs(false));
    EXPECT_EQ(f.Read().size(), 2u);
    EXPECT_EQ(f.Record(2).Seats[0].Name, "Bob");
    EXPECT_EQ(f.Record(2).SpeedLevel, 5);
    EXPECT_EQ(f.state.PlayerRecNum, 2);
}

TEST(ProfileSave, TheSeatsTheSetupWindowsChangedAreWritten) {
    ProfileFolder f("Bob", {"Ann", "Bob"});
    ASSERT_TRUE(f.profiles.Get_Players());
    f.state.PlayerPrefs.Seats[2].Name = "Ruun";
    f.state.PlayerPrefs.Seats[2].Level = 2;
    f.state.PlayerPrefs.Seats[0].Comments = "Jokes";
    f.target.working.PlayerAvatar = "Me.jpg";
    ASSERT_TRUE(f.profiles.OpenPlayerPrefs(false));
    const PrefsRecord bob = f.Record(3);
    EXPECT_EQ(bob.Seats[2].Name, "Ruun");
    EXPECT_EQ(bob.Seats[2].Level, 2);
    EXPECT_EQ(bob.Seats[0].Comments, "Jokes");
    EXPECT_EQ(bob.Seats[0].Avatar, "Me.jpg");
    EXPECT_EQ(bob.Seats[0].Name, "Bob");
    EXPECT_EQ(f.Record(2).Seats[2].Name, ProfileFolder::Template().Seats[2].Name);
}

TEST(ProfileSave, NobodySignedInWritesOnlyTheHeader) {
    ProfileFolder f("", {"Ann"});
    ASSERT_TRUE(f.profiles.Get_Players());
    const PrefsRecord before = f.Record(1);
    f.target.working.SpeedLevel = 5;
    f.state.PlayerPrefs.GamesPlayed[0] = 3;  // a game counted while nobody was signed in
    ASSERT_TRUE(f.profiles.OpenPlayerPrefs(false));
    EXPECT_EQ(f.Record(1).SpeedLevel, before.SpeedLevel);
    EXPECT_EQ(f.Record(1).GamesPlayed[0], 0);
    EXPECT_TRUE(f.target.Did("Beep"));
}

TEST(ProfileSave, AnInterruptedSaveLeavesTheOldFile) {
    ProfileFolder f("Ann", {"Ann", "Bob", "Cleo"});
    ASSERT_TRUE(f.profiles.Get_Players());
    const std::string before = f.Bytes();
    f.target.working.SpeedLevel = 5;
    {
        WriteLimit full(PrefsRecord::kSize * 2);
        EXPECT_FALSE(f.profiles.OpenPlayerPrefs(false));
    }
    EXPECT_EQ(f.Bytes(), before);
    EXPECT_EQ(f.target.problems.size(), 1u);
}

TEST(ProfileDisplay, TheBackgroundIndexNamesAPictureOrThePlainMat) {
    struct Case {
        int choice, count, defaultIndex;
        bool lowColour;
        int index;
        bool picture;
    } cases[] = {
        {0, 5, 3, false, 3, true},   // the default picture
        {0, 5, 0, false, 1, true},   // no GameBoard.gif: the first picture
        {0, 0, 0, false, 1, false},  // no pictures at all: the plain mat
        {0, 5, 3, true, 6, false},   // 256 colours: the plain mat
        {2, 5, 3, false, 2, true},   // a chosen picture
        {9, 5, 3, false, 6, false},  // beyond the list: the plain mat
    };
    for (const Case& c : cases) {
        ProfileFolder f("Ann", {"Ann"});
        ASSERT_TRUE(f.profiles.Get_Players());
        f.target.env.backgroundCount = c.count;
        f.target.env.defaultBackground = c.defaultIndex;
        f.target.env.lowColour = c.lowColour;
        f.target.working.BackgroundChoice = static_cast<i16>(c.choice);
        f.profiles.ApplyDisplayPrefs();
        EXPECT_EQ(f.target.display.backgroundIndex, c.index) << c.choice << " of " << c.count;
        EXPECT_EQ(f.target.display.showPicture, c.picture) << c.choice << " of " << c.count;
    }
}

TEST(ProfileDisplay, TheSpeedLevelSetsTheComputersPause) {
    const float pauses[] = {0.9f, 0.6f, 0.4f, 0.2f, 0.05f, 0.0f};
    for (int level = 0; level <= 5; ++level) EXPECT_FLOAT_EQ(MovePauseFor(level, 7), pauses[level]);
    EXPECT_FLOAT_EQ(MovePauseFor(6, 7), 7);
}
