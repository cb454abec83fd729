// Every text box whose text goes into a file of one byte a letter refuses a letter that file
// cannot keep, with a message, and nothing is written: the program is started as main() starts
// it and each box is reached through the program's own menu rows.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <filesystem>

#include "board/qt/board_shell.h"
#include "board/table_layout.h"
#include "mainwindow/menu_commands.h"
#include "mainwindow/qt/menu_controller.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "shared/game_state_record.h"
#include "shared/record_io.h"
#include "tests/qt/program_run.h"
#include "tests/qt/qt_test_app.h"

namespace {

const QString kNotKept = QString::fromUtf8("Игр");

void Type(QWidget* w, const char* box, const QString& text) {
    auto* edit = w->findChild<QLineEdit*>(box);
    ASSERT_TRUE(edit) << box;
    edit->setText(text);
}

void Click(QWidget* w, const char* button) {
    auto* b = w->findChild<QAbstractButton*>(button);
    ASSERT_TRUE(b) << button;
    b->click();
}

// The window is still open after its button: it is closed without a change.
void Leave(QWidget* w) {
    if (w->isVisible()) static_cast<QDialog*>(w)->reject();
}

bool SlotHoldsGame(const std::string& folder, int slot) {
    GameStateRecord rec;
    ReadRecord(RecordFile(JoinPath(folder, "Data/backup.sav"), GameStateRecord::kSize), slot, rec);
    return rec.Pturn != 0;
}

// The player's first turn of a new game dealt from the Game menu.
bool Deal(ProgramRun& run) {
    run.root->Menus().Commands().Run(1, 0);
    Game& g = run.root->CurrentGame();
    for (int i = 0; i < 3000 && g.Pturn != 1; ++i) QTest::qWait(5);
    QTest::qWait(300);
    return g.Pturn == 1;
}

}  // namespace

TEST(LettersKept, EveryBoxThatWritesAOneByteFileRefusesALetterItCannotKeep) {
    TestApp();
    QTemporaryDir home, config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    const std::string folder = home.path().toStdString() + "/Quorvane";
    {
        ProgramRun first;
        first.OnWindow("frmWelcome", [](QWidget* w) {
            w->findChild<QComboBox*>("Combo1")->setEditText("Ada");
            Click(w, "Command1");
        });
        ASSERT_TRUE(first.Start(folder));
    }
    ProgramRun run;
    ASSERT_TRUE(run.Start(folder));
    ASSERT_TRUE(Deal(run));
    Game& g = run.root->CurrentGame();

    struct Case {
        const char* box;
        int menu, row;
        QString window;
        ProgramRun::Answer type;
        const char* title;
        std::function<bool()> untouched;
    };
    const Case cases[] = {
        {"saved-game title", 1, 3, "frmSave",
         [](QWidget* w) {
             QTest::mouseClick(w->findChild<QLineEdit*>("Text1_7"), Qt::LeftButton);
             Type(w, "Text1_7", "2P_" + kNotKept);
             Click(w, "cmdSave");
             Leave(w);
         },
         "Saved Games", [&] { return !SlotHoldsGame(folder, 7); }},
        {"sign-in name", 1, 1, "frmWelcome",
         [](QWidget* w) {
             w->findChild<QComboBox*>("Combo1")->setEditText(kNotKept);
             Click(w, "Command1");
             Leave(w);
         },
         "Non-standard name character", [&] { return g.PlayerName == "Ada"; }},
        {"Internet player name", 3, 0, "frmPlayers",
         [](QWidget* w) {
             Type(w, "txtPlayerName", kNotKept);
             Click(w, "cmdConnect");
             Leave(w);
         },
         "Non-standard name character", [&] { return g.NetConnected == 0; }},
    };
    for (const Case& c : cases) {
        run.OnWindow(c.window, c.type);
        const size_t before = run.boxes.size();
        run.root->Menus().Commands().Run(c.menu, c.row);
        QApplication::processEvents();
        EXPECT_TRUE(c.untouched()) << c.box;
        if (run.boxes.size() != before + 1) {
            ADD_FAILURE() << c.box << ": " << run.boxes.size() - before << " messages";
            continue;
        }
        EXPECT_EQ(run.boxes.back().title, c.title) << c.box;
        EXPECT_NE(run.boxes.back().text.find("cannot keep"), std::string::npos) << c.box;
    }

    // The comment editor stays open beside the table: its file's name is refused on Save.
    run.root->Menus().Commands().Run(2, 7);
    QApplication::processEvents();
    QWidget* custom = run.root->Window().findChild<QWidget*>("frmCustom");
    ASSERT_TRUE(custom && custom->isVisible());
    Type(custom, "Text1_1", "Nice move!");
    Type(custom, "FileTxt", kNotKept);
    const size_t before = run.boxes.size();
    Click(custom, "Command3_2");
    QApplication::processEvents();
    ASSERT_EQ(run.boxes.size(), before + 1);
    EXPECT_EQ(run.boxes.back().title, "Custom Comments");
    EXPECT_NE(run.boxes.back().text.find("cannot keep"), std::string::npos);
    EXPECT_EQ(ListFiles(JoinPath(folder, "users"), ".cmt"), std::vector<std::string>{});
    custom->close();
}
