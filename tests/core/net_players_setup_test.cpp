#include "net/net_players_setup.h"

#include <gtest/gtest.h>

#include "net/net_avatars.h"
#include "platform/file_util.h"
#include "records/record_list.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

struct SetupFixture {
    TempProgramFolder dir;
    Game g;
    CallLog log;
    ScriptedDialogs dialogs{log};
    SeatRecord own;
    std::string competition;
    std::string netComments;
    int saves = 0;
    bool saveWorks = true;
    std::vector<std::string>
        shownNames;  // the first opponent's name each time the table wrote them

    explicit SetupFixture(int players) {
        for (const char* f : {"Avatars/Ann.jpg", "Avatars/Bear.gif", "Avatars/Cat.bmp"})
            WriteFileAtomically(dir.File(f), "x", nullptr);
        g.AppFolder = dir.path();
        g.PlayerName = "Ann";
        g.NumPlayers = static_cast<i16>(players);
        g.NetConnected = static_cast<i16>(players - 1);
        g.Opp[1].Name = "Bob";
        g.Opp[1].Avatar = "Bear.gif";
        g.Opp[2].Name = "Cy";
        own.Name = "Ann";
        own.Avatar = "Ann.jpg";
        own.Comments = kDefaultComments;
    }
    NetPlayersSetup Open() {
        NetPlayersParts parts(g, own, competition, netComments, dialogs);
        parts.lists.personalities = {"Brivo", "Tessik"};
        parts.lists.comments = {kDefaultComments, "Mine", kNoComments};
        parts.lists.avatars = {"", "Ann.jpg", "Bear.gif", "Cat.bmp"};
        parts.saveProfile = [this] {
            ++saves;
            return saveWorks;
        };
        parts.showAvatar = [](bool) {};
        parts.redrawAvatars = parts.chatLinesLoaded = [] {};
        parts.showPlayerNames = [this] { shownNames.push_back(g.Opp[1].Name); };
        NetPlayersSetup s(std::move(parts));
        s.Open();
        return s;
    }
};

}  // namespace

TEST(NetPlayersSetup, OnlyConnectedSeatsCanBeChosen) {
    for (int players : {2, 3, 4}) {
        SetupFixture f(players);
        NetPlayersSetup s = f.Open();
        EXPECT_TRUE(s.setupEnabled(0));
        EXPECT_TRUE(s.setupEnabled(3));
        EXPECT_EQ(s.setupEnabled(1), players >= 3);
        EXPECT_EQ(s.setupEnabled(2), players == 4);
    }
}

TEST(NetPlayersSetup, AnOpponentsPictureAndNameAreKeptOnThisMachine) {
    SetupFixture f(2);
    NetPlayersSetup s = f.Open();
    EXPECT_EQ(s.panel().frame, "Setup for Opponent");
    EXPECT_EQ(s.panel().name, "Bob");
    EXPECT_EQ(s.panel().avatarFile, "Bear.gif");
    EXPECT_FALSE(s.applyEnabled());

    s.AvatarScrolled(3);
    s.NameEdited("Bobby");
    EXPECT_TRUE(s.applyEnabled());
    s.Apply();
    EXPECT_FALSE(s.applyEnabled());
    EXPECT_EQ(f.g.Opp[1].Name, "Bobby");
    EXPECT_EQ(f.g.Opp[1].Avatar, "Cat.bmp");
    // The table shows the new name at once.
    EXPECT_EQ(f.shownNames, std::vector<std::string>{"Bobby"});
    auto kept = LoadNetAvatar(f.dir.path(), "Ann", "BOBBY");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->avatar, "Cat.bmp");

    s.NameEdited("");  // empty keeps the name the opponent uses
    s.AvatarScrolled(1);
    s.Apply();
    EXPECT_EQ(f.g.Opp[1].Name, "Bobby");
    EXPECT_EQ(ReadAllRecords<SeatRecord>(f.dir.File("users/Ann.avt"))->size(), 1u);

    s.NameEdited("B|b");
    s.Apply();
    EXPECT_EQ(f.dialogs.lastTitle, "Non-standard filename character");
    EXPECT_EQ(f.g.Opp[1].Name, "Bobby");
    EXPECT_TRUE(s.applyEnabled());
}

