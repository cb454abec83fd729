// The Internet windows as the composition root opens them: the score tables or the message that
// there are none, the chat window that the session's chat actions reach, and the Internet
// players setup whose saved comment lines the open chat offers.
#include "net/qt/net_windows.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "net/qt/frm_chat.h"
#include "platform/file_util.h"
#include "records/comment_file.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "tests/core/fake_chat_link.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct NetWindowsTest : ::testing::Test {
    QApplication& app = TestApp();
    TempProgramFolder dir;
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    ProfileState profile;
    BoardLooks looks;
    ChatSeq seq;
    std::string competition;
    QWidget main;
    std::vector<std::string> slaps, emoticons, peeks;
    std::unique_ptr<NetWindows> windows;

    NetWindowsTest() {
        g.AppFolder = dir.path();
        g.PlayerName = "Ann";
        g.Opp[1].Name = "Bob";
        NetWindowsParts parts{e, profile, looks, seq, competition, &main};
        parts.avatarSlap = [this] { slaps.push_back("slap"); };
        parts.showEmoticon = [this](const std::string& path) { emoticons.push_back(path); };
        parts.showPeek = [this](const std::string& text) { peeks.push_back(text); };
        parts.saveProfile = [] { return true; };
        parts.showAvatar = [](bool) {};
        parts.avatarShown = [] { return true; };
        parts.redrawAvatars = parts.showPlayerNames = [] {};
        parts.importAvatar = [] { return std::nullopt; };
        windows = std::make_unique<NetWindows>(parts);
    }
};

}  // namespace

TEST_F(NetWindowsTest, ScoresOpenOnlyWhenThereAreSome) {
    windows->ShowScores();
    EXPECT_EQ(h.dialogs.lastText, "No Quorvane scores yet to display!");
    ScoreRecord header;
    header.Name = "Ann";
    header.Numbers = {0, 0, 0, 1};
    WriteAllRecords(dir.File("users/Ann_2.ran"), std::vector<ScoreRecord>{header});
    windows->ShowScores();
    auto* scores = main.findChild<QWidget*>("frmScoresNet");
    ASSERT_TRUE(scores);
    EXPECT_TRUE(scores->isVisible());
    windows->CloseScores();
    EXPECT_FALSE(scores->isVisible());
}

TEST_F(NetWindowsTest, TheSessionsChatActionsReachTheChatAndTheTable) {
    FakeChatLink link;
    FrmChat* chat = windows->OpenChat(link);
    ASSERT_TRUE(chat);
    windows->ApplyChat({net::act::Emoticon{""}, net::act::Emoticon{"Wink.gif"},
                        net::act::ChatShown{"Bob: <i>hello</i>"}, net::act::Label{2, "hello"},
                        net::act::Slap{}, net::act::DataSound{110},
                        net::act::PeekLabel{"Opponent is PEEKING!"}});
    EXPECT_TRUE(Find<QPlainTextEdit>(*chat, "Text1")->toPlainText().endsWith("Bob: <i>hello</i>"));
    EXPECT_EQ(h.board.messages[2], "hello");
    EXPECT_EQ(slaps.size(), 1u);
    // The chat line takes away the emoticon shown before it, then its own stands beside it.
    EXPECT_EQ(emoticons, (std::vector<std::string>{"", dir.File("Icons/Wink.gif")}));
    EXPECT_EQ(peeks, std::vector<std::string>{"Opponent is PEEKING!"});
    EXPECT_TRUE(h.log.Contains("Data/~110.tmp"));
    windows->CloseChat();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(windows->chat(), nullptr);
}

// The player saves another comment file for the chat in Internet Players Setup while the chat is
// open: its buttons offer that file's lines at once.
TEST_F(NetWindowsTest, TheChatOffersTheCommentLinesSavedInPlayersSetup) {
    CommentLines lines = NewCommentLines();
    lines[7] = "Nice move, partner!";
    ASSERT_TRUE(WriteCommentFile(dir.File("users/Banter.cmt"), lines, nullptr));
    g.NumPlayers = 2;
    g.NetConnected = 1;
    FakeChatLink link;
    FrmChat* chat = windows->OpenChat(link);
    ASSERT_TRUE(chat);
    auto* button7 = Find<QPushButton>(*chat, "CmdChat_7");
    EXPECT_NE(button7->toolTip(), "Nice move, partner!");
    QTimer::singleShot(0, &main, [] {
        QWidget* form = QApplication::activeModalWidget();
        ASSERT_TRUE(form && form->objectName() == "frmMultiNET");
        Find<QPushButton>(*form, "CmdSetup_3")->click();
        auto* comments = Find<QComboBox>(*form, "CboComment");
        const int banter = comments->findText("Banter");
        ASSERT_GE(banter, 0);
        comments->setCurrentIndex(banter);
        emit comments->activated(banter);
        Find<QPushButton>(*form, "CmdApply")->click();
        Find<QPushButton>(*form, "cmdDone")->click();
    });
    EXPECT_TRUE(windows->ShowPlayersSetup());
    EXPECT_EQ(chat->room().phrases()[7], "Nice move, partner!");
    EXPECT_EQ(button7->toolTip(), "Nice move, partner!");
    EXPECT_EQ(profile.PlayerPrefs.Seats[0].Comments, "Banter");
}
