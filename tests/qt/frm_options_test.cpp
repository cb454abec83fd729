// The preferences window driven through its pages, with a small installed deck.
#include "records/qt/frm_options.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "board/qt/cls_dll.h"
#include "tests/qt/qt_test_app.h"
#include "tests/qt/test_deck.h"

namespace {

struct OptionsWindow : ::testing::Test {
    QApplication& app = TestApp();
    QTemporaryDir dir;
    std::unique_ptr<ClsDll> dll;
    std::vector<std::pair<PreferenceValues, PreferenceEffects>> applied;
    std::vector<std::optional<i32>> colourAnswers;

    OptionsWindow() {
        WriteTestDeck(dir.path() + "/decks");
        dll = std::make_unique<ClsDll>(
            FindInstalledDecks({(dir.path() + "/decks").toStdString()}, {}), dir.path() + "/cache");
    }
    OptionsParts Parts(PreferenceValues v = {}) {
        OptionsParts p;
        p.applied = v;
        p.decks = dll.get();
        p.background = [] { return QImage(); };
        p.apply = [this](const PreferenceValues& a, const PreferenceEffects& fx) {
            applied.emplace_back(a, fx);
        };
        p.chooseColour = [this](std::optional<i32>) {
            std::optional<i32> answer = colourAnswers.empty() ? std::nullopt : colourAnswers[0];
            if (!colourAnswers.empty()) colourAnswers.erase(colourAnswers.begin());
            return answer;
        };
        return p;
    }
    static QColor CentreOf(QWidget& form, const QString& box) {
        return Find<QLabel>(form, box)->pixmap().toImage().pixelColor(35, 48);
    }
    static void ShowPage(FrmOptions& form, int page) {
        Find<QTabWidget>(form, "tbsOptions")->setCurrentIndex(page);
    }
};

TEST_F(OptionsWindow, AnInstalledDeckIsPreviewedAndApplied) {
    FrmOptions form(Parts());
    form.show();
    SaveRender(form.grab().toImage(), "frm_options_1");
    auto* deck = Find<QComboBox>(form, "cboDeck");
    ASSERT_EQ(deck->count(), 3);
    EXPECT_EQ(deck->itemText(1), "Deck  2");
    EXPECT_EQ(deck->itemText(2), "Select Deck");
    EXPECT_FALSE(Find<QPushButton>(form, "CmdApply")->isEnabled());

    deck->setCurrentIndex(1);
    emit deck->activated(1);
    EXPECT_EQ(CentreOf(form, "FilePic_1"), QColor(0, 255, 0));  // the test deck's club
    EXPECT_TRUE(Find<QPushButton>(form, "CmdApply")->isEnabled());
    Find<QPushButton>(form, "cmdOK")->click();
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].first.FaceDeck, 7);
    EXPECT_TRUE(applied[0].second.cardFaces);
    EXPECT_FALSE(form.cancelled());
}

TEST_F(OptionsWindow, ANumberDesignShowsInTheSamplesAndCancelKeepsTheDeck) {
    FrmOptions form(Parts());
    form.show();
    Find<QRadioButton>(form, "OptCard_2")->click();
    EXPECT_EQ(Find<QComboBox>(form, "cboDeck")->currentText(), "Select Deck");
    EXPECT_TRUE(Find<QRadioButton>(form, "OptCard_2")->isChecked());
    Find<QPushButton>(form, "CmdCancel")->click();
    EXPECT_TRUE(applied.empty());
    EXPECT_TRUE(form.cancelled());
}

TEST_F(OptionsWindow, EachPageAppliesItselfAndStartsAgainWhenShown) {
    FrmOptions form(Parts());
    form.show();
    ShowPage(form, 1);
    SaveRender(form.grab().toImage(), "frm_options_2");
    auto* backs = Find<QScrollBar>(form, "HScrollBacks");
    EXPECT_EQ(backs->maximum(), 1);
    backs->setValue(1);
    EXPECT_EQ(CentreOf(form, "picCardBack_0"), QColor(255, 255, 0));
    EXPECT_FALSE(Find<QPushButton>(form, "Command2_0")->isVisible());
    ShowPage(form, 2);
    ShowPage(form, 1);
    EXPECT_EQ(backs->value(), 0);  // not applied: dropped
    EXPECT_TRUE(Find<QPushButton>(form, "Command2_0")->isVisible());

    backs->setValue(1);
    Find<QPushButton>(form, "CmdApply")->click();
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].first.BackStyle, 1);
    EXPECT_TRUE(applied[0].second.cardBacks);
    EXPECT_TRUE(applied[0].second.redraw);
    EXPECT_EQ(CentreOf(form, "FilePic_15"), QColor(255, 255, 0));  // the current selection

    ShowPage(form, 2);
    SaveRender(form.grab().toImage(), "frm_options_3");
    Find<QPushButton>(form, "CmdSz_0")->click();
    Find<QCheckBox>(form, "CKFnt")->click();
    Find<QPushButton>(form, "cmdOK")->click();
    ASSERT_EQ(applied.size(), 2u);
    EXPECT_EQ(applied[1].first.FontSize, 13);
    EXPECT_TRUE(applied[1].first.FontBackdrop);
    EXPECT_EQ(applied[1].first.BackStyle, 1);
}

TEST_F(OptionsWindow, AColourChosenGoesToItsSampleAndACancelledChooserChangesNothing) {
    FrmOptions form(Parts());
    form.show();
    ShowPage(form, 1);
    auto* mat = Find<QPushButton>(form, "Command2_1");
    mat->click();  // the chooser is cancelled
    EXPECT_FALSE(Find<QPushButton>(form, "CmdApply")->isEnabled());
    colourAnswers = {0x00FF00};  // pure green as the profile keeps it
    mat->click();
    EXPECT_EQ(Find<QFrame>(form, "Frame1")->palette().color(QPalette::Window), QColor(0, 255, 0));
    Find<QPushButton>(form, "CmdApply")->click();
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_EQ(applied[0].first.MatColor, 0x00FF00);
}

TEST_F(OptionsWindow, TheSoundsPageShowsSilenceAndTheStyles) {
    PreferenceValues v;
    v.SoundMode = 2;
    v.MenuStyle = 1;
    v.PlaceholderStyle = false;
    FrmOptions form(Parts(v));
    form.show();
    ShowPage(form, 3);
    SaveRender(form.grab().toImage(), "frm_options_4");
    EXPECT_TRUE(Find<QRadioButton>(form, "OptSound_2")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(form, "OptMenu_1")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>(form, "optPlaceHolder_1")->isChecked());
    Find<QCheckBox>(form, "ckIntro")->click();
    Find<QRadioButton>(form, "OptMenu_0")->click();
    Find<QPushButton>(form, "CmdApply")->click();
    ASSERT_EQ(applied.size(), 1u);
    EXPECT_TRUE(applied[0].first.NoIntro);
    EXPECT_EQ(applied[0].first.MenuStyle, 0);
    EXPECT_TRUE(applied[0].second.skins);
}

}  // namespace
