// The whole program's keys as main() builds it and a person uses it after a deal: every window
// the keys and menus open, closed each way it can be closed (its buttons, Esc, the close box),
// gives the keys back to the main window; no key reaches a control that is not shown; and every
// key that switches something switches it back when pressed again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <functional>

#include "board/background_choice.h"
#include "board/qt/board_shell.h"
#include "mainwindow/menu_commands.h"
#include "mainwindow/qt/menu_controller.h"
#include "tests/qt/dealt_program.h"

namespace {

enum class Way { Button, Escape, CloseBox };

const char* WayName(Way w) {
    return w == Way::Button ? "button" : w == Way::Escape ? "Esc" : "close box";
}

// Closes `w` the way asked: its button `button` (a message box's own button when empty), Esc
// pressed on it, or its close box as the window manager asks.
void CloseWindow(QWidget& w, Way way, const char* button) {
    switch (way) {
        case Way::Button: {
            QAbstractButton* b = nullptr;
            if (auto* box = qobject_cast<QMessageBox*>(&w); box && !*button)
                b = box->buttons().value(0);
            else
                b = w.findChild<QAbstractButton*>(button);
            ASSERT_TRUE(b) << button;
            b->click();
            break;
        }
        case Way::Escape:
            QTest::keyClick(w.windowHandle(), Qt::Key_Escape);
            break;
        case Way::CloseBox:
            w.windowHandle()->close();
            break;
    }
}

// The main window takes the keys: Down steps the background on, Up back, and Space (a key
// without a command) leaves the game as it is.
void ExpectKeysTaken(DealtProgram& t, const std::string& where) {
    const int before = t.Background();
    t.Key(Qt::Key_Down);
    EXPECT_EQ(t.Background(), NextBackgroundIndex(before, t.Backgrounds(), 40)) << where;
    t.Key(Qt::Key_Up);
    EXPECT_EQ(t.Background(), before) << where;
    const auto hand = t.G().HumanCards;
    const i16 side = t.G().HumanSideCount;
    t.Key(Qt::Key_Space);
    QApplication::processEvents();
    EXPECT_TRUE(t.G().HumanCards == hand && t.G().HumanSideCount == side) << where << ": dealt";
}

struct WindowCase {
    const char* name;  // object name or title of the window
    std::function<void(DealtProgram&)> open;
    std::vector<const char*> buttons;  // the buttons that close it without changing the game
};

std::function<void(DealtProgram&)> Press(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) {
    return [key, m](DealtProgram& t) { t.Key(key, m); };
}
std::function<void(DealtProgram&)> MenuRow(int menu, int row) {
    return [menu, row](DealtProgram& t) { t.root->Menus().Commands().Run(menu, row); };
}

// The close box always, Esc where the window takes it, and each closing button.
std::vector<std::pair<Way, const char*>> WaysOf(const WindowCase& w, bool escape) {
    std::vector<std::pair<Way, const char*>> ways{{Way::CloseBox, ""}};
    if (escape) ways.emplace_back(Way::Escape, "");
    for (const char* b : w.buttons) ways.emplace_back(Way::Button, b);
    return ways;
}

}  // namespace

TEST_F(DealtProgram, EveryDialogClosedEachWayGivesTheKeysBack) {
    // The first step of the background explains the keys in a box of its own.
    Key(Qt::Key_Down);
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const WindowCase dialogs[] = {
        {"frmSpeed", Press(Qt::Key_F5), {"Command1"}},
        {"frmOptions", Press(Qt::Key_End), {"cmdOK", "CmdCancel"}},
        {"frmRules", Press(Qt::Key_F6), {"cmdReturn"}},
        {"frmMulti", Press(Qt::Key_F10), {"CmdCancel"}},
        {"frmScoreStat", Press(Qt::Key_F3), {"cmdClose"}},
        {"frmSave", Press(Qt::Key_S, ctrl), {"Command2"}},
        {"frmSave", Press(Qt::Key_R, ctrl), {"Command2"}},
        {"frmPlayers", Press(Qt::Key_F11), {"CmdCancel"}},
        {"frmWelcome", MenuRow(1, 1), {}},
        {"frmAbout", MenuRow(4, 8), {"cmdOK"}},
        {"Quorvane", Press(Qt::Key_Delete, ctrl), {""}},
    };
    for (const WindowCase& d : dialogs) {
        for (const auto& [way, button] : WaysOf(d, true)) {
            const std::string where = std::string(d.name) + " " + WayName(way) + " " + button;
            modals.Expect(d.name, [way, button](QWidget& w) { CloseWindow(w, way, button); });
            d.open(*this);
            EXPECT_TRUE(modals.Closed()) << where;
            ASSERT_TRUE(WaitFor([] { return !QApplication::activeModalWidget(); }, 2000)) << where;
            Activate();
            ExpectKeysTaken(*this, where);
        }
    }
}

