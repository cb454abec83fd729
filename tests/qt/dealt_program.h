#pragma once
// The whole program as main() builds it, started for the first time on an empty home, signed
// in, the tutorial left, the fastest play chosen in its Speed window and a game dealt with F2,
// up to the player's first turn: for the tests that use the dealt table as a person does. The
// modal windows that come are answered as they come. Not part of the program.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "board/qt/board_shell.h"
#include "mainwindow/qt/app_root.h"
#include "platform/qt/desktop.h"
#include "tests/qt/qt_test_app.h"

// The window named `name` (object name, else title) that shows now, or null.
inline QWidget* Shown(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && (w->objectName() == name || w->windowTitle() == name)) return w;
    return nullptr;
}

// Answers the modal windows as they come: the one the test waits for as the test asks, any other
// (a box on the way) with its default button; the sign-in names `player`.
class Modals {
  public:
    QString player = "Ada";
    Modals() { Next(); }
    ~Modals() { *alive_ = false; }
    // The next window named `name` (object name, else title) is answered by `answer`.
    void Expect(QString name, std::function<void(QWidget&)> answer) {
        name_ = std::move(name), answer_ = std::move(answer), closed_ = false;
    }
    bool Closed() const { return closed_; }

  private:
    void Next() {
        QTimer::singleShot(5, [this, alive = alive_] {
            if (*alive) Tick();
        });
    }
    void Tick() {
        Next();
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == busy_) return;
        busy_ = modal;
        if (!name_.isEmpty() && (modal->objectName() == name_ || modal->windowTitle() == name_)) {
            name_.clear();
            closed_ = true;
            answer_(*modal);
        } else if (modal->objectName() == "frmWelcome") {
            modal->findChild<QComboBox*>("Combo1")->setEditText(player);
            modal->findChild<QAbstractButton*>("Command1")->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* b = box->defaultButton();
            (b ? b : box->buttons().value(0))->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
        busy_ = nullptr;
    }

    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    QWidget* busy_ = nullptr;
    QString name_;
    std::function<void(QWidget&)> answer_;
    bool closed_ = false;
};

inline bool WaitFor(const std::function<bool()>& done, int ms = 30000) {
    for (int waited = 0; waited < ms && !done(); waited += 10) QTest::qWait(10);
    return done();
}

struct DealtProgram : ::testing::Test {
    QApplication& app = TestApp();
    QTemporaryDir config, home;
    Modals modals;
    std::unique_ptr<AppRoot> root;

    Game& G() { return root->CurrentGame(); }
    QWidget& Main() { return root->Window(); }
    // A key pressed while the main window has the keyboard, as the platform hands it over.
    void Key(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(Main().windowHandle(), key, m);
    }
    // The window manager gives the main window the keyboard, when it shows and whenever a window
    // over it goes.
    void Activate() {
        Main().activateWindow();
        ASSERT_TRUE(WaitFor([&] { return Main().isActiveWindow(); }, 2000));
    }
    int Background() { return root->Board().board->Inputs().looks.BackgroundIndex; }
    int Backgrounds() { return root->Board().board->Inputs().looks.BackgroundCount; }

    // A first start (signed in, the tutorial left), the fastest play chosen in the Speed
    // window, a deal, and the player's first turn.
    void SetUp() override {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
        root = std::make_unique<AppRoot>(home.path().toStdString() + "/Quorvane");
        ASSERT_TRUE(root->Start({}, StagedProgramFolder()));
        if (QWidget* tutorial = Shown("frmTutorial"))
            tutorial->findChild<QAbstractButton*>("cmdOK")->click();
        ASSERT_TRUE(WaitFor([] { return !Shown("frmTutorial"); }));
        Activate();
        modals.Expect("frmSpeed", [](QWidget& speed) {
            auto* bar = speed.findChild<QScrollBar*>("HScroll1");
            bar->setValue(bar->maximum());
            speed.findChild<QScrollBar*>("VScroll1")->setValue(0);
            speed.findChild<QAbstractButton*>("Command1")->click();
        });
        Key(Qt::Key_F5);
        ASSERT_TRUE(modals.Closed());
        Key(Qt::Key_F2);
        ASSERT_TRUE(WaitFor([&] {
            const Game& g = G();
            return g.Pturn == 1 && !g.Dealing && !g.ComputerBusy && !g.PlayRunning;
        }));
    }
    void TearDown() override {
        if (!root) return;
        G().StopFlag = VbTrue;
        root->Window().close();
        root.reset();
        QApplication::processEvents();
    }
};
