// The Internet score window driven through its own controls over scratch score files.
#include "net/qt/frm_scores_net.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "platform/file_util.h"
#include "records/record_list.h"
#include "records/score_record.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

ScoreRecord Row(const std::string& name, i16 played, i16 won, i16 margin, i16 marker) {
    ScoreRecord r;
    r.Name = name;
    r.Numbers = {played, won, margin, marker};
    return r;
}

struct NetScoresWindow : ::testing::Test {
    QApplication& app = TestApp();
    TempProgramFolder dir;
    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};

    NetScoresWindow() {
        WriteAllRecords(
            dir.File("users/Ann_2.ran"),
            std::vector<ScoreRecord>{Row("Ann", 9, 5, 12, 4), Row("zed", 4, 1, -30, 2),
                                     Row("<b>Bob</b>", 2, 2, 25, 3), Row("cy", 3, 2, 17, 4)});
        WriteAllRecords(dir.File("users/Ann_3.ran"),
                        std::vector<ScoreRecord>{Row("Ann", 5, 2, 10, 5), Row("Ann", 3, 1, 4, 2),
                                                 Row("bob", 3, 1, 0, 2), Row("cy", 3, 1, -4, 2),
                                                 Row("Ann", 2, 1, 6, 5), Row("dee", 2, 1, 1, 5),
                                                 Row("cy", 2, 0, -7, 5)});
        WriteAllRecords(dir.File("users/Bob_2.ran"),
                        std::vector<ScoreRecord>{Row("Bob", 1, 0, -3, 2), Row("Ann", 1, 1, 3, 2)});
    }
    static QString Cell(QWidget& form, int row, int column) {
        auto* item = Find<QTableWidget>(form, "GridNET")->item(row, column);
        return item ? item->text() : QString();
    }
};

}  // namespace

TEST_F(NetScoresWindow, ShowsTheSignedInPlayersOpponentsSortedAsPlainText) {
    FrmScoresNet form(dir.path(), "Ann", dialogs, &sounds);
    ASSERT_TRUE(form.opened());
    form.show();
    SaveRender(form.grab().toImage(), "frm_scores_net");
    EXPECT_EQ(form.windowTitle(), "Quorvane Internet Game Scores");
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), "Quorvane Player: Ann");
    EXPECT_EQ(Cell(form, 0, 0), "<b>Bob</b>");
    EXPECT_EQ(Cell(form, 1, 0), "cy");
    EXPECT_EQ(Cell(form, 2, 0), "zed");
    EXPECT_EQ(Cell(form, 2, 3), "3");
    EXPECT_EQ(Cell(form, 2, 4), "-30");
    EXPECT_EQ(Find<QTableWidget>(form, "GridNET")->rowCount(), 11);
    EXPECT_TRUE(Find<QPushButton>(form, "CmdNext")->isEnabled());
}

TEST_F(NetScoresWindow, ThreePlayerGroupsAreDeletedWhole) {
    FrmScoresNet form(dir.path(), "Ann", dialogs, &sounds);
    auto* multi = Find<QComboBox>(form, "cboMulti");
    multi->setCurrentIndex(1);
    emit multi->activated(1);
    EXPECT_EQ(Cell(form, 3, 0), " ");
    EXPECT_EQ(Find<QTableWidget>(form, "GridNET")->item(3, 0)->background().color(),
              QColor(0xC0, 0xFF, 0xFF));
    auto* grid = Find<QTableWidget>(form, "GridNET");
    emit grid->cellClicked(3, 0);  // the separator: nothing selected
    dialogs.answers = {mb::Yes};
    Find<QPushButton>(form, "Command4")->click();
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), "Select a player");
    EXPECT_EQ(dialogs.asked, 0);

    emit grid->cellClicked(5, 0);
    SaveRender(form.grab().toImage(), "frm_scores_net_group");
    Find<QPushButton>(form, "Command4")->click();
    EXPECT_EQ(dialogs.lastTitle, "DELETE OPPONENT");
    EXPECT_EQ(Cell(form, 1, 0), "bob");
    EXPECT_EQ(Cell(form, 4, 0), "");
    EXPECT_EQ(ReadAllRecords<ScoreRecord>(dir.File("users/Ann_3.ran"))->size(), 4u);
}

TEST_F(NetScoresWindow, NextShowsTheOtherPlayerAndDeletingEveryFileCloses) {
    FrmScoresNet form(dir.path(), "Ann", dialogs, &sounds);
    form.show();
    Find<QPushButton>(form, "CmdNext")->click();
    EXPECT_EQ(Find<QLabel>(form, "Label1")->text(), "Quorvane Player: Bob");
    EXPECT_EQ(Cell(form, 0, 0), "Ann");
    dialogs.fallback = mb::Yes;
    for (int i = 0; i < 3; ++i) Find<QPushButton>(form, "Command2")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(ListFiles(dir.File("users"), ".ran").empty());
}
