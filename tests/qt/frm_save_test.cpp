// The saved-game dialog driven by clicks on its slots and buttons.
#include "records/qt/frm_save.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct SaveWindow {
    Game g;
    HeadlessServices h{g};
    SaveContext ctx;
    std::vector<std::string> calls;

    SaveParts Parts() {
        SaveParts p;
        p.dialogs = &h.dialogs;
        p.sounds = &h.sounds;
        p.readRecord = [](int slot) {
            GameStateRecord r;
            r.Pturn = 1;
            r.Title = slot == 2 ? "^^NET2P_x" : "local";
            return r;
        };
        p.moveHistory = [this](bool on, std::string*) {
            calls.push_back(on ? "history on" : "history off");
            return true;
        };
        p.autoSaveNow = [this] { calls.push_back("autosave"); };
        p.gameOn = true;
        return p;
    }
    static QLineEdit* Slot(FrmSave& f, int k) {
        return f.findChild<QLineEdit*>(QString("Text1_%1").arg(k));
    }
};

}  // namespace

TEST(SaveWindow, ASaveSlotProposesItsTitleAndSavesWhatWasTyped) {
    TestApp();
    SaveWindow w;
    std::array<std::string, 11> titles{};
    titles[1] = "Old game";
    FrmSave form(SaveListFor(false, titles), w.ctx, w.Parts());
    form.show();
    EXPECT_EQ(form.windowTitle(), "Saved Games");
    EXPECT_EQ(form.findChild<QPushButton*>("cmdSave")->text(), "Save");
    EXPECT_FALSE(form.findChild<QCheckBox*>("Check1")->isVisible());
    EXPECT_EQ(SaveWindow::Slot(form, 1)->text(), "Old game");

    form.findChild<QPushButton*>("cmdSave")->click();
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "Select a game slot!");
    EXPECT_TRUE(w.h.log.Contains("Beep"));

    form.SlotPressed(3);
    EXPECT_EQ(SaveWindow::Slot(form, 3)->text(), "2P_");
    SaveWindow::Slot(form, 3)->setText("2P_Sunday");
    form.SlotPressed(3);  // a second click keeps what was typed
    EXPECT_EQ(SaveWindow::Slot(form, 3)->text(), "2P_Sunday");
    SaveRender(form.grab().toImage(), "frm_save");
    form.findChild<QPushButton*>("cmdSave")->click();
    EXPECT_EQ(form.result().choice.slot, 3);
    EXPECT_EQ(form.result().choice.title, "2P_Sunday");
    EXPECT_FALSE(form.result().cancelled);
}

TEST(SaveWindow, CancelAfterChoosingASlotAsksFirst) {
    TestApp();
    SaveWindow w;
    FrmSave form(SaveListFor(false, {}), w.ctx, w.Parts());
    form.show();
    form.SlotPressed(5);
    w.h.dialogs.answers = {mb::Yes, mb::No};
    form.findChild<QPushButton*>("Command2")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(w.h.dialogs.lastTitle, "Save game?");
    form.findChild<QPushButton*>("Command2")->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.result().cancelled);
}

TEST(SaveWindow, RestoreRefusesAnInternetSaveOfflineAndRunsTheAutoSaveSwitch) {
    TestApp();
    SaveWindow w;
    std::array<GameStateRecord, 12> recs{};
    for (int k : {1, 2, 11}) recs[k].Pturn = 1, recs[k].Title = k == 2 ? "^^NET2P_x" : "local";
    FrmSave form(RestoreListFor(recs, 11, false, false), w.ctx, w.Parts());
    form.show();
    EXPECT_EQ(form.findChild<QPushButton*>("cmdSave")->text(), "Restore");
    EXPECT_TRUE(SaveWindow::Slot(form, 1)->isReadOnly());
    EXPECT_FALSE(SaveWindow::Slot(form, 3)->isEnabled());
    form.SlotPressed(2);
    EXPECT_EQ(w.h.dialogs.lastText, kNetRestoreRefusal);
    form.findChild<QPushButton*>("cmdSave")->click();
    EXPECT_TRUE(form.isVisible());  // no slot chosen

    auto* check = form.findChild<QCheckBox*>("Check1");
    EXPECT_TRUE(check->isVisible());
    check->click();
    EXPECT_EQ(w.calls, (std::vector<std::string>{"history on", "autosave"}));
    check->click();
    EXPECT_EQ(w.calls.back(), "history off");
    EXPECT_FALSE(SaveWindow::Slot(form, 11)->isEnabled());
    form.SlotPressed(1);
    SaveRender(form.grab().toImage(), "frm_save_restore");
    form.findChild<QPushButton*>("cmdSave")->click();
    EXPECT_EQ(form.result().choice.slot, 1);
}
