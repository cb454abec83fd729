// The keys of the whole program as the player presses them on the main window: every key that
// has a command of the player's reaches the keyboard commands, and none is taken on the way by
// the test keys of the card row.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTemporaryDir>

#include "mainwindow/key_tables.h"
#include "mainwindow/qt/app_root.h"
#include "mainwindow/qt/qt_key_map.h"
#include "platform/program_folder.h"
#include "tests/qt/qt_test_app.h"

namespace {

struct ProgramKeys : ::testing::Test {
    QApplication& app = TestApp();
    QTemporaryDir dir;
    AppRoot root{dir.path().toStdString() + "/Quorvane"};
    Game& g = root.CurrentGame();

    // Both side piles five cards deep, and the end-of-game animation running: the keyboard
    // commands' first step then only stops it, so a key shows that it arrived without its
    // command running.
    void Ready() {
        g.HumanSideCount = 5;
        g.Opp[1].SideCount = 5;
        for (int i = 1; i <= 5; ++i) {
            g.HumanSide[kRank][i] = g.Opp[1].Side[kRank][i] = static_cast<i16>(i);
            g.HumanSide[kId][i] = g.Opp[1].Side[kId][i] = static_cast<i16>(i);
        }
        g.AnimationRunning = true;
        root.WindowState().AnimationStop = false;
    }
    void Press(int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent e(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&root.Window(), &e);
    }
};

}  // namespace

TEST_F(ProgramKeys, EveryKeyOfThePlayersTablesReachesTheKeyboardCommands) {
    std::vector<int> keys = {Qt::Key_Home,   Qt::Key_End,   Qt::Key_PageUp, Qt::Key_Up,
                             Qt::Key_Down,   Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Backspace,
                             Qt::Key_Delete, Qt::Key_Equal, Qt::Key_Escape};
    for (int k = Qt::Key_A; k <= Qt::Key_Z; ++k) keys.push_back(k);
    for (int k = Qt::Key_0; k <= Qt::Key_9; ++k) keys.push_back(k);
    for (int k = Qt::Key_F1; k <= Qt::Key_F12; ++k) keys.push_back(k);
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers modifiers[] = {Qt::NoModifier, ctrl, ctrl | shift,
                                               ctrl | shift | Qt::AltModifier};
    int bound = 0;
    for (Qt::KeyboardModifiers m : modifiers) {
        for (int key : keys) {
            const KeyPress k = KeyPressOf(key, m);
            if (!FindKeyRow(k.code, k.shift)) continue;
            ++bound;
            Ready();
            Press(key, m);
            EXPECT_TRUE(root.WindowState().AnimationStop) << std::hex << key << " " << m.toInt();
            EXPECT_EQ(g.HumanSideCount, 5) << std::hex << key << " " << m.toInt();
            EXPECT_EQ(g.Opp[1].SideCount, 5) << std::hex << key << " " << m.toInt();
        }
    }
    // 12 function keys, End, Page Up, four arrows, Backspace, 26 letters, 10 digits and "="
    // without a modifier; Home with each of the four; 10 Ctrl keys; 5 Ctrl+Shift keys.
    EXPECT_EQ(bound, 56 + 4 + 10 + 5);
}

// The test keys themselves still work where no command of the player's is in the way.
TEST_F(ProgramKeys, TheCardRowsTestKeysCutTheSidePilesToTwo) {
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        int human, opponent;
    } cases[] = {
        {Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier, 2, 5},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 5, 2},
    };
    for (const auto& c : cases) {
        Ready();
        Press(c.key, c.modifiers);
        EXPECT_EQ(g.HumanSideCount, c.human) << c.key;
        EXPECT_EQ(g.Opp[1].SideCount, c.opponent) << c.key;
        EXPECT_FALSE(root.WindowState().AnimationStop) << c.key;
    }
}
