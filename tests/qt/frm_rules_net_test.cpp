// The host's setup window driven through its own options and buttons.
#include "net/qt/frm_rules_net.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct HostRulesWindow : ::testing::Test {
    QApplication& app = TestApp();
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};

    HostRulesWindow() {
        g.NumPlayers = 3;
        g.NumCenters = 4;
        g.NetConnected = 1;
        g.IsHost = 1;
        g.PeerVersion = "84";
    }
};

}  // namespace

TEST_F(HostRulesWindow, OneOpponentShowsTheCentersAndDoneAppliesIt) {
    FrmRulesNET form(e, 6, nullptr);
    form.show();
    EXPECT_EQ(form.windowTitle(), "Host Setup and Rules");
    EXPECT_TRUE(Find<QRadioButton>(form, "Option1_1")->isChecked());
    EXPECT_FALSE(Find<QGroupBox>(form, "fraCenters")->isVisible());
    EXPECT_FALSE(Find<QPushButton>(form, "cmdDone")->isEnabled());

    Find<QRadioButton>(form, "Option1_0")->click();
    SaveRender(form.grab().toImage(), "frm_rules_net");
    EXPECT_TRUE(Find<QGroupBox>(form, "fraCenters")->isVisible());
    EXPECT_TRUE(Find<QRadioButton>(form, "optCenters_0")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(form, "Option1_1")->isChecked());
    Find<QRadioButton>(form, "optCenters_1")->click();
    Find<QPushButton>(form, "cmdDone")->click();
    EXPECT_FALSE(form.cancelled());
    EXPECT_EQ(g.NumPlayers, 2);
    EXPECT_EQ(g.NumCenters, 4);
}

TEST_F(HostRulesWindow, RefusalsPutThePreviousChoiceBackAndCancelChangesNothing) {
    g.NetConnected = 3;
    g.NumPlayers = 4;
    FrmRulesNET form(e, 6, nullptr);
    Find<QRadioButton>(form, "Option1_1")->click();
    EXPECT_EQ(h.dialogs.asked, 1);
    EXPECT_TRUE(Find<QRadioButton>(form, "Option1_2")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(form, "Option1_1")->isChecked());
    Find<QPushButton>(form, "CmdCancel")->click();
    EXPECT_TRUE(form.cancelled());
    EXPECT_EQ(g.NumPlayers, 4);
}
