// The drawn menu bar on a real window: titles open their lists, one click moves between titles,
// separators keep a list open, and a chosen row runs through the gate once the list has gone.
#include "mainwindow/qt/menu_controller.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_menu.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/menu_bar_panel.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {
struct MenuControllerTest : ::testing::Test {
    QApplication& app = TestApp();
    QTemporaryDir dir;
    Game g;
    HeadlessServices h{g};
    MainWindowState w;
    BoardLooks looks;
    FrmBrivo window;
    BoardShell shell{BoardShellParts{g, looks, 15360, false, h.clock, h.pump, &h.sounds, &h.dialogs,
                                     dir.path().toStdString()},
                     &window};
    MainWindow main{MainWindowParts{g, w, h.services, window, shell, looks}, WindowCalls()};
    Engine engine{g, h.services};
    GameRecords records{g, h.services};
    MenuController menus{
        MenuControllerParts{g, w, h.services, window, shell, looks, main, engine, records},
        MenuHooks{}};

    // The window's resize closes menus and small windows that these tests do not watch.
    static MainWindowCalls WindowCalls() {
        MainWindowCalls calls;
        calls.closeMenus = calls.closeSmallWindows = [] {};
        return calls;
    }
    MenuControllerTest() {
        g.AppFolder = dir.path().toStdString();
        window.SetTable(shell.view);
    }
    // A press on the middle of title `menu`'s band.
    void PressTitle(int menu) {
        const menu_bar::Band b = menu_bar::kTitles[menu - 1];
        menus.PressBar(QPoint((b.left + b.right) / 2, 40));
    }
    void Settle() {
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }
};
}  // namespace

TEST_F(MenuControllerTest, TitlesOpenTheirListsAndOneClickMovesBetweenThem) {
    PressTitle(1);
    ASSERT_NE(menus.DropDown(), nullptr);
    EXPECT_TRUE(menus.MenuOpen());
    EXPECT_EQ(menus.DropDown()->MenuNumber(), 1);
    EXPECT_EQ(menus.DropDown()->List1()->count(), 12);

    PressTitle(2);
    Settle();
    ASSERT_NE(menus.DropDown(), nullptr);
    EXPECT_EQ(menus.DropDown()->MenuNumber(), 2);
    EXPECT_EQ(menus.DropDown()->List1()->count(), 14);

    // Between two titles: the list closes and nothing opens.
    menus.PressBar(QPoint(190, 40));
    Settle();
    EXPECT_EQ(menus.DropDown(), nullptr);
    EXPECT_FALSE(menus.MenuOpen());
}

TEST_F(MenuControllerTest, SeparatorKeepsTheListAndAChosenRowRunsAfterItCloses) {
    PressTitle(1);
    menus.PressRow(2, QPoint());
    EXPECT_TRUE(menus.MenuOpen());

    menus.PressRow(9, QPoint());  // Scores and Stats
    EXPECT_FALSE(menus.MenuOpen());
    EXPECT_EQ(h.dialogHost.Count(DialogForm::ScoreStat), 0);  // not inside the press
    Settle();
    EXPECT_EQ(h.dialogHost.Count(DialogForm::ScoreStat), 1);
}

TEST_F(MenuControllerTest, GameTitleDuringTheComputersTurnIsRefusedAndTheBarGoes) {
    menus.MoveOverBar(QPoint(100, 40));
    g.Pturn = 2;
    g.ComputerBusy = VbTrue;
    PressTitle(1);
    EXPECT_EQ(menus.DropDown(), nullptr);
    EXPECT_EQ(h.dialogs.lastText, "Wait!  Let me finish my turn first!");
    EXPECT_FALSE(menus.BarShown());
    // The Internet title opens nothing and says nothing.
    h.dialogs.lastText.clear();
    PressTitle(3);
    EXPECT_EQ(menus.DropDown(), nullptr);
    EXPECT_EQ(h.dialogs.lastText, "");
}

// A pop-up of a list row left with Esc keeps the list open; the next Esc, sent where the
// system sends keys now, reaches the main window and closes the list.
TEST_F(MenuControllerTest, EscAfterALeftPopUpClosesTheList) {
    int escapes = 0;
    window.onKeyPreview = [&](QKeyEvent* e) {
        if (e->key() != Qt::Key_Escape) return false;
        ++escapes;
        menus.CloseMenus();
        return true;
    };
    window.resize(800, 600);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    PressTitle(2);
    Settle();
    QTimer::singleShot(50, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            QTest::keyClick(popup, Qt::Key_Escape);
    });
    menus.PressRow(13, window.mapToGlobal(QPoint(200, 300)));
    Settle();
    ASSERT_NE(menus.DropDown(), nullptr);
    QWindow* focus = QGuiApplication::focusWindow();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Escape);
    Settle();
    EXPECT_EQ(escapes, 1);
    EXPECT_EQ(menus.DropDown(), nullptr);
}