TEST(NetPlayersSetup, SavingThePlayerKeepsPictureAndRemarksInTheProfile) {
    SetupFixture f(2);
    NetPlayersSetup s = f.Open();
    s.SetupClicked(3);
    EXPECT_EQ(s.panel().applyCaption, "Save Player");
    EXPECT_TRUE(s.panel().playerAvatar);
    EXPECT_TRUE(s.panel().personalityShown);
    s.PersonalityChosen(1);
    s.PlayerAvatarTicked(false);
    s.Apply();
    EXPECT_EQ(f.saves, 1);
    EXPECT_EQ(f.own.Avatar, "");
    EXPECT_EQ(f.g.PlayerAvatar, "");
    EXPECT_EQ(f.netComments, "Tessik");

    f.saveWorks = false;  // a profile that cannot be written keeps what it had
    s.CommentChosen(2);
    EXPECT_FALSE(s.panel().personalityShown);
    s.Apply();
    EXPECT_EQ(f.own.Comments, kDefaultComments);
    EXPECT_EQ(f.dialogs.lastTitle, "Unanticipated error in Internet Player Setup");
}

TEST(NetPlayersSetup, SwitchingOrClosingWithChangesAsksOnce) {
    SetupFixture f(3);
    NetPlayersSetup s = f.Open();
    s.AvatarScrolled(2);
    f.dialogs.answers = {mb::No};
    s.SetupClicked(1);
    EXPECT_EQ(f.dialogs.lastText, "Did you want to save Opponent 1's settings?");
    EXPECT_EQ(s.panel().name, "Cy");
    s.AvatarScrolled(1);
    s.Cancel();
    s.Cancel();
    EXPECT_EQ(f.dialogs.asked, 2);
    EXPECT_EQ(f.dialogs.lastText, "Did you want to save Opponent 2's settings?");
}

TEST(NetPlayersSetup, DoneChecksTheNamesAndTheScoreFile) {
    SetupFixture f(2);
    NetPlayersSetup s = f.Open();
    EXPECT_EQ(s.scoreCaption(), "Use Score File: Default");
    s.NameEdited("brivo");
    EXPECT_FALSE(s.Done());
    EXPECT_EQ(f.dialogs.lastText.rfind("Pick a different player name.", 0), 0u);
    s.NameEdited("Bob");
    s.ScoreOptionClicked(1);
    EXPECT_FALSE(s.Done());
    EXPECT_EQ(f.dialogs.lastTitle, "Which Score File?");
    s.CompetitionTyped("Spring/Cup");
    EXPECT_FALSE(s.Done());
    s.CompetitionTyped(" Spring ");
    f.dialogs.answers = {mb::No};
    EXPECT_TRUE(s.Done());
    EXPECT_EQ(f.competition, "Spring");

    SetupFixture d(2);
    d.competition = "Old";
    NetPlayersSetup back = d.Open();
    EXPECT_EQ(back.scoreOption(), 1);
    EXPECT_EQ(back.scoreCaption(), "Use Score File: Old");
    back.ScoreOptionClicked(0);
    EXPECT_TRUE(back.Done());
    EXPECT_EQ(d.competition, "");
}

TEST(NetAvatars, OneRecordPerOpponentFoundByItsStoredName) {
    TempProgramFolder dir;
    WriteFileAtomically(dir.File("Avatars/Cat.bmp"), "x", nullptr);
    const std::string longName(26, 'z');
    ASSERT_TRUE(SaveNetAvatar(dir.path(), "Ann", "Bob", "Cat.bmp", "Mine", nullptr));
    ASSERT_TRUE(SaveNetAvatar(dir.path(), "Ann", longName, "Gone.jpg", "", nullptr));
    ASSERT_TRUE(SaveNetAvatar(dir.path(), "Ann", "BOB", "Cat.bmp", "", nullptr));
    auto records = ReadAllRecords<SeatRecord>(dir.File("users/Ann.avt"));
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].Name, "Bob");
    EXPECT_EQ((*records)[1].Name, std::string(20, 'z'));
    auto kept = LoadNetAvatar(dir.path(), "Ann", longName);
    ASSERT_TRUE(kept);            // a name longer than the record's field still finds its record
    EXPECT_EQ(kept->avatar, "");  // its picture has gone
    EXPECT_EQ(LoadNetAvatar(dir.path(), "Ann", "bob")->avatar, "Cat.bmp");
    EXPECT_FALSE(LoadNetAvatar(dir.path(), "Ann", "Cy"));
    EXPECT_FALSE(LoadNetAvatar(dir.path(), "Nobody", "Bob"));
    EXPECT_FALSE(SaveNetAvatar(dir.path(), "../Ann", "Bob", "Cat.bmp", "", nullptr));
}
