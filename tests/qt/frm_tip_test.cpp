// The tips window driven through its buttons and its start-up box.
#include "records/qt/frm_tip.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <fstream>

#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"

namespace {

struct TipWindow {
    TempProgramFolder folder;
    MemorySettings settings;

    TipWindow() {
        std::ofstream(folder.File("TIPOFDAY.TXT"), std::ios::binary)
            << "Play your side card first.\r\nKings are wild.~Use them well.\r\nHold piles hold "
               "30 cards.\r\n";
    }
    TipParts Parts(bool showAtStartup = true) {
        return {folder.path(), &settings, showAtStartup, nullptr};
    }
    static QString Text(FrmTip& f) { return f.findChild<QLabel*>("lblTipText")->text(); }
    static void Click(FrmTip& f, const char* name) { f.findChild<QPushButton*>(name)->click(); }
};

}  // namespace

TEST(TipWindow, OpensOnTheTipAfterTheLastOneShownAndWrapsBothWays) {
    TestApp();
    TipWindow t;
    t.settings.SaveSetting("Options9", "Tip Number", "2");
    FrmTip form(t.Parts());
    form.show();
    SaveRender(form.grab().toImage(), "frm_tip");
    EXPECT_EQ(form.windowTitle(), "Quorvane Tip of the Day");
    EXPECT_EQ(TipWindow::Text(form), "Hold piles hold 30 cards.");
    TipWindow::Click(form, "cmdNextTip_0");
    EXPECT_EQ(TipWindow::Text(form), "Play your side card first.");
    TipWindow::Click(form, "cmdNextTip_1");
    TipWindow::Click(form, "cmdNextTip_1");
    EXPECT_EQ(TipWindow::Text(form), "Kings are wild.\n\nUse them well.");
    EXPECT_FALSE(form.findChild<QPushButton*>("cmdHelp")->isVisible());
    TipWindow::Click(form, "cmdOK");
    EXPECT_EQ(t.settings.GetSetting("Options9", "Tip Number", ""), "2");
}

TEST(TipWindow, TheStartUpBoxIsWrittenAtOnce) {
    TestApp();
    TipWindow t;
    FrmTip form(t.Parts(true));
    auto* box = form.findChild<QCheckBox*>("chkLoadTipsAtStartup");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(t.settings.GetSetting("Options9", "Show Tips at Startup", "unset"), "unset");
    box->click();
    EXPECT_EQ(t.settings.GetSetting("Options9", "Show Tips at Startup", ""), "0");
    // A first opening shows tip 1, and Esc keeps it as the one shown.
    form.reject();
    EXPECT_EQ(t.settings.GetSetting("Options9", "Tip Number", ""), "1");
}

TEST(TipWindow, AMissingTipsFileIsExplained) {
    TestApp();
    TempProgramFolder empty;
    MemorySettings settings;
    settings.SaveSetting("Options9", "Tip Number", "5");
    FrmTip form({empty.path(), &settings, false, nullptr});
    EXPECT_TRUE(TipWindow::Text(form).startsWith("That the TIPOFDAY.TXT file was not found?"));
    EXPECT_FALSE(form.findChild<QCheckBox*>("chkLoadTipsAtStartup")->isChecked());
    TipWindow::Click(form, "cmdNextTip_0");
    EXPECT_TRUE(TipWindow::Text(form).startsWith("That the"));
    form.close();
    EXPECT_EQ(settings.GetSetting("Options9", "Tip Number", ""), "5");
}
