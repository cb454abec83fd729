// The opponents setup's logic against a scratch program folder: seats, counts, custom sounds and
// what saving a seat does to the profile and the opponents.
#include "records/opponents_setup.h"

#include <gtest/gtest.h>

#include "engine/personality.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/profile_state.h"
#include "shared/record_io.h"
#include "tests/core/temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

struct OpponentsSetupTest : ::testing::Test {
    TempProgramFolder app;
    Game g;
    HeadlessServices h{g};
    ProfileState profile;
    std::array<SeatRecord, 4>& seats = profile.PlayerPrefs.Seats;
    std::string playerAvatar;
    int profileWrites = 0;
    bool writesSucceed = true;
    int personChanges = 0;
    std::vector<std::string> chosenSounds;

    OpponentsSetupTest() {
        g.AppFolder = app.path();
        g.NumPlayers = 2;
        g.NumCenters = 3;
        Personality("Brivo", true);
        Personality("Tessik", false);  // its sound files are missing
        for (const char* a : {"Brivo.jpg", "Tessik.jpg", "Zed.gif"})
            Put(app.File(std::string("Avatars/") + a), "picture");
    }
    static void Put(const std::string& path, const std::string& bytes) {
        ASSERT_TRUE(WriteFileAtomically(path, bytes, nullptr));
    }
    void Personality(const std::string& name, bool withSounds) {
        PmsRecord pms;
        pms.Comments[0] = name + " the tester.";
        for (int e = 1; e <= kSoundEvents; ++e) {
            pms.Sound(e, 0) = pms.Sound(e, 1) = name + std::to_string(e) + ".wav";
            if (withSounds) Put(app.File("Sounds/" + pms.Sound(e, 0)), "RIFF");
        }
        pms.DefaultAvatar = name + ".jpg";
        ASSERT_TRUE(WriteRecord(RecordFile(app.File("Data/PMS/" + name + ".pms"), PmsRecord::kSize),
                                1, pms));
    }
    OpponentsSetupParts Parts() {
        OpponentsSetupParts p{g, seats, playerAvatar, h.dialogs};
        p.sounds = &h.sounds;
        p.board = &h.board;
        p.lists.personalities = {"Brivo", "Tessik"};
        p.lists.descriptions = {"Brivo the tester.", "Tessik the tester."};
        p.lists.comments = {"Default Personality", "No Comments"};
        p.lists.avatars = {"", "Brivo.jpg", "Tessik.jpg", "Zed.gif"};
        p.saveProfile = [this] {
            ++profileWrites;
            return writesSucceed;
        };
        p.changePerson = [this] { ++personChanges; };
        p.chooseSound = [this](const std::string&) -> std::optional<std::string> {
            if (chosenSounds.empty()) return std::nullopt;
            std::string s = chosenSounds.front();
            chosenSounds.erase(chosenSounds.begin());
            return s;
        };
        return p;
    }
};

TEST_F(OpponentsSetupTest, SeatsNeverSetUpGetDefaultsThatExistAndAreWrittenAtOnce) {
    OpponentsSetup s(Parts());
    s.Open();
    EXPECT_EQ(s.panel().caption, "Setup for Opponent 1");
    EXPECT_EQ(seats[1].Name, "Brivo");
    EXPECT_EQ(seats[1].Avatar, "Brivo.jpg");
    EXPECT_EQ(seats[1].Comments, "Default Personality");
    EXPECT_EQ(profileWrites, 1);
    s.PlayersClicked(2);  // three opponents: the list has only two personalities
    EXPECT_EQ(seats[3].Name, "Brivo");
    EXPECT_EQ(s.panel().caption, "Setup for Opponent 3");
    s.SeatClicked(1);
    EXPECT_EQ(seats[2].Name, "Tessik");
    EXPECT_EQ(seats[2].Avatar, "Tessik.jpg");
    EXPECT_EQ(s.panel().avatarFile, "Tessik.jpg");
    EXPECT_EQ(s.panel().description, "Tessik the tester.");
    EXPECT_FALSE(s.saveEnabled());
}

