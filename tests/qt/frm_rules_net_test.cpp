// The host's setup window driven through its own options and buttons.
#include "net/qt/frm_rules_net.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
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

namespace {

// Message boxes answered as the script says, each first noting what the window behind it shows.
struct WatchedBoxes : ScriptedDialogs {
    using ScriptedDialogs::ScriptedDialogs;
    std::function<void()> atBox;
    int MsgBox(const std::string& text, int style, const std::string& title) override {
        if (atBox) atBox();
        return ScriptedDialogs::MsgBox(text, style, title);
    }
};

// The option buttons of a group that show selected, by their element numbers ("1", "0 1").
std::string Selected(QWidget& form, const char* group, int count) {
    std::string shown;
    for (int i = 0; i < count; ++i)
        if (Find<QRadioButton>(form, QString("%1_%2").arg(group).arg(i))->isChecked())
            shown += (shown.empty() ? "" : " ") + std::to_string(i);
    return shown;
}

}  // namespace

// A choice the window refuses with a box never shows selected, not even behind its box: the
// rules window's three centers for a table of three players, and in Host Setup more players
// than an old peer's program allows or fewer than the humans connected.
TEST_F(HostRulesWindow, ARefusedChoiceNeverShowsSelectedBesideTheOneInForce) {
    struct Case {
        const char* what;
        int players, connected;
        const char* peer;
        const char* window;  // the window clicked in: the host's or its rules window
        const char* group;   // the options clicked in, and the one clicked
        int count, clicked;
        const char* inForce;  // what shows selected, behind the box and after it
        const char* box;
    };
    const Case cases[] = {
        {"three centers for three players", 3, 1, "84", "frmRules", "optCenter", 2, 0, "1",
         "4 Center Piles are required for more than 2 players"},
        {"more players than an old program", 2, 1, "74", "frmRulesNET", "Option1", 3, 1, "0",
         "You cannot have multiple players while playing with this opponent. They are using an "
         "old version of the game."},
        {"fewer players than the humans", 4, 3, "84", "frmRulesNET", "Option1", 3, 0, "2",
         "You have too many humans connected. Ask a player to leave if you want to change the "
         "layout to use less players."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g.NumPlayers = static_cast<i16>(c.players);
        g.NumCenters = 4;
        g.NetConnected = static_cast<i16>(c.connected);
        g.PeerVersion = c.peer;
        CallLog log;
        WatchedBoxes boxes(log);
        Services sv = h.services;
        sv.dialogs = &boxes;
        Engine engine{g, sv};
        FrmRulesNET form(engine, 1, nullptr);
        form.show();
        std::string behindBox, after;
        auto click = [&](QWidget& window) {
            boxes.atBox = [&] { behindBox = Selected(window, c.group, c.count); };
            Find<QRadioButton>(window, QString("%1_%2").arg(c.group).arg(c.clicked))->click();
            after = Selected(window, c.group, c.count);
        };
        if (std::string(c.window) == "frmRules") {
            QTimer::singleShot(0, &form, [&] {
                QWidget* rules = QApplication::activeModalWidget();
                ASSERT_TRUE(rules && rules->objectName() == "frmRules");
                click(*rules);
                Find<QPushButton>(*rules, "cmdReturn")->click();
            });
            Find<QPushButton>(form, "cmdRules")->click();
        } else {
            click(form);
        }
        EXPECT_EQ(boxes.lastText, c.box);
        EXPECT_EQ(behindBox, c.inForce);
        EXPECT_EQ(after, c.inForce);
    }
}
