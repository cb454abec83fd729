// The sign-in window driven through its name field and button.
#include "records/qt/frm_welcome.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "tests/qt/qt_test_app.h"
#include "tests/support/call_log.h"
#include "tests/support/headless_services.h"

namespace {

struct WelcomeWindow : ::testing::Test {
    QApplication& app = TestApp();
    CallLog log;
    ScriptedDialogs dialogs{log};
    std::vector<std::string> asked;
    SignInResult answer = SignInResult::Loaded;

    WelcomeParts Parts(bool someoneSignedIn = true) {
        WelcomeParts p;
        p.playerName = "Ann";
        p.lastPlayerName = "Ann";
        p.knownPlayers = {"Bob", "Ann", "Cy"};
        p.someoneSignedIn = someoneSignedIn;
        p.dialogs = &dialogs;
        p.signIn = [this](const std::string& name) {
            asked.push_back(name);
            return answer;
        };
        return p;
    }
    static void Type(FrmWelcome& form, const QString& text) {
        form.findChild<QComboBox*>("Combo1")->setEditText(text);
    }
    static void Press(FrmWelcome& form) { form.findChild<QPushButton*>("Command1")->click(); }
};

TEST_F(WelcomeWindow, AKnownPlayerChosenFromTheListSignsIn) {
    FrmWelcome form(Parts());
    form.show();
    SaveRender(form.grab().toImage(), "frm_welcome");
    auto* combo = form.findChild<QComboBox*>("Combo1");
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->currentText(), "Ann");
    EXPECT_EQ(combo->itemText(1), "Bob");
    EXPECT_EQ(combo->itemText(3), "");
    combo->setCurrentIndex(2);
    Press(form);
    EXPECT_EQ(asked, (std::vector<std::string>{"Cy"}));
    EXPECT_TRUE(form.signedIn());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(WelcomeWindow, ANewPlayerIsCreatedAndTheNameFieldHoldsTwentyCharacters) {
    answer = SignInResult::Created;
    FrmWelcome form(Parts());
    form.show();
    auto* edit = form.findChild<QComboBox*>("Combo1")->lineEdit();
    edit->selectAll();
    edit->insert("  Zoe Quartermain-Bellweather  ");
    EXPECT_LE(edit->text().size(), 20);
    Press(form);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Zoe Quartermain-Be");  // the field cut it at 20, then trimmed
    EXPECT_EQ(form.outcome(), SignInResult::Created);
}

TEST_F(WelcomeWindow, RefusedNamesKeepTheWindowOpen) {
    FrmWelcome form(Parts());
    form.show();
    Type(form, "brivo");
    Press(form);
    EXPECT_EQ(dialogs.lastTitle, "Impersonator Alert");
    EXPECT_EQ(form.findChild<QComboBox*>("Combo1")->currentText(), "");
    EXPECT_TRUE(form.findChild<QPushButton*>("Command1")->isEnabled());
    Press(form);
    EXPECT_EQ(dialogs.lastTitle, "Unknown Player");
    Type(form, "a?b");
    Press(form);
    EXPECT_EQ(dialogs.lastTitle, "Non-standard filename character");
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.signedIn());
}

TEST_F(WelcomeWindow, AFailedSignInStaysOpen) {
    answer = SignInResult::Failed;
    FrmWelcome form(Parts());
    form.show();
    Press(form);
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.signedIn());
}

TEST_F(WelcomeWindow, EscapeLeavesOnlyWhileSomebodyIsSignedIn) {
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    FrmWelcome first(Parts(false));
    first.show();
    QApplication::sendEvent(&first, &esc);
    EXPECT_TRUE(first.isVisible());

    FrmWelcome later(Parts(true));
    later.show();
    QApplication::sendEvent(&later, &esc);
    EXPECT_FALSE(later.isVisible());
    EXPECT_FALSE(later.signedIn());
}

}  // namespace
