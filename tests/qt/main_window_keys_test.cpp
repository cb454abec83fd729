// Qt's keys as the keyboard commands read them, and the help window over the shipped pages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QPushButton>
#include <QTextBrowser>

#include "mainwindow/help_topics.h"
#include "mainwindow/key_codes.h"
#include "mainwindow/qt/frm_help.h"
#include "mainwindow/qt/qt_key_map.h"
#include "tests/qt/qt_test_app.h"

TEST(QtKeyMap, QtKeysBecomeTheCodesTheCommandsUse) {
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    struct Case {
        int key;
        Qt::KeyboardModifiers mods;
        i16 code, shift;
    } cases[] = {
        {Qt::Key_3, none, 51, 0},                // the top row's digit
        {Qt::Key_3, Qt::KeypadModifier, 99, 0},  // the keypad's
        {Qt::Key_0, Qt::KeypadModifier, 96, 0},
        {Qt::Key_Enter, Qt::KeypadModifier, 13, 0},  // either Enter
        {Qt::Key_Return, none, 13, 0},
        {Qt::Key_A, Qt::ShiftModifier, 65, 1},  // letters whatever the Shift state
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, 83, 3},
        {Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier, 36, 7},
        {Qt::Key_F1, none, 112, 0},
        {Qt::Key_F12, none, 123, 0},
        {Qt::Key_Equal, none, 187, 0},
        {Qt::Key_Down, Qt::KeypadModifier, 40, 0},  // the keypad without NumLock
        {Qt::Key_Backspace, none, 8, 0},
        {Qt::Key_Escape, none, 27, 0},
        {Qt::Key_Space, none, 0, 0},  // no command of its own
    };
    for (const Case& c : cases) {
        const KeyPress k = KeyPressOf(c.key, c.mods);
        EXPECT_EQ(k.code, c.code) << std::hex << c.key;
        EXPECT_EQ(k.shift, c.shift) << std::hex << c.key;
    }
}

TEST(HelpTopics, EachWindowsTopicHasItsPage) {
    EXPECT_EQ(HelpPageFor(""), "index.html");
    EXPECT_EQ(HelpPageFor("customize"), "customize.html");
    EXPECT_EQ(HelpPageFor("rules, changing the rules"), "house_rules.html");
    EXPECT_EQ(HelpPageFor("Connect"), "internet.html");
    EXPECT_EQ(HelpPageFor("no such topic"), "index.html");
}

// The shipped pages, staged beside the tests: every topic opens a page of real text, and every
// link between the pages leads to a page that is there.
TEST(FrmHelpWindow, OpensEachTopicOnAShippedPageAndFollowsLinks) {
    TestApp();
    const std::string staged = QCoreApplication::applicationDirPath().toStdString() + "/program";
    FrmHelp help(HelpFolders(staged, ""));
    QTextBrowser* browser = help.Browser();
    for (const char* topic : {"", "customize", "rules, changing the rules", "Connect"}) {
        help.ShowTopic(topic);
        EXPECT_TRUE(help.isVisible());
        EXPECT_TRUE(browser->source().fileName().toStdString() == HelpPageFor(topic)) << topic;
        EXPECT_GT(browser->toPlainText().size(), 400) << topic;
    }
    help.ShowTopic("");
    const QString contents = browser->toHtml();
    int pages = 0;
    for (const char* page :
         {"playing.html", "controls.html", "keys.html", "menus.html", "house_rules.html",
          "opponents.html", "saving.html", "internet.html", "customize.html"}) {
        EXPECT_TRUE(contents.contains(page)) << page;
        browser->setSource(QUrl(page));
        EXPECT_FALSE(browser->toPlainText().isEmpty()) << page;
        ++pages;
    }
    EXPECT_EQ(pages, 9);
    // Back returns along the way the pages were read.
    auto* back = help.findChild<QPushButton*>("cmdBack");
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(browser->source().fileName(), "internet.html");
}

TEST(FrmHelpWindow, MissingPagesSayWhereTheyWereLookedFor) {
    TestApp();
    FrmHelp help({"/nonexistent/Help"});
    help.ShowTopic("");
    EXPECT_TRUE(help.Browser()->toPlainText().contains("/nonexistent/Help"));
}

// From a modal dialog's Help button the help window must take the input, or it cannot be closed;
// from the table it stays a free window.
TEST(FrmHelpWindow, IsModalOnlyOverAModalDialog) {
    TestApp();
    FrmHelp help({"/nonexistent/Help"});
    help.ShowTopic("");
    EXPECT_EQ(help.windowModality(), Qt::NonModal);
    QDialog rules;
    rules.setModal(true);
    rules.show();
    help.ShowTopic("rules, changing the rules");
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(QApplication::activeModalWidget(), &help);
    help.hide();  // close() would delete it
    rules.hide();
    help.ShowTopic("");
    EXPECT_EQ(help.windowModality(), Qt::NonModal);
}
