// The chat sound sets window driven through its own list and buttons.
#include "net/qt/frm_sounds.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/file_util.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

TEST(SoundSetsWindow, TicksTheChoiceDescribesTheClickedOneAndUpdates) {
    QApplication& app = TestApp();
    (void)app;
    TempProgramFolder dir;
    std::filesystem::create_directories(dir.File("Data/PMS/Ruun"));
    WriteFileAtomically(dir.File("Data/PMS/Ruun/Hi_Ruun.pmw"), "RIFF", nullptr);
    CallLog log;
    ScriptedDialogs dialogs{log};
    ChatSoundSet chosen{"", "Tessik", "", ""};
    FrmSounds form(dir.path(),
                   {{"Brivo", "The one and only."},
                    {"Tessik", "The card counter."},
                    {"Ruun", "Slow as a river."},
                    {"Pellor", "The teacher."}},
                   chosen, dialogs);
    form.show();
    auto* list = form.findChild<QListWidget*>("lstSounds");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(1)->checkState(), Qt::Checked);
    list->setCurrentRow(2);
    EXPECT_EQ(form.findChild<QLabel*>("lblDescription")->text(), "Slow as a river.");
    SaveRender(form.grab().toImage(), "frm_sounds");

    list->item(1)->setCheckState(Qt::Unchecked);
    list->item(2)->setCheckState(Qt::Checked);
    form.findChild<QPushButton*>("cmdDone")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_EQ(chosen, (ChatSoundSet{"", "Ruun", "", ""}));
    EXPECT_TRUE(FileExists(dir.File("Sounds/Hi_Ruun.pmw")));
}
