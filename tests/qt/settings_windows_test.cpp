// The settings windows opened by name through the dialog host, as the menus and keys open them,
// with what the player decided coming back in the host's answer.
#include "records/qt/settings_windows.h"

#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>

#include "mainwindow/dialog_table.h"
#include "mainwindow/qt/dialog_openers.h"
#include "tests/core/temp_folder.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct SettingsHost : ::testing::Test {
    QApplication& app = TestApp();
    TempProgramFolder folder;
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    ProfileState profile;
    DialogTable host{h.dialogs};
    SettingsWindows windows{Parts()};
    int saves = 0;

    // The main window's side, which these tests do not watch.
    SettingsWindowsParts Parts() {
        SettingsWindowsParts p{e, profile};
        p.currentPrefs = [] { return PreferenceValues{}; };
        p.applyPrefs = [](const PreferenceValues&, const PreferenceEffects&) {};
        p.background = [] { return QImage(); };
        p.cycleBackground = [](int) {};
        p.saveProfile = [] { return true; };
        p.changePerson = [] {};
        p.showAvatar = [](bool) {};
        p.avatarShown = [] { return true; };
        p.importAvatar = [] { return std::optional<std::vector<std::string>>{}; };
        return p;
    }
    SettingsHost() {
        g.AppFolder = folder.path();
        g.NumPlayers = 2;
        g.NumCenters = 3;
        g.SidePileSize = 19;
        RegisterSettingsWindows(host, windows);
    }
    // Opens `form`; once it shows, `act` works its controls.
    DialogResult Open(DialogForm form, const std::function<void(QDialog&)>& act) {
        QTimer::singleShot(0, [&act] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            act(*dialog);
        });
        return host.Show(form);
    }
};

void Click(QDialog& d, const char* name) {
    auto* b = d.findChild<QAbstractButton*>(name);
    ASSERT_TRUE(b) << name;
    b->click();
}

TEST_F(SettingsHost, TheRulesAppliedComeBackAsANewGameToDeal) {
    const DialogResult applied = Open(DialogForm::Rules, [](QDialog& d) {
        Click(d, "optSide_1");  // 26 cards
        Click(d, "cmdSave");    // the new-game question is answered OK
    });
    EXPECT_TRUE(applied.Available);
    EXPECT_TRUE(applied.RulesChanged);
    EXPECT_EQ(g.SidePileSize, 25);

    const DialogResult cancelled = Open(DialogForm::Rules, [](QDialog& d) {
        Click(d, "optSide_3");
        Click(d, "cmdReturn");
    });
    EXPECT_FALSE(cancelled.RulesChanged);
    EXPECT_EQ(g.SidePileSize, 25);
}

TEST_F(SettingsHost, CancellingThePreferencesAndTheOpponentsSetupIsReported) {
    const DialogResult prefs = Open(DialogForm::Options, [](QDialog& d) { d.reject(); });
    EXPECT_TRUE(prefs.Available);
    EXPECT_TRUE(prefs.CancelFlag);
    const DialogResult ok = Open(DialogForm::Options, [](QDialog& d) { Click(d, "cmdOK"); });
    EXPECT_FALSE(ok.CancelFlag);

    const DialogResult setup = Open(DialogForm::Multi, [](QDialog& d) { Click(d, "CmdCancel"); });
    EXPECT_TRUE(setup.Available);
    EXPECT_TRUE(setup.CancelFlag);
    // Done with a third player chosen changes the count.
    const DialogResult done = Open(DialogForm::Multi, [](QDialog& d) {
        Click(d, "Option1_1");
        Click(d, "cmdDone");
    });
    EXPECT_FALSE(done.CancelFlag);
    EXPECT_EQ(g.NumPlayers, 3);
    EXPECT_EQ(g.NumCenters, 4);
}

TEST_F(SettingsHost, TheSpeedBarsChangeTheGameAtOnce) {
    const DialogResult r = Open(DialogForm::Speed, [](QDialog& d) {
        auto* bar = d.findChild<QAbstractSlider*>("HScroll1");
        ASSERT_TRUE(bar);
        bar->setValue(0);
        d.accept();
    });
    EXPECT_TRUE(r.Available);
    EXPECT_EQ(g.SpeedLevel, 0);
    EXPECT_FLOAT_EQ(g.MovePause, 0.7f);
}

}  // namespace
