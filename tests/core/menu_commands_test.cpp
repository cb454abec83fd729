#include "mainwindow/menu_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "headless_table.h"
#include "platform/file_util.h"

namespace {

class ScriptedShell : public MenuShell {
  public:
    explicit ScriptedShell(CallLog& log) : log_(log) {}
    void HideMenuBar() override { ++hidden; }
    void CloseMainWindow() override { log_.Add("CloseMainWindow"); }
    void ChangeNoise() override { log_.Add("ChangeNoise"); }
    void CycleBackground(int code) override { log_.Add("CycleBackground " + std::to_string(code)); }
    void LoadBackground() override { log_.Add("LoadBackground"); }
    void ShowBackground(const std::string& name) override { log_.Add("ShowBackground " + name); }
    void SetStretchBackground(bool s) override { log_.Add(s ? "Stretch" : "Tile"); }
    void ChangeDisplay(int a) override { log_.Add("ChangeDisplay " + std::to_string(a)); }
    void PlaceStatusArea() override { log_.Add("PlaceStatusArea"); }
    bool StatusBarShown() const override { return statusBar; }
    void ShowStatusBar(bool show) override { statusBar = show; }
    void ShowCounter() override { log_.Add("ShowCounter"); }
    void RefreshCounterIfShown() override { log_.Add("RefreshCounter"); }
    void ShowPeekLabel(const std::string& text, bool visible) override {
        peekLabel = text;
        peekVisible = visible;
    }
    bool OpenWeb(const std::string& address) override {
        log_.Add("OpenWeb " + address);
        return webWorks;
    }
    void StopAnimation() override { log_.Add("StopAnimation"); }
    void SetupOpponents(bool rulesOnly) override {
        log_.Add(rulesOnly ? "SetupOpponents rules" : "SetupOpponents");
    }
    void SetupInternet() override { log_.Add("SetupInternet"); }
    void SendRecover(const ResumeNote& note) override {
        log_.Add(std::string("SendRecover") + (note.restarted ? " restarted" : "") +
                 (note.secure ? " secure " + note.title : ""));
    }

    int hidden = 0;
    bool statusBar = false;
    bool webWorks = true;
    std::string peekLabel;
    bool peekVisible = false;

  private:
    CallLog& log_;
};

struct MenuCommandsTest : ::testing::Test, HeadlessTable {
    MenuCommandsTest() { g.NumPlayers = 2, g.NumCards = 104, g.NumCenters = 3; }
    MenuCommands& M() {
        if (!menus) {
            MenuCommandsParts parts{g, e, records, h.services, window, shell};
            parts.nextChatSeq = [this] { return ++chatSeq; };
            parts.oppPeeking = [this] { return oppPeeking; };
            menus = std::make_unique<MenuCommands>(std::move(parts));
        }
        return *menus;
    }
    // A dealt game written to record `slot` of the saved-game store, the table then cleared.
    void StoreGameAt(int slot) {
        g.Rng.Rnd(-1);
        g.Rng.Randomize(7);
        e.Game_New();
        // Only that record: the deal's own automatic saves are taken away.
        std::filesystem::remove(records.SavedGamesPath());
        ASSERT_TRUE(records.SaveGameToSlot(slot, "AutoSave"));
        h.log.Clear();
        h.dialogs.lastText.clear();
        h.dialogs.asked = 0;
    }
    bool Said(const std::string& text) const { return h.log.Contains(text); }
    void OnLine(int host) {
        g.NetConnected = 1;
        g.IsHost = static_cast<i16>(host);
    }

    MainWindowState window;
    ScriptedShell shell{h.log};
    std::unique_ptr<MenuCommands> menus;
    int chatSeq = 0;
    bool oppPeeking = false;
};

}  // namespace

TEST_F(MenuCommandsTest, NewGameDuringTheComputersTurnWaitsAndTheGameMenuIsSilentMeanwhile) {
    g.Pturn = 2;
    g.ComputerBusy = VbTrue;
    EXPECT_FALSE(M().Run(1, 0));
    EXPECT_TRUE(g.NewGamePending);
    EXPECT_EQ(g.Pturn, 2);  // nothing was dealt

    M().MenuGame(9);  // what the key F3 would reach directly
    EXPECT_TRUE(h.dialogHost.opened.empty());
    EXPECT_EQ(h.dialogs.asked, 0);
    EXPECT_GE(shell.hidden, 1);
}

