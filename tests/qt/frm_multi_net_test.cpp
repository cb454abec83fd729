// The Internet players setup driven through its own controls.
#include "net/qt/frm_multi_net.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "net/net_avatars.h"
#include "platform/file_util.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct PlayersWindow : ::testing::Test {
    QApplication& app = TestApp();
    TempProgramFolder dir;
    Game g;
    CallLog log;
    ScriptedDialogs dialogs{log};
    SeatRecord own;
    std::string competition, netComments;
    int soundsOpened = 0;

    PlayersWindow() {
        QImage face(64, 64, QImage::Format_RGB32);
        for (const char* name : {"Ann.jpg", "Bear.jpg"}) {
            face.fill(name[0] == 'A' ? Qt::darkCyan : Qt::darkYellow);
            face.save(QString::fromStdString(dir.File(std::string("Avatars/") + name)));
        }
        WriteFileAtomically(dir.File("users/Ann_2_Spring.rcm"), "", nullptr);
        g.AppFolder = dir.path();
        g.PlayerName = "Ann";
        g.NumPlayers = 2;
        g.NetConnected = 1;
        g.Opp[1].Name = "Bob";
        g.Opp[1].Avatar = "Bear.jpg";
        own.Avatar = "Ann.jpg";
        own.Comments = kDefaultComments;
    }
    FrmMultiNET* Open() {
        NetPlayersParts parts(g, own, competition, netComments, dialogs);
        parts.lists.personalities = {"Brivo", "Tessik"};
        parts.lists.comments = {kDefaultComments, kNoComments};
        parts.lists.avatars = {"", "Ann.jpg", "Bear.jpg"};
        parts.saveProfile = [] { return true; };
        parts.showAvatar = [](bool) {};
        parts.redrawAvatars = parts.showPlayerNames = parts.chatLinesLoaded = [] {};
        return new FrmMultiNET(parts, [this](QWidget*) { ++soundsOpened; });
    }
};

}  // namespace

TEST_F(PlayersWindow, AnOpponentsNameAndPictureAreSavedForThisMachine) {
    std::unique_ptr<FrmMultiNET> form(Open());
    form->show();
    SaveRender(form->grab().toImage(), "frm_multi_net");
    EXPECT_EQ(form->windowTitle(), "Internet Players Setup");
    EXPECT_FALSE(Find<QPushButton>(*form, "CmdSetup_1")->isEnabled());
    EXPECT_EQ(Find<QGroupBox>(*form, "Frame1")->title(), "Setup for Opponent");
    EXPECT_EQ(Find<QLineEdit>(*form, "TxtOpponent_1")->text(), "Bob");
    EXPECT_FALSE(Find<QPushButton>(*form, "CmdApply")->isEnabled());

    Find<QScrollBar>(*form, "HScrollAvatar")->setValue(1);
    ASSERT_TRUE(Find<QPushButton>(*form, "CmdApply")->isEnabled());
    Find<QPushButton>(*form, "CmdApply")->click();
    EXPECT_EQ(LoadNetAvatar(dir.path(), "Ann", "Bob")->avatar, "Ann.jpg");
    EXPECT_EQ(g.Opp[1].Avatar, "Ann.jpg");

    Find<QPushButton>(*form, "cmdSounds")->click();
    EXPECT_EQ(soundsOpened, 1);
}

TEST_F(PlayersWindow, ThePlayerPanelAndTheCompetitionScoreFile) {
    std::unique_ptr<FrmMultiNET> form(Open());
    form->show();
    Find<QPushButton>(*form, "CmdSetup_3")->click();
    EXPECT_EQ(Find<QPushButton>(*form, "CmdApply")->text(), "Save Player");
    EXPECT_TRUE(Find<QLineEdit>(*form, "TxtOpponent_0")->isVisible());
    EXPECT_TRUE(Find<QCheckBox>(*form, "ckNoPlayerAvatar")->isChecked());
    EXPECT_TRUE(Find<QComboBox>(*form, "CboOpponent")->isVisible());

    EXPECT_EQ(Find<QLabel>(*form, "lblScoreFile")->text(), "Use Score File: Default");
    EXPECT_FALSE(Find<QComboBox>(*form, "Combo1")->isVisible());
    Find<QRadioButton>(*form, "optNetScore_1")->click();
    auto* combo = Find<QComboBox>(*form, "Combo1");
    EXPECT_TRUE(combo->isVisible());
    ASSERT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->itemText(0), "Spring");
    SaveRender(form->grab().toImage(), "frm_multi_net_player");
    combo->setEditText("Autumn");
    EXPECT_EQ(Find<QLabel>(*form, "lblScoreFile")->text(), "Use Score File: Autumn");
    Find<QPushButton>(*form, "cmdDone")->click();
    EXPECT_TRUE(form->setupDone());
    EXPECT_EQ(competition, "Autumn");
}
