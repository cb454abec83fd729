// The host's setup window driven through its own options and buttons.
#include "net/qt/frm_rules_net.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <string>

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

namespace {

// One click of the player's in the host's window, named by a letter: "a", "b", "c" the opponent
// counts 1-3; "m" the choice of three centers (clicked only while shown); "r" Change Rules
// applied as they are, "3" Change Rules with three centers chosen there; "d" Done, "x" Cancel.
void Click(FrmRulesNET& form, char c) {
    auto ruleWindow = [&form](const char* centers) {
        QTimer::singleShot(0, &form, [centers] {
            QWidget* rules = QApplication::activeModalWidget();
            ASSERT_TRUE(rules && rules->objectName() == "frmRules");
            if (centers) Find<QRadioButton>(*rules, centers)->click();
            Find<QPushButton>(*rules, "cmdSave")->click();
        });
        Find<QPushButton>(form, "cmdRules")->click();
    };
    switch (c) {
        case 'a':
        case 'b':
        case 'c':
            Find<QRadioButton>(form, QString("Option1_%1").arg(c - 'a'))->click();
            break;
        case 'm':
            if (Find<QGroupBox>(form, "fraCenters")->isVisible())
                Find<QRadioButton>(form, "optCenters_0")->click();
            break;
        case 'r':
            return ruleWindow(nullptr);
        case '3':
            return ruleWindow("optCenter_0");
        case 'd':
            Find<QPushButton>(form, "cmdDone")->click();
            break;
        default:
            Find<QPushButton>(form, "CmdCancel")->click();
    }
}

}  // namespace

TEST_F(HostRulesWindow, EveryClickOrderEndsOnATableTheDealLaysOut) {
    struct Case {
        int players, centers;  // the table when the window opens
        std::string clicks;
        int playersAfter = -1, centersAfter = -1;  // -1: only that the deal takes it
    };
    std::vector<Case> cases = {
        {2, 3, "brd", 3, 4},  // more players keep four centers whatever the rules kept
        {2, 3, "b3d", 3, 4},  // ... or chose for the table still in play
        {2, 3, "crd", 4, 4}, {3, 4, "amd", 2, 3},
        {3, 4, "a3d", 2, 4},  // the rules window keeps four for the three players in play
        {2, 4, "3d", 2, 3},  {2, 3, "bx", 2, 3},
        {4, 4, "ard", 2, 4},
    };
    // Then every order of up to three clicks, ended by Done or Cancel, on every table.
    const std::string letters = "abcmr3";
    std::vector<std::string> orders = {""};
    for (size_t from = 0, length = 1; length <= 3; ++length) {
        const size_t to = orders.size();
        for (size_t i = from; i < to; ++i)
            for (char k : letters) orders.push_back(orders[i] + k);
        from = to;
    }
    for (auto [players, centers] : {std::pair{2, 3}, {2, 4}, {3, 4}, {4, 4}})
        for (const std::string& order : orders)
            for (const char* end : {"d", "x"}) cases.push_back({players, centers, order + end});

    for (const Case& c : cases) {
        g.NumPlayers = static_cast<i16>(c.players);
        g.NumCenters = static_cast<i16>(c.centers);
        g.NetConnected = 1;
        {
            FrmRulesNET form(e, 1, nullptr);
            form.show();
            for (char k : c.clicks) Click(form, k);
            if (form.isVisible()) Click(form, 'x');  // Done still off: the player gives up
        }
        const std::string where =
            std::to_string(c.players) + "/" + std::to_string(c.centers) + " " + c.clicks;
        if (c.playersAfter > 0) {
            EXPECT_EQ(g.NumPlayers, c.playersAfter) << where;
            EXPECT_EQ(g.NumCenters, c.centersAfter) << where;
        }
        g.NetConnected = 0;  // the deal itself says whether it can lay the table out
        e.SetUp();
        EXPECT_GT(g.HumanSideCount, 0) << where;
        e.Reset_Table();
    }
}
