// Start-up: from the first look at the program folder to the window shown with a player signed
// in and the Deal button waiting.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <cmath>
#include <stdexcept>

#include "board/layout_twips.h"
#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "engine/shared_helpers.h"
#include "engine/sound_files.h"
#include "mainwindow/change_person.h"
#include "mainwindow/close_guard.h"
#include "mainwindow/program_version.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_splash.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/startup_texts.h"
#include "platform/cpu_speed.h"
#include "platform/file_util.h"
#include "platform/qt/desktop.h"
#include "platform/vb_strings.h"
#include "records/tutorial_table.h"

namespace {
int Px(i32 twips) {
    return static_cast<int>(TwipsToPixels(twips));
}
}  // namespace

bool MainWindow::Form_Load(const std::vector<std::string>& args, bool firstStart) {
    Game& g = p_.game;
    // Start-up waits in message boxes and the sign-in window: a close asked for meanwhile
    // completes once it has returned.
    HandlerScope running(p_.state);
    try {
        g.DevMode = VbBool(IsDevModeSwitch(args));
        splash_ = std::make_unique<FrmSplash>(
            QString::fromStdString(JoinPath(g.AppFolder, start_files::kSplashPicture)),
            QString::fromStdString(
                SplashVersionText(kVersionMajor, kVersionMinor, kVersionRevision)));
        splash_->show();
        QApplication::processEvents();

        g.StartingUp = VbTrue;
        if (!StartFilesPresent(g.AppFolder)) {
            splash_.reset();
            if (p_.services.dialogs)
                p_.services.dialogs->MsgBox(startup_text::kFilesMissing, mb::Critical,
                                            startup_text::kTitle);
            g.StartingUp = VbFalse;
            return false;
        }
        OpenDoor(firstStart);
        // Nobody has signed in: the tutorial follows the sign-in, so the table is the
        // tutorial's from the first look, not laid out anew under the player's eyes.
        if (NobodySignedIn()) SetTutorialTable(g);
        ApplySmallScreenRules();
        g.CurSideShape = 99;
        p_.board.StartUp(plan_.DisplayMode);
        // Every center pile of the table shows its empty place before the first deal.
        p_.board.layout.Show_CenterPiles();
        g.StartingUp = VbFalse;
        // The player's font size for the remark line and the wild-card labels.
        TableLayout& layout = p_.board.layout;
        const double fontSize = calls_.fontSize();
        layout.FontSize = fontSize;
        layout.Ctl("Label9", 2).FontSize = fontSize;
        for (int k = 1; k <= g.NumCenters; ++k)
            if (layout.Form().IsLoaded("LblWild", k)) layout.Ctl("LblWild", k).FontSize = fontSize;
        p_.board.board->LoadAvatar(g.Opp[1].Avatar);
        const int level = std::clamp<int>(g.Opp[1].Level, 0, 2);
        layout.Ctl("lblLevel").Caption = p_.state.LevelNames[level];
        p_.window.SetTable(p_.board.view);
        p_.board.ApplyWidgets();

        PlaceWindow();
        Greet();
        splash_.reset();
        if (calls_.statusBarChosen()) p_.window.StatusBar1()->show();
        if (!p_.state.ClosePending) SignInAndWelcome();
        // A close asked for during start-up (or nobody signing in) ends the program the
        // ordinary way as soon as start-up has returned.
        if (p_.state.ClosePending) closeCheck_->start();
        return true;
    } catch (const std::exception& e) {
        splash_.reset();
        if (!g.StopFlag && p_.services.dialogs)
            p_.services.dialogs->MsgBox(UnexpectedStartupError(e.what()), mb::Critical,
                                        startup_text::kTitle);
        ::CleanUpSounds(g.AppFolder);
        RemoveGameFonts();
        calls_.closeSmallWindows();
        g.ComputerBusy = VbFalse;
        g.StartingUp = VbFalse;
        return false;
    }
}

void MainWindow::MeasureScreen() {
    MainWindowState& w = p_.state;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        w.ScreenWidth = PixelsToTwips(screen->geometry().width());
        w.ScreenHeight = PixelsToTwips(screen->geometry().height());
        w.ColorDepth = screen->depth();
    }
    w.TitleBarHeight = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    w.CpuMHz = ReadCpuMhz();
    if (!IsSmallFonts()) w.LargeFonts = true;
}

void MainWindow::OpenDoor(bool firstStart) {
    Game& g = p_.game;
    MainWindowState& w = p_.state;
    w.FirstStart = firstStart;
    RegisterGameFonts(g.AppFolder);
    MeasureScreen();
    // The table is laid out for this screen and its font size.
    p_.board.layout = TableLayout(w.ScreenWidth, w.LargeFonts);
    g.Rng.Randomize(QTime::currentTime().msecsSinceStartOfDay() / 1000.0);
    g.NetConnected = 0;
    calls_.listFolders();

    ScoresFile scores(JoinPath(g.AppFolder, start_files::kScores));
    std::string error;
    if (!scores.Load(&error)) throw std::runtime_error(error);
    saved_ = ReadStartupSettings(scores);
    w.SavedWindowFlag = saved_.SavedWindowFlag;

    p_.services.Pause(0.01);
    calls_.getPlayers();
    SetUpSounds();

    StartupFacts facts;
    facts.Saved = saved_;
    facts.Screen = {w.ScreenWidth, w.ScreenHeight};
    facts.ColorDepth = w.ColorDepth;
    facts.FirstStart = firstStart;
    plan_ = PlanStartup(facts);
    w.StartWindowState = plan_.Window.Maximised ? 2 : 0;
    if (plan_.Window.NumberCards) p_.looks.FaceDeck = 1;

    ChangePerson();
    calls_.applyDisplayPrefs();
}

