// The connection dialog: host or remote, the name kept or changed, the port and the address
// checked before it closes.
#include "net/qt/frm_players.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct WithApp {
    WithApp() { TestApp(); }
};

struct Rig : WithApp {
    CallLog log;
    ScriptedDialogs dialogs{log};
    FrmPlayers form{"Ann", 41001, dialogs, nullptr};
    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(form, name); }
    void Click(const char* name) { Find<QPushButton>(form, name)->click(); }
};

TEST(FrmPlayers, OpensAsHostWithTheNameAndTheUsualPort) {
    Rig rig;
    EXPECT_TRUE(Find<QRadioButton>(rig.form, "Option1")->isChecked());
    EXPECT_EQ(rig.Edit("txtPlayerName")->text(), "Ann");
    EXPECT_EQ(rig.Edit("Text3")->text(), "41001");
    EXPECT_TRUE(rig.Edit("Text2")->isHidden());
    EXPECT_EQ(Find<QLabel>(rig.form, "Label5")->text(), "Click CONNECT to get your IP ADDRESS");

    SaveRender(rig.form.grab().toImage(), "frmPlayers_host");
    Find<QRadioButton>(rig.form, "Option2")->click();
    SaveRender(rig.form.grab().toImage(), "frmPlayers_remote");
    EXPECT_EQ(Find<QPushButton>(rig.form, "cmdConnect")->text(), "Ready to Connect");
    EXPECT_FALSE(rig.Edit("Text2")->isHidden());
    EXPECT_EQ(Find<QLabel>(rig.form, "Label5")->text(), "Enter the Host's IP Address here:");
}

TEST(FrmPlayers, ARemoteClosesOnlyWithAnAddressAndAGoodName) {
    Rig rig;
    Find<QRadioButton>(rig.form, "Option2")->click();
    rig.Click("cmdConnect");  // the example address is no address
    EXPECT_FALSE(rig.form.chosen());
    EXPECT_EQ(rig.dialogs.lastTitle, "Quorvane Internet Game");

    rig.Edit("Text2")->setText("127.0.0.1");
    rig.Edit("txtPlayerName")->setText("A/B");
    rig.Click("cmdConnect");
    EXPECT_FALSE(rig.form.chosen());
    EXPECT_EQ(rig.dialogs.lastTitle, "Non-standard filename character");

    rig.Edit("txtPlayerName")->setText("  Bea ");
    rig.Edit("Text3")->setText("5000");
    rig.Click("cmdConnect");
    ASSERT_TRUE(rig.form.chosen());
    EXPECT_FALSE(rig.form.chosen()->host);
    EXPECT_EQ(rig.form.chosen()->playerName, "Bea");
    EXPECT_EQ(rig.form.chosen()->hostAddress, "127.0.0.1");
    EXPECT_EQ(rig.form.chosen()->port, 5000);
}

TEST(FrmPlayers, APortBelow1024KeepsTheDialogOpen) {
    Rig rig;
    rig.Edit("Text3")->setText("1023");
    rig.Click("cmdConnect");
    EXPECT_FALSE(rig.form.chosen());
    EXPECT_EQ(rig.dialogs.lastText,
              "The PORT number must be a whole number from 1024 to 65535: the ports below 1024 "
              "are reserved for the system.\nLeave it at 41001 unless you have a problem.");
    rig.Edit("Text3")->setText("1024");
    rig.Click("cmdConnect");
    ASSERT_TRUE(rig.form.chosen());
    EXPECT_EQ(rig.form.chosen()->port, 1024);
}

TEST(FrmPlayers, AHostKeepsTheSignedInNameAndGetsItsOwnAddresses) {
    Rig rig;
    rig.Edit("txtPlayerName")->setText("   ");
    rig.Click("cmdConnect");
    ASSERT_TRUE(rig.form.chosen());
    EXPECT_TRUE(rig.form.chosen()->host);
    EXPECT_EQ(rig.form.chosen()->playerName, "Ann");
    EXPECT_EQ(rig.form.chosen()->port, 41001);
    EXPECT_FALSE(rig.form.chosen()->ownAddresses.empty());
    for (const auto& a : rig.form.chosen()->ownAddresses)
        EXPECT_EQ(std::count(a.begin(), a.end(), '.'), 3) << a;
}

}  // namespace