TEST_F(OpponentsSetupTest, MoreOpponentsForceFourCentersAndOneOpponentKeepsTheChoice) {
    OpponentsSetup s(Parts());
    s.Open();
    EXPECT_TRUE(s.centersShown());
    EXPECT_EQ(s.setupCenters(), 3);
    s.PlayersClicked(1);
    EXPECT_FALSE(s.centersShown());
    EXPECT_EQ(s.setupCenters(), 4);
    EXPECT_TRUE(s.seatEnabled(1));
    EXPECT_FALSE(s.seatEnabled(2));
    g.NumCenters = 4;  // a two-player table of four centers keeps them
    OpponentsSetup four(Parts());
    four.Open();
    four.PlayersClicked(1);
    four.PlayersClicked(0);
    EXPECT_EQ(four.setupCenters(), 4);
}

TEST_F(OpponentsSetupTest, DoneWithoutNewCountsReturnsAsCancelledAndKeepsSavedSeats) {
    OpponentsSetup s(Parts());
    s.Open();
    s.LevelChosen(2);
    s.Save();
    s.Done();
    EXPECT_TRUE(s.cancelFlag());
    EXPECT_EQ(seats[1].Level, 2);
    EXPECT_EQ(g.Opp[1].Level, 2);

    OpponentsSetup more(Parts());
    more.Open();
    more.PlayersClicked(2);
    more.Done();
    EXPECT_FALSE(more.cancelFlag());
    EXPECT_EQ(g.NumPlayers, 4);
    EXPECT_EQ(g.NumCenters, 4);
}

TEST_F(OpponentsSetupTest, SavingASeatFillsTheProfileAndTheOpponent) {
    OpponentsSetup s(Parts());
    s.Open();
    s.PersonalityChosen(1);
    EXPECT_TRUE(s.saveEnabled());
    EXPECT_EQ(s.panel().avatarFile, "Tessik.jpg");
    s.LevelChosen(1);
    s.CommentChosen(1);
    s.AvatarScrolled(3);
    s.Save();
    EXPECT_EQ(seats[1].Name, "Tessik");
    EXPECT_EQ(seats[1].Level, 1);
    EXPECT_EQ(seats[1].Avatar, "Zed.gif");
    EXPECT_EQ(seats[1].Comments, "No Comments");
    EXPECT_EQ(g.Opp[1].Name, "Tessik");
    EXPECT_EQ(g.QuietComp, VbTrue);
    EXPECT_EQ(personChanges, 1);
    EXPECT_FALSE(s.saveEnabled());
    // The first save of this opening warned that Tessik's sounds are missing; never again.
    EXPECT_EQ(h.dialogs.lastTitle, "Missing Personality Sounds");
    EXPECT_EQ(h.dialogs.asked, 1);
    s.SeatClicked(1);
    s.PersonalityChosen(1);
    s.Save();
    EXPECT_EQ(h.dialogs.asked, 1);
}

TEST_F(OpponentsSetupTest, AFailedProfileWriteIsReported) {
    writesSucceed = false;
    OpponentsSetup s(Parts());
    s.Open();  // the default seat cannot be written
    EXPECT_EQ(h.dialogs.lastTitle, "Opponents Setup");
    EXPECT_EQ(seats[1].Name, "Brivo");  // kept for this session
}

TEST_F(OpponentsSetupTest, ANewPersonalityMustBeSavedBeforeItsSoundsChange) {
    OpponentsSetup s(Parts());
    s.Open();
    s.PersonalityChosen(1);
    s.ChangeSounds();
    EXPECT_EQ(h.dialogs.lastText, "Save this new opponent first, then customize your sounds.");
    EXPECT_FALSE(s.panel().soundPanel);
    s.Save();
    s.ChangeSounds();
    EXPECT_TRUE(s.panel().soundPanel);
    EXPECT_EQ(s.soundChoices()[4].name, "Tessik4.wav");
}