void MainWindow::SetUpSounds() {
    ::SetUpSounds(p_.game.AppFolder);
}

void MainWindow::ChangePerson() {
    ::ChangePerson(p_.game, p_.board.layout);
    // The flash pictures are read afresh for each show, so a change of personality needs no
    // reload here.
    p_.state.FlashPicturesChanged = false;
}

void MainWindow::ApplySmallScreenRules() {
    if (!plan_.SmallCardsForced) return;
    TableLayout& layout = p_.board.layout;
    layout.Display[0].Enabled = false;
    layout.Display[1].Enabled = false;
    const int minWidth = Px(kSmallScreenPanelMinTwips);
    for (int panel : kSmallScreenPanels) p_.window.Panel(panel)->setMinimumWidth(minWidth);
    ShowRestingStatus();
}

void MainWindow::ShowRestingStatus() {
    for (int panel = 1; panel <= FrmBrivo::kPanels; ++panel) {
        p_.window.Panel(panel)->clear();
        p_.window.Panel(panel)->setToolTip({});
    }
    if (plan_.SmallCardsForced) p_.window.Panel(5)->setText(kSmallScreenOpponentPanel);
}

i32 MainWindow::MinWindowHeightTw() const {
    const ControlGeom& hand = p_.board.layout.Ctl("Picture7", 2);
    // The player's hand, then room for the status bar and the window's edge.
    return PixelsToTwips(static_cast<i32>(std::lround(hand.Top + hand.Height))) + 768 + 300;
}

i32 MainWindow::MinWindowWidthTw() const {
    const i32 table = PixelsToTwips(static_cast<i32>(std::lround(p_.board.layout.MinTableWidth())));
    return std::min(table, p_.state.ScreenWidth);
}

void MainWindow::PlaceWindow() {
    MainWindowState& w = p_.state;
    // The saved window's smallest size depends on the table as just laid out.
    plan_.Window = PlanWindow(saved_, {w.ScreenWidth, w.ScreenHeight}, MinWindowWidthTw(),
                              MinWindowHeightTw());
    KeepOnScreen(plan_.Window, {w.ScreenWidth, w.ScreenHeight});

    FrmBrivo& window = p_.window;
    const FormModel& form = p_.board.layout.Form();
    if (plan_.Window.Maximised) {
        // The normal size the window returns to when it is restored.
        window.resize(static_cast<int>(form.Width), static_cast<int>(form.Height));
        window.move(0, 0);
        window.showMaximized();
    } else {
        window.resize(Px(plan_.Window.Width), Px(plan_.Window.Height));
        window.move(Px(plan_.Window.Left), Px(plan_.Window.Top));
        window.showNormal();
    }
    const QSize size = window.size();
    w.WindowWidth = size.width();
    w.WindowHeight = size.height();
    ApplyResize();
}

void MainWindow::Greet() {
    if (!plan_.GreetFirstStart || !p_.services.dialogs) return;
    Dialogs& d = *p_.services.dialogs;
    const std::string& folder = p_.game.AppFolder;
    using namespace startup_text;
    if (plan_.GreetLowColour) {
        d.MsgBox(ColorsGreeting(ReadTextBlock(folder, kColorsFirst, kColorsLast)),
                 mb::OkOnly | mb::Information, kColorsTitle);
        // There is no one display-settings tool on every desktop: the player is only asked,
        // and the table drops its picture for the plain mat, which looks right in few colours.
        if (d.MsgBox(kAdjustQuestion, mb::YesNo | mb::Question, kAdjustTitle) == mb::Yes)
            p_.looks.BackgroundChoice = 0;
    }
    d.MsgBox(ReadTextBlock(folder, kEnjoyFirst, kEnjoyLast), mb::OkOnly | mb::Information,
             kEnjoyTitle);
}

bool MainWindow::NobodySignedIn() const {
    return calls_.playerRecNum() == 1;
}

void MainWindow::SignInAndWelcome() {
    Game& g = p_.game;
    TableLayout& layout = p_.board.layout;
    if (NobodySignedIn()) {
        // Nobody has signed in on this machine: nobody plays until somebody does.
        if (!calls_.signIn()) {
            p_.state.ClosePending = true;
            return;
        }
        calls_.showTutorial();
    } else {
        g.PlayerName = calls_.lastPlayerName();
        layout.Ctl("Label9", 3).Caption = g.PlayerName;
    }
    p_.board.board->SetMessage(2, WelcomeLine(g.PlayerName));
    const bool tutorial = calls_.tutorialOn();
    if (!tutorial) {
        layout.Ctl("cmdDeal").Visible = true;
        const std::string tips = p_.services.settings ? p_.services.settings->GetSetting(
                                                            "Options9", "Show Tips at Startup", "1")
                                                      : "1";
        p_.state.ShowTipsAtStartup = static_cast<long>(Val(tips));
    }
    p_.board.ApplyWidgets();
    if (!tutorial && p_.state.ShowTipsAtStartup == 1) calls_.showTips();
}

bool MainWindow::ChangePlayer() {
    const int before = calls_.playerRecNum();
    if (!calls_.signIn()) return false;
    // The same player keeps the table as it is, a game under way too.
    if (calls_.playerRecNum() == before) return true;
    // The new profile has laid the table out afresh, with no game on it.
    ShowRestingStatus();
    p_.board.layout.Ctl("cmdDeal").Visible = true;
    p_.board.ApplyWidgets();
    return true;
}