// The windows that stay open beside the table, closed each way they can be closed.
TEST_F(DealtProgram, EveryFreeWindowClosedEachWayGivesTheKeysBack) {
    Key(Qt::Key_Down);
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const WindowCase windows[] = {
        {"frmTip", MenuRow(4, 2), {"cmdOK"}},           {"frmCounter", Press(Qt::Key_F8), {}},
        {"frmHelp", Press(Qt::Key_F1), {"cmdClose"}},   {"frmCustom", MenuRow(2, 7), {"Command1"}},
        {"frmBackground", Press(Qt::Key_F9, ctrl), {}},
    };
    for (const WindowCase& d : windows) {
        d.open(*this);
        QWidget* shown = Shown(d.name);
        ASSERT_TRUE(shown) << d.name;
        const bool escape = qobject_cast<QDialog*>(shown) != nullptr;
        for (const auto& [way, button] : WaysOf(d, escape)) {
            const std::string where = std::string(d.name) + " " + WayName(way) + " " + button;
            if (!Shown(d.name)) d.open(*this);
            QWidget* w = Shown(d.name);
            ASSERT_TRUE(w) << where;
            w->activateWindow();
            CloseWindow(*w, way, button);
            EXPECT_TRUE(WaitFor([&] { return !Shown(d.name); }, 2000)) << where;
            Activate();
            ExpectKeysTaken(*this, where);
        }
    }
}

// Signed in as one of the two players the developer mode is open to.
struct DealtProgramOfDeveloper : DealtProgram {
    DealtProgramOfDeveloper() { modals.player = "Wend"; }
};

// Each key that switches something, pressed twice: the first press changes what the player
// sees or the game's mode, the second puts it back.
TEST_F(DealtProgramOfDeveloper, EveryKeyThatSwitchesSwitchesBothWays) {
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, ctrlShift = ctrl | Qt::ShiftModifier;
    auto labels = [this] {
        std::string text;
        for (const auto& [key, c] : root->Board().layout.Form().Controls)
            if (c.Kind == ControlKind::Label || key == "imgIcon")
                text += key + (c.Visible ? "+" : "-") + c.Caption + "|";
        return text;
    };
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::function<std::string()> state;
    } toggles[] = {
        {"F7 peek", Qt::Key_F7, {}, [this] { return std::to_string(G().Peeking); }},
        {"F9 status bar",
         Qt::Key_F9,
         {},
         [this] { return std::to_string(Main().findChild<QStatusBar*>()->isVisible()); }},
        {"Ctrl+F10 label names", Qt::Key_F10, ctrl, labels},
        {"Ctrl+Shift+X sample games", Qt::Key_X, ctrlShift,
         [this] { return std::to_string(G().SampleGamesOn); }},
        {"Ctrl+Shift+F8 developer mode", Qt::Key_F8, ctrlShift,
         [this] { return std::to_string(G().DevMode); }},
    };
    for (const auto& t : toggles) {
        const std::string before = t.state();
        Key(t.key, t.modifiers);
        EXPECT_NE(t.state(), before) << t.name << " does not switch";
        Key(t.key, t.modifiers);
        EXPECT_EQ(t.state(), before) << t.name << " does not switch back";
    }
}
