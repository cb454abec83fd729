// The close request and shutdown.
#include <QApplication>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

#include "board/qt/board_shell.h"
#include "mainwindow/close_guard.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_counter.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/shutdown.h"
#include "records/preferences.h"

namespace {
class WindowShutdown : public ShutdownPort {
  public:
    explicit WindowShutdown(const MainWindowCalls& calls) : calls_(calls) {}
    void SignOffNet() override { calls_.signOffNet(); }
    bool SavePlayerProfile(std::string* error) override { return calls_.savePlayerProfile(error); }
    void CleanUpFontsAndForms() override {
        RemoveGameFonts();
        calls_.closeSmallWindows();
    }

  private:
    const MainWindowCalls& calls_;
};

// Any modal window (a message box, a dialog) open inside a handler is closed, so that the
// handler returns and a pending close can complete.
void CloseModalWindows() {
    for (int guard = 0; guard < 20; ++guard) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        modal->close();
    }
}
}  // namespace

bool MainWindow::Form_QueryUnload() {
    switch (QueryUnload(p_.game, p_.state)) {
        case CloseAnswer::Shutdown:
            ExitLeft();
            // Also when the window was never shown (start-up ended before it) or other
            // windows are still open.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return true;
        case CloseAnswer::AlreadyDone:
            return true;
        case CloseAnswer::Deferred:
            break;
    }
    CloseModalWindows();
    closeCheck_->start();
    return false;
}

void MainWindow::CheckPendingClose() {
    if (!CloseDue(p_.game, p_.state)) return;
    closeCheck_->stop();
    p_.window.close();
}

WindowPlace MainWindow::CurrentPlace() const {
    const FrmBrivo& window = p_.window;
    WindowPlace place;
    place.Normal = !(window.isMaximized() || window.isMinimized() || window.isFullScreen());
    place.Width = p_.state.WindowWidth;
    place.Height = p_.state.WindowHeight;
    place.Left = window.pos().x();
    place.Top = window.pos().y();
    return place;
}

SessionRecord MainWindow::CollectSession() const {
    const Game& g = p_.game;
    const BoardLooks& looks = p_.looks;
    const TableLayout& layout = p_.board.layout;
    SessionRecord r;
    SessionSettings& s = r.Settings;
    s.CompLevel = g.CompLevel;
    s.ShownAvatarName = p_.state.ShownAvatarName;
    s.NoLoseAnimation = g.NoLoseAnimation;
    s.FaceDeck = looks.FaceDeck;
    s.PlayerName = g.PlayerName;
    s.BackgroundChoice = looks.BackgroundChoice;
    s.SpeedLevel = g.SpeedLevel;
    s.SoundMode = g.SoundMode;
    s.DeckColor = VbColourOfRgb(looks.DeckColor);
    s.BackStyle = looks.BackStyle;
    s.StatusBarVisible = p_.window.StatusBar1()->isVisible();
    s.AvatarVisible = layout.Ctl("ImgAvatar").Visible;
    s.MoveFileOpen = g.TempMovesOpen != VbFalse;
    s.MatColor = VbColourOfRgb(looks.MatColor);
    s.MessageFontSize = layout.Ctl("Label9", 2).FontSize;
    s.NoWinAnimation = g.NoWinAnimation;
    s.PersonalityIndex = g.PersonalityIndex;
    s.AnimationSpeed = g.AnimationSpeed;
    s.SidePileSize = g.SidePileSize;
    s.ForcedCards = g.ForcedCards;
    s.ShuffleSeparately = g.ShuffleSeparately;
    s.NoWildAce = g.NoWildAce;
    calls_.fillProfileSettings(s);
    r.DisplayMode = layout.DisplayMode;
    r.Window = CurrentPlace();
    return r;
}

void MainWindow::ExitLeft() {
    if (p_.state.ShutDown) return;
    closeCheck_->stop();
    if (counter_) Counter()->close();
    WindowShutdown port(calls_);
    Dialogs* const boxes = p_.services.dialogs;
    if (endingOnSignal_) p_.services.dialogs = &signalReports_;
    ::ExitLeft(p_.game, p_.state, p_.services, port, CollectSession());
    p_.services.dialogs = boxes;
}