TEST_F(MenuCommandsTest, SaveNeedsAGameOnAndOpensTheNetSaveOnline) {
    g.Pturn = 0;
    M().MenuGame(3);
    EXPECT_EQ(h.dialogs.lastText, "There's no game to save!");
    EXPECT_EQ(h.dialogs.lastTitle, "Brivo & Tessik");
    EXPECT_TRUE(h.dialogHost.opened.empty());
    EXPECT_TRUE(window.AnimationStop);

    g.Pturn = 1;
    M().MenuGame(3);
    OnLine(1);
    M().MenuInternet(4);
    ASSERT_EQ(h.dialogHost.opened.size(), 2u);
    EXPECT_EQ(h.dialogHost.opened[0].mode, save_mode::Save);
    EXPECT_EQ(h.dialogHost.opened[1].mode, save_mode::NetSave);
    EXPECT_FALSE(g.NetSaveFlag);

    g.Pturn = 0;
    M().MenuInternet(4);
    EXPECT_EQ(h.dialogs.lastText, "There's no Internet game to save!");
    EXPECT_EQ(h.dialogs.lastTitle, "Quorvane Online");
}

TEST_F(MenuCommandsTest, PreviousTurnRestoresOnlyARecordThatHoldsAGame) {
    StoreGameAt(12);
    g.Pturn = 1;
    g.MoveCounter = 3;  // odd: record 11, never written
    M().MenuGame(6);
    EXPECT_EQ(h.dialogs.lastText, "No move to restore!");
    EXPECT_EQ(h.dialogs.lastTitle, "Previous Turn");
    EXPECT_FALSE(g.GameRestored);

    g.MoveCounter = 2;  // even: record 12
    h.dialogs.lastText.clear();
    M().MenuGame(6);
    EXPECT_EQ(h.dialogs.lastText, "");
    EXPECT_TRUE(g.GameRestored);
    EXPECT_EQ(g.SaveSlot, 12);
}

TEST_F(MenuCommandsTest, RestartFromLastSessionTellsThenRestoresTheGamesStart) {
    g.GameStarted = VbFalse;
    M().MenuGame(7);
    EXPECT_EQ(h.dialogs.lastText, "No move to restore!");
    EXPECT_EQ(h.dialogs.asked, 1);

    StoreGameAt(13);
    g.GameStarted = VbFalse;
    M().MenuGame(7);
    EXPECT_TRUE(Said("[Restart Game] Restarting game from last session."));
    EXPECT_TRUE(g.GameRestored);
    EXPECT_EQ(g.SaveSlot, 13);

    // A game under way asks first; Cancel leaves it.
    g.GameStarted = VbTrue;
    g.GameRestored = VbFalse;
    h.dialogs.answers = {mb::Cancel};
    M().MenuGame(7);
    EXPECT_EQ(h.dialogs.lastText, "Start this game over from the beginning?");
    EXPECT_FALSE(g.GameRestored);
}

TEST_F(MenuCommandsTest, HostRestartSendsTheGamesStartToThePeers) {
    StoreGameAt(13);
    g.Pturn = 1;
    g.PeerVersion = "84";
    OnLine(1);
    M().MenuInternet(9);
    EXPECT_EQ(h.dialogs.lastText, "Start the Internet game over from the beginning?");
    EXPECT_EQ(h.log.lines.back(), "SendRecover restarted");
    EXPECT_FALSE(M().state().NetRestart);

    // A saved Internet game chosen from the slots goes with its title; a cancel sends nothing.
    DialogResult chosen;
    chosen.Restored = chosen.SecureSave = true;
    h.dialogHost.results = {DialogResult{}, chosen};
    g.Msg = "Friday";
    h.log.Clear();
    M().MenuInternet(5);
    M().MenuInternet(5);
    EXPECT_EQ(h.log.lines, (std::vector<std::string>{"SendRecover secure Friday"}));

    g.NetConnected = 99;
    M().MenuInternet(5);
    EXPECT_EQ(h.dialogs.lastText, "You have to connect to another player first!");
    EXPECT_EQ(h.dialogs.lastTitle, "Quorvane Not Online");
}

TEST_F(MenuCommandsTest, RulesChangedStartANewGame) {
    DialogResult changed;
    changed.RulesChanged = true;
    h.dialogHost.results = {DialogResult{}, changed};
    M().MenuOptions(4, 0);
    EXPECT_FALSE(h.log.Contains("ShowDealButton"));
    g.GameStarted = VbTrue;
    M().MenuOptions(4, 0);
    EXPECT_EQ(h.dialogHost.Count(DialogForm::Rules), 2);
    EXPECT_TRUE(g.Pturn >= 1);  // dealt
}