TEST_F(OpponentsSetupTest, CustomSoundsFromElsewhereAreCopiedAndPlayed) {
    TempProgramFolder home;
    Put(home.File("Sounds/Yay.wav"), "yay");
    seats[1].Name = "Brivo";
    OpponentsSetup s(Parts());
    s.Open();
    s.ChangeSounds();
    s.PlayEvent(13);
    EXPECT_EQ(h.sounds.played, 1);
    chosenSounds = {home.File("Sounds/Yay.wav")};
    s.GetNewSound();
    s.SaveCustom();
    EXPECT_FALSE(s.panel().soundPanel);
    PmsRecord pms;
    ASSERT_TRUE(ReadPersonalityFile(app.path(), "Brivo", pms));
    EXPECT_EQ(pms.Sound(13, 1), "Yay.wav");
    EXPECT_EQ(g.CompSounds[13], app.File("Sounds/Yay.wav"));
    EXPECT_EQ(ReadWholeFile(app.File("Sounds/Yay.wav")), "yay");
}

TEST_F(OpponentsSetupTest, UnpackedSoundsGoWithTheLastSeatOfTheirPersonality) {
    for (const char* f : {"chat1Tessik.pmw", "chat1Brivo.pmw"})
        Put(app.File(std::string("Sounds/") + f), "x");
    seats[1].Name = "Tessik";
    seats[2].Name = "Tessik";
    g.NumPlayers = 3;
    g.NumCenters = 4;
    OpponentsSetup s(Parts());
    s.Open();  // opponent 2 on the panel
    s.SeatClicked(0);
    s.PersonalityChosen(0);
    s.Save();  // Tessik is still on seat 2
    EXPECT_TRUE(FileExists(app.File("Sounds/chat1Tessik.pmw")));
    s.SeatClicked(1);
    s.PersonalityChosen(0);
    s.Save();
    EXPECT_FALSE(FileExists(app.File("Sounds/chat1Tessik.pmw")));
    s.PersonalityChosen(1);
    s.Save();
    s.PersonalityChosen(0);
    s.Save();  // Brivo never loses its sounds
    EXPECT_TRUE(FileExists(app.File("Sounds/chat1Brivo.pmw")));
}

TEST_F(OpponentsSetupTest, LeavingAChangedSeatAsksToSaveIt) {
    OpponentsSetup s(Parts());
    s.Open();
    s.LevelChosen(2);
    h.dialogs.answers = {mb::No};
    s.SeatClicked(3);
    EXPECT_EQ(h.dialogs.lastText, "Did you want to save Opponent 1's settings?");
    EXPECT_EQ(seats[1].Level, 0);
    EXPECT_EQ(s.panel().caption, "Setup for Player");
    s.AvatarScrolled(3);
    h.dialogs.answers = {mb::Yes};
    s.Cancel();
    EXPECT_EQ(h.dialogs.lastText, "Did you want to save your Avatar?");
    EXPECT_EQ(playerAvatar, "Zed.gif");
    EXPECT_TRUE(s.cancelFlag());
}

TEST_F(OpponentsSetupTest, DisablingPersonalitySoundsLowersTheSoundLevel) {
    OpponentsSetup s(Parts());
    s.Open();
    s.SoundSetChosen(1);
    s.AdjustmentClicked(2, true);
    EXPECT_EQ(g.SoundMode, 1);
    EXPECT_EQ(s.panel().soundSet, 0);
    EXPECT_FALSE(s.soundSetsEnabled());
    s.AdjustmentClicked(2, false);
    EXPECT_EQ(g.SoundMode, 0);
    s.AdjustmentClicked(0, true);
    EXPECT_EQ(g.NoWinAnimation, VbTrue);
}

}  // namespace
