// The opponents setup applied from the main window: which window opens, what a cancel keeps and
// what a change lays out anew.
#include "mainwindow/setup_opponents.h"

#include "engine_fixture.h"

namespace {

struct SetupTest : EngineFixture {
    std::array<std::string, 3> levels{"Level: Average", "Level: Clever", "Level: Ruthless"};
    std::vector<std::string> calls;
    SetupOpponentsParts parts{g, e, levels, {}, {}, {}, {}, {}};

    SetupTest() {
        Players(2, 3);
        g.GameStarted = VbTrue;
        g.Opp[1].Avatar = "Brivo.gif";
        g.Opp[1].Level = 2;
        auto note = [this](const char* what) { return [this, what] { calls.push_back(what); }; };
        parts.readProfile = note("read");
        parts.saveProfile = [this] {
            calls.push_back("save");
            return true;
        };
        parts.showPlayerNames = note("names");
        parts.netNewGame = note("net new game");
        parts.newGame = note("new game");
    }
    // The dialog's answer: cancelled, or Done with `players` and `centers`.
    void Answer(bool cancelled, int players = 2, int centers = 3) {
        h.dialogHost.respond = [=, this](DialogForm, int, const std::string&) {
            if (!cancelled) Players(players, centers);
            DialogResult r;
            r.CancelFlag = cancelled;
            return r;
        };
    }
};

}  // namespace

TEST_F(SetupTest, ACancelledSetupKeepsTheGameOnTheTable) {
    Answer(true);
    SetupOpponents(parts, false);
    EXPECT_EQ(h.dialogHost.Count(DialogForm::Multi), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"read", "names"}));
    EXPECT_EQ(g.GameStarted, VbTrue);
    EXPECT_EQ(g.CancelFlag, VbFalse);
    EXPECT_EQ(h.board.levelCaption, "Level: Ruthless");
    EXPECT_TRUE(h.log.Contains("LoadAvatar Brivo.gif"));
}

TEST_F(SetupTest, NewCountsLayOutANewTableAndDealANewGame) {
    g.PlayerAvatar = "Me.gif";
    Answer(false, 4, 4);
    SetupOpponents(parts, false);
    EXPECT_EQ(calls, (std::vector<std::string>{"read", "save", "new game"}));
    EXPECT_EQ(g.NumCards, 208);
    EXPECT_TRUE(h.log.Contains("SetupLayout 2,3"));
    EXPECT_TRUE(h.log.Contains("DrawTable"));
    EXPECT_EQ(g.GameStarted, VbFalse);
    // With more than two players the player's own picture stands beside the table.
    EXPECT_TRUE(h.log.Contains("LoadAvatar Me.gif"));
}

TEST_F(SetupTest, InternetGamesOpenTheirOwnWindows) {
    g.NetConnected = 1, g.IsHost = 1;
    Answer(false);
    SetupOpponents(parts, false);
    // The Internet players setup applies its own choices when it closes.
    EXPECT_EQ(h.dialogHost.Count(DialogForm::MultiNET), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"read"}));

    calls.clear();
    SetupOpponents(parts, true);
    EXPECT_EQ(h.dialogHost.Count(DialogForm::RulesNET), 1);
    EXPECT_EQ(calls, (std::vector<std::string>{"net new game"}));

    // Set up with nobody connected yet: the table is laid out, no game starts.
    calls.clear();
    g.NetConnected = 99;
    SetupOpponents(parts, true);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(g.GameStarted, VbFalse);
}
