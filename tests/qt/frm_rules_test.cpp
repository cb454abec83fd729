// The rules window driven through its own controls.
#include "records/qt/frm_rules.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {

struct RulesWindow : ::testing::Test {
    QApplication& app = TestApp();
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};

    RulesWindow() {
        g.NumPlayers = 2;
        g.NumCenters = 3;
    }
};

TEST_F(RulesWindow, ShowsTheRulesAndAppliesWhatWasClicked) {
    g.SidePileSize = 14;
    g.ForcedCards = 5;
    FrmRules form(e, nullptr);
    ASSERT_TRUE(form.opened());
    form.show();
    SaveRender(form.grab().toImage(), "frm_rules");
    EXPECT_EQ(form.windowTitle(), "Rules");
    EXPECT_TRUE(Find<QRadioButton>(form, "optSide_2")->isChecked());
    EXPECT_FALSE(Find<QRadioButton>(form, "optSide_0")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(form, "chkForced_4")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(form, "chkForced_4")->isEnabled());

    Find<QCheckBox>(form, "chkForced_1")->click();  // Ace off: visible-only stops counting
    EXPECT_FALSE(Find<QCheckBox>(form, "chkForced_4")->isEnabled());
    Find<QCheckBox>(form, "chkForced_2")->click();
    Find<QRadioButton>(form, "optCenter_1")->click();
    h.dialogs.answers = {mb::Ok};
    Find<QPushButton>(form, "cmdSave")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(form.rulesChanged());
    EXPECT_EQ(g.ForcedCards, 6);
    EXPECT_EQ(g.NumCenters, 4);
    EXPECT_EQ(g.SidePileSize, 14);
}

TEST_F(RulesWindow, RestoreDefaultsThenEscapeLeavesTheRulesAlone) {
    g.SidePileSize = 25;
    g.ShuffleSeparately = VbTrue;
    g.NoWildAce = VbTrue;
    FrmRules form(e, nullptr);
    form.show();
    Find<QPushButton>(form, "cmdDefault")->click();
    EXPECT_TRUE(Find<QRadioButton>(form, "optSide_0")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(form, "optShuffle_0")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(form, "chkWild")->isChecked());
    EXPECT_TRUE(Find<QCheckBox>(form, "chkNoForced")->isChecked());
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &esc);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(form.rulesChanged());
    EXPECT_EQ(g.SidePileSize, 25);
    EXPECT_EQ(g.ShuffleSeparately, VbTrue);
    EXPECT_EQ(g.NoWildAce, VbTrue);
}

TEST_F(RulesWindow, ACancelledNewGameQuestionKeepsTheWindowOpen) {
    FrmRules form(e, nullptr);
    form.show();
    Find<QRadioButton>(form, "optSide_3")->click();
    h.dialogs.answers = {mb::Cancel};
    Find<QPushButton>(form, "cmdSave")->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(g.SidePileSize, 19);
    EXPECT_TRUE(Find<QRadioButton>(form, "optSide_3")->isChecked());
}

TEST_F(RulesWindow, HelpGoesToTheHelpViewerWithTheRulesKeyword) {
    std::string asked;
    FrmRules form(e, [&](const std::string& keyword) { asked = keyword; });
    Find<QPushButton>(form, "cmdHelp")->click();
    EXPECT_EQ(asked, "rules, changing the rules");
}

}  // namespace
