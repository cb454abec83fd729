#include "mainwindow/qt/frm_brivo.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTimer>

#include "tests/qt/qt_test_app.h"

TEST(FrmBrivoForm, CaptionStatusBarOfEightPanelsAndTimer) {
    TestApp();
    FrmBrivo window;
    EXPECT_EQ(window.objectName(), "frmBrivo");
    EXPECT_EQ(window.windowTitle(), "  Quorvane:  Brivo and Tessik             ");
    ASSERT_NE(window.StatusBar1(), nullptr);
    EXPECT_EQ(window.StatusBar1()->objectName(), "StatusBar1");
    for (int p = 1; p <= 8; ++p) ASSERT_NE(window.Panel(p), nullptr) << p;
    EXPECT_EQ(window.Panel(0), nullptr);
    EXPECT_EQ(window.Panel(9), nullptr);
    EXPECT_EQ(window.Timer1()->objectName(), "Timer1");
    EXPECT_TRUE(window.Timer1()->isSingleShot());
}

TEST(FrmBrivoForm, TheStatusBarLiesOverTheTablesBottomEdge) {
    TestApp();
    FrmBrivo window;
    auto* table = new QWidget;
    window.SetTable(table);
    window.resize(640, 480);
    window.show();
    window.StatusBar1()->show();
    QApplication::processEvents();
    EXPECT_EQ(table->geometry(), QRect(QPoint(0, 0), window.BoardSize()));
    EXPECT_EQ(window.StatusBar1()->geometry().bottom(), window.BoardSize().height() - 1);
    EXPECT_EQ(window.StatusBar1()->width(), window.BoardSize().width());
}

TEST(FrmBrivoForm, KeysReachTheWindowBeforeTheControlWithTheFocus) {
    TestApp();
    FrmBrivo window;
    auto* table = new QWidget;
    auto* edit = new QLineEdit(table);
    window.SetTable(table);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    int seen = 0;
    window.onKeyPreview = [&](QKeyEvent* e) {
        ++seen;
        return e->key() == Qt::Key_F8;
    };
    QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
    QApplication::sendEvent(edit, &f8);
    QKeyEvent a(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(edit, &a);
    EXPECT_EQ(seen, 2);
    // The used key went no further; the other one reached the control.
    EXPECT_EQ(edit->text(), "a");
}

TEST(FrmBrivoForm, ACloseRequestAsksFirst) {
    TestApp();
    FrmBrivo window;
    window.show();
    bool allow = false;
    int asked = 0;
    window.onQueryUnload = [&] {
        ++asked;
        return allow;
    };
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    allow = true;
    EXPECT_TRUE(window.close());
    EXPECT_EQ(asked, 2);
}