TEST_F(MenuCommandsTest, PeekNoticeReachesEveryRemoteAndNamesTheNewerPeersText) {
    EXPECT_EQ(PeekNoticeText(true, "62"), "BRIVO: You're being watched.");
    EXPECT_EQ(PeekNoticeText(true, "74"), "$-BRIVO: You're being watched.");
    EXPECT_EQ(PeekNoticeText(false, "84"), "$-BRIVO: Nobody's looking now.");

    OnLine(1);
    g.NetConnected = 3;
    g.PeerVersion = "84";
    h.dialogs.answers = {mb::Yes};
    M().MenuHelp(3, 0);
    ASSERT_EQ(h.net.sent.size(), 2u);
    // Sent to all (no socket left out), not to the first connection only.
    EXPECT_EQ(h.net.sent[0],
              (std::pair<int, std::string>{0, "SY  1#$-BRIVO: You're being watched."}));
    EXPECT_EQ(h.net.sent[1], (std::pair<int, std::string>{0, "PK True"}));
    EXPECT_EQ(h.dialogs.lastTitle, "Cheater");
    EXPECT_EQ(shell.peekLabel, "\nYou're PEEKING!");
    EXPECT_TRUE(g.GameRestored);

    // Stopping on a remote tells the host, and the opponent's own peeking shows again.
    g.IsHost = 0;
    oppPeeking = true;
    M().MenuHelp(3, 0);
    EXPECT_EQ(h.net.sent[2],
              (std::pair<int, std::string>{1, "SY  2#$-BRIVO: Nobody's looking now."}));
    EXPECT_EQ(h.net.sent[3], (std::pair<int, std::string>{1, "PK False"}));
    EXPECT_EQ(shell.peekLabel, "\nOpponent is PEEKING!");
    EXPECT_TRUE(shell.peekVisible);
}

TEST_F(MenuCommandsTest, CardCounterRefusesAfterARestoreAndOnline) {
    g.GameRestored = VbTrue;
    M().MenuHelp(4, 0);
    EXPECT_EQ(h.dialogs.lastText, "Sorry, I lost count when you restored the game!");
    g.GameRestored = VbFalse;
    OnLine(1);
    M().MenuHelp(4, 0);
    EXPECT_EQ(h.dialogs.lastText, "Count your own cards during a Net game!");
    EXPECT_FALSE(Said("ShowCounter"));
    g.DevMode = VbTrue;
    M().MenuHelp(4, 0);
    EXPECT_TRUE(Said("ShowCounter"));
}

TEST_F(MenuCommandsTest, AddBackgroundShowsTheAddedPictureUnderAFreeName) {
    ASSERT_TRUE(WriteFileAtomically(folder.File("backgrounds/Felt.jpg"), "old", nullptr));
    ASSERT_TRUE(WriteFileAtomically(folder.File("Felt.jpg"), "new", nullptr));
    h.dialogs.openFiles = {folder.File("Felt.jpg")};
    M().MenuOptions(11, 0);
    EXPECT_TRUE(Said("ShowBackground Felt (2).jpg"));
    EXPECT_EQ(ReadWholeFile(folder.File("backgrounds/Felt.jpg")), "old");
    EXPECT_EQ(ReadWholeFile(folder.File("backgrounds/Felt (2).jpg")), "new");

    h.dialogs.openFiles = {folder.File("notes.txt")};
    M().MenuOptions(11, 0);
    EXPECT_EQ(h.dialogs.lastText, "Only JPG, GIF and BMP pictures can be table backgrounds.");
}

TEST_F(MenuCommandsTest, HelpRowsAndTheWebChoice) {
    M().MenuHelp(5, 0);
    EXPECT_TRUE(shell.statusBar);
    M().MenuHelp(7, 0);  // the pop-up left without a choice
    EXPECT_FALSE(Said("OpenWeb"));
    shell.webWorks = false;
    M().MenuHelp(7, 3);
    EXPECT_TRUE(Said("OpenWeb " + SiteAddress(3)));
    EXPECT_EQ(h.dialogs.lastText, "Unable to launch default browser");
    M().MenuHelp(0, 0);
    EXPECT_EQ(h.dialogHost.Count(DialogForm::Help), 1);
}
