// The comment-file editor: new, open and save through scripted file choosers.
#include "records/qt/frm_custom.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/file_util.h"
#include "records/record_list.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct CustomWindow {
    TempProgramFolder folder;
    Game g;
    ProfileState profile;
    HeadlessServices h{g};
    std::string openAnswer, saveAnswer, offeredName;

    CustomWindow() {
        g.AppFolder = folder.path();
        g.Opp[1].CommentFile = "Default Personality";
        g.CompSounds[12] = folder.File("Sounds/saved.wav");
    }
    CustomParts Parts() {
        CustomParts p{g, profile, &h.dialogs, &h.sounds};
        p.chooseOpen = [this](const std::string&) { return openAnswer; };
        p.chooseSave = [this](const std::string&, const std::string& name) {
            offeredName = name;
            return saveAnswer;
        };
        return p;
    }
    static QLineEdit* Line(FrmCustom& f, int i) {
        return f.findChild<QLineEdit*>(QString("Text1_%1").arg(i));
    }
    static QString Hint(FrmCustom& f) { return f.findChild<QLabel*>("Label4")->text(); }
    // A comment file of the new file's lines with line `i` changed.
    void WriteFile(const std::string& rel, int i, const std::string& text) {
        CommentLines lines = NewCommentLines();
        lines[i] = text;
        ASSERT_TRUE(WriteCommentFile(folder.File(rel), lines, nullptr));
    }
};

}  // namespace

TEST(CustomWindow, NewFileThenSaveIntoTheUsersFolder) {
    TestApp();
    CustomWindow w;
    FrmCustom form(w.Parts());
    form.show();
    EXPECT_EQ(form.windowTitle(), "Custom Comments");
    form.GetGoing_Click(0);
    EXPECT_EQ(CustomWindow::Line(form, 20)->text(), "custom 20");
    EXPECT_EQ(form.findChild<QLineEdit*>("FileTxt")->selectedText(), "filename");
    EXPECT_FALSE(form.changed());

    CustomWindow::Line(form, 3)->setText(QString(101, 'x'));
    form.findChild<QLineEdit*>("FileTxt")->setText("Taunts.CMT");
    w.saveAnswer = w.folder.File("users/Taunts.cmt");
    form.GetGoing_Click(2);
    EXPECT_EQ(CustomWindow::Hint(form), "Exceeds 100 characters. Edit and Save again.");
    EXPECT_EQ(CustomWindow::Line(form, 3)->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_FALSE(FileExists(w.saveAnswer));

    // A letter the file would keep as "?" is refused the same way, before anything is written.
    CustomWindow::Line(form, 3)->setText(QString::fromUtf8("Smile \xE2\x98\xBA"));
    form.GetGoing_Click(2);
    EXPECT_EQ(CustomWindow::Hint(form),
              "A letter here cannot be kept in a comment file. Edit and Save again.");
    EXPECT_EQ(CustomWindow::Line(form, 3)->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_FALSE(FileExists(w.saveAnswer));

    CustomWindow::Line(form, 3)->setText(QString(100, 'x'));
    form.GetGoing_Click(2);
    EXPECT_EQ(w.offeredName, "Taunts.cmt");
    EXPECT_EQ(CustomWindow::Hint(form), "\nCustom Comments Saved!");
    EXPECT_EQ(form.findChild<QLineEdit*>("FileTxt")->text(), "Taunts");
    EXPECT_TRUE(form.findChild<QCheckBox*>("Check1")->isEnabled());
    EXPECT_EQ((*ReadCommentFile(w.saveAnswer))[3], std::string(100, 'x'));
    EXPECT_TRUE(w.h.log.Contains("PlaySound " + w.g.CompSounds[12]));
    SaveRender(form.grab().toImage(), "frm_custom");

    // Saved: Return closes without a question.
    form.findChild<QPushButton*>("Command1")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(w.h.dialogs.asked, 0);
}

TEST(CustomWindow, OpenAndSaveStayInTheUsersFolderAndCancelChangesNothing) {
    TestApp();
    CustomWindow w;
    w.WriteFile("users/Mine.CMT", 1, "Gotcha!");
    w.WriteFile("Data/Elsewhere.cmt", 1, "Gotcha!");
    FrmCustom form(w.Parts());
    form.show();
    CustomWindow::Line(form, 1)->setText("typed");
    form.GetGoing_Click(1);  // the chooser was cancelled
    EXPECT_EQ(CustomWindow::Line(form, 1)->text(), "typed");
    w.openAnswer = w.folder.File("Data/Elsewhere.cmt");
    form.GetGoing_Click(1);
    EXPECT_EQ(w.h.dialogs.lastText, kOutsideUsersText);
    EXPECT_EQ(CustomWindow::Line(form, 1)->text(), "typed");
    w.openAnswer = w.folder.File("users/Mine.CMT");
    form.GetGoing_Click(1);
    EXPECT_EQ(CustomWindow::Line(form, 1)->text(), "Gotcha!");
    EXPECT_EQ(form.findChild<QLineEdit*>("FileTxt")->text(), "Mine");
    EXPECT_FALSE(form.changed());
    w.saveAnswer = w.folder.File("Data/Mine.cmt");
    CustomWindow::Line(form, 2)->setText("edited");
    form.GetGoing_Click(2);
    EXPECT_FALSE(FileExists(w.folder.File("Data/Mine.cmt")));
    EXPECT_TRUE(form.changed());
}

TEST(CustomWindow, TheBoxPutsTheFileIntoUseForTheFirstOpponent) {
    TestApp();
    CustomWindow w;
    w.WriteFile("users/Mine.cmt", 7, "Nice try.");
    FrmCustom form(w.Parts());
    w.openAnswer = w.folder.File("users/Mine.cmt");
    form.GetGoing_Click(1);
    form.findChild<QCheckBox*>("Check1")->click();
    EXPECT_EQ(w.g.Opp[1].CommentFile, "Mine");
    EXPECT_EQ(w.g.Opp[1].Comments[7], "Nice try.");
    EXPECT_EQ(w.profile.PlayerPrefs.Seats[1].Comments, "Mine");
}

TEST(CustomWindow, TheOnlyCustomFileOpensAtOnceAndUnsavedLinesAreAskedFor) {
    TestApp();
    CustomWindow w;
    w.WriteFile("users/Custom.cmt", 1, "Hello");
    FrmCustom form(w.Parts());
    form.show();
    EXPECT_EQ(CustomWindow::Line(form, 1)->text(), "Hello");
    EXPECT_EQ(form.findChild<QLineEdit*>("FileTxt")->text(), "Custom.cmt");
    CustomWindow::Line(form, 2)->setText("changed");
    w.h.dialogs.answers = {mb::No};
    form.close();
    EXPECT_EQ(w.h.dialogs.lastText, "Do you want to save your changes?");
    EXPECT_FALSE(form.isVisible());

    // With two comment files the window starts empty.
    w.WriteFile("users/Other.cmt", 1, "Hello");
    FrmCustom second(w.Parts());
    EXPECT_EQ(CustomWindow::Line(second, 1)->text(), "");
}
