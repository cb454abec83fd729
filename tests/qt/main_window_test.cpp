#include "mainwindow/qt/main_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <filesystem>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "engine/engine.h"
#include "mainwindow/instance_lock.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_counter.h"
#include "mainwindow/qt/main_window_calls.h"
#include "mainwindow/qt/main_window_port.h"
#include "mainwindow/qt/preferences_apply.h"
#include "mainwindow/qt/window_profile_target.h"
#include "mainwindow/settings_records.h"
#include "platform/file_util.h"
#include "platform/program_folder.h"
#include "platform/qt/desktop.h"
#include "platform/record_file.h"
#include "records/qt/records_windows.h"
#include "shared/record_io.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {
// A whole main window on a program folder of its own, with the calls into the profiles and
// dialogs answered by small stand-ins.
struct MainWindowFixture : ::testing::Test {
    QApplication& app = TestApp();
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString() + "/Quorvane";
    Game g;
    MainWindowState w;
    BoardLooks looks;
    CallLog log;
    ScriptedDialogs dialogs{log};
    RecordingSounds sounds{log};
    MemorySettings settings;
    ManualClock clock;
    InstantPump pump{clock};
    Services sv;
    FrmBrivo window;
    std::unique_ptr<BoardShell> shell;
    std::unique_ptr<MainWindow> main;
    int recNum = 2;
    bool profileSaved = false;
    std::string saveError;  // the profile cannot be written, for this reason
    int smallWindowsClosed = 0;
    std::vector<std::string> titles;

    bool firstStart = false;

    void SetUp() override {
        firstStart = SyncProgramFolder(StagedProgramFolder(), folder).firstStart;
        g.AppFolder = folder;
        g.Opp[1].Name = "Brivo";
        g.Opp[1].Avatar = "Brivo.jpg";
        sv.dialogs = &dialogs;
        sv.sounds = &sounds;
        sv.settings = &settings;
        settings.SaveSetting("Options9", "Show Tips at Startup", "0");
    }
    void Compose() {
        shell = std::make_unique<BoardShell>(
            BoardShellParts{g, looks, 15360, false, clock, pump, &sounds, &dialogs, folder},
            &window);
        // The layout's requests of the window (rules, wild panel, timer, counter) go unwatched.
        shell->board->SetLayoutFollowers({[] {}, [] {}, [] {}, [] {}, [] {}});
        MainWindowCalls calls;
        calls.playerRecNum = [this] { return recNum; };
        calls.lastPlayerName = [] { return std::string("Ada"); };
        calls.statusBarChosen = [] { return true; };
        calls.fontSize = [] { return 10.0; };
        calls.signIn = [this] {
            g.PlayerName = "Newcomer";
            return true;
        };
        calls.savePlayerProfile = [this](std::string* error) {
            if (!saveError.empty()) *error = saveError;
            return profileSaved = saveError.empty();
        };
        // No folder lists, profiles, tutorial, tips or network in this window.
        calls.listFolders = calls.applyDisplayPrefs = calls.showTutorial = calls.showTips =
            calls.signOffNet = calls.closeMenus = [] {};
        calls.closeSmallWindows = [this] { ++smallWindowsClosed; };
        calls.getPlayers = [] { return true; };
        calls.tutorialOn = [] { return false; };
        calls.fillProfileSettings = [](SessionSettings&) {};
        main =
            std::make_unique<MainWindow>(MainWindowParts{g, w, sv, window, *shell, looks}, calls);
    }
    bool Load() {
        Compose();
        return main->Form_Load({}, firstStart);
    }
    ScoreRecord Record(long n) {
        ScoresFile f(JoinPath(folder, "Data/scores.ran"));
        EXPECT_TRUE(f.Load(nullptr));
        return f.Get(n);
    }
    void PutRecord(long n, std::array<i16, 4> numbers) {
        ScoresFile f(JoinPath(folder, "Data/scores.ran"));
        ASSERT_TRUE(f.Load(nullptr));
        ScoreRecord r = f.Get(n);
        r.Numbers = numbers;
        f.Set(n, r);
        ASSERT_TRUE(f.Save(nullptr));
    }
    int TmpFiles() { return static_cast<int>(ListFiles(JoinPath(folder, "Data"), ".tmp").size()); }
    void Spin(int ms) {
        QTimer done;
        done.setSingleShot(true);
        done.start(ms);
        while (done.isActive()) QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
};
}  // namespace

TEST_F(MainWindowFixture, AFirstStartShowsTheTableGreetsAndSignsIn) {
    ASSERT_TRUE(firstStart);
    recNum = 1;
    ASSERT_TRUE(Load());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(dialogs.lastTitle, "Enjoy playing!");
    EXPECT_NE(dialogs.lastText.find("Deal"), std::string::npos);
    EXPECT_TRUE(shell->layout.Ctl("cmdDeal").Visible);
    EXPECT_EQ(shell->layout.Ctl("Label9", 2).Caption, "\nWelcome Newcomer to Brivo's World");
    EXPECT_TRUE(window.StatusBar1()->isVisible());
    // The built-in sounds are written for the run; the board is up, under its controls' names.
    EXPECT_EQ(TmpFiles(), 18);
    EXPECT_NE(shell->view->findChild<QWidget*>("Picture7_10"), nullptr);
    EXPECT_EQ(g.StartingUp, VbFalse);
    // No saved window yet: maximised.
    EXPECT_TRUE(main->Plan().Window.Maximised);
    // The tutorial follows the sign-in: its table of two players and three centers in a row
    // is the one laid out from the start.
    EXPECT_EQ(g.NumCenters, 3);
    EXPECT_EQ(shell->layout.NumCenters, 3);
    EXPECT_FALSE(shell->layout.Form().IsLoaded("PicCenter", 4));
    EXPECT_EQ(shell->layout.Ctl("PicCenter", 3).Top, shell->layout.Ctl("PicCenter", 1).Top);
}

TEST_F(MainWindowFixture, APlayerSignedInBeforeKeepsTheirTable) {
    ASSERT_TRUE(Load());
    EXPECT_EQ(g.NumCenters, 4);
    EXPECT_TRUE(shell->layout.Ctl("PicCenter", 4).Visible);
}

TEST_F(MainWindowFixture, MissingProfileFileEndsStartUpBeforeAnythingIsWritten) {
    std::filesystem::remove(JoinPath(folder, "Data/Prefs.sav"));
    EXPECT_FALSE(Load());
    EXPECT_EQ(dialogs.lastText, "Unable to start Quorvane!\n\nFiles are missing.");
    EXPECT_EQ(TmpFiles(), 0);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowFixture, ASecondInstanceIsRefusedAndTouchesNothing) {
    InstanceLock first, second;
    ASSERT_TRUE(ClaimProgramFolder(first, folder, dialogs));
    const auto before = *ReadWholeFile(JoinPath(folder, "Data/scores.ran"));
    EXPECT_FALSE(ClaimProgramFolder(second, folder, dialogs));
    EXPECT_EQ(dialogs.lastText,
              "The game is already running. Check your Windows task bar to bring it up or use the "
              "Task Manager to end the game.");
    EXPECT_EQ(*ReadWholeFile(JoinPath(folder, "Data/scores.ran")), before);
}

TEST_F(MainWindowFixture, ASavedNormalWindowComesBackWhereItWas) {
    PutRecord(14, {0, 0, 22, 20});
    PutRecord(15, {9000, 12000, 150, 300});
    ASSERT_TRUE(Load());
    EXPECT_FALSE(window.isMaximized());
    EXPECT_EQ(window.size(), QSize(800, 600));
    EXPECT_EQ(window.pos(), QPoint(10, 20));
    EXPECT_EQ(shell->layout.DisplayMode, 2);
}

TEST_F(MainWindowFixture, ClosingKeepsTheSettingsAndLeavesNoTemporaryFile) {
    PutRecord(14, {0, 0, 21, 20});
    PutRecord(15, {9000, 12000, 150, 300});
    ASSERT_TRUE(Load());
    WriteFileAtomically(JoinPath(folder, "~tempmoves.sav"), "x", nullptr);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(w.ShutDown);
    EXPECT_TRUE(profileSaved);
    EXPECT_EQ(TmpFiles(), 0);
    EXPECT_FALSE(FileExists(JoinPath(folder, "~tempmoves.sav")));
    EXPECT_EQ(Record(14).Numbers[2], 21);
    EXPECT_EQ(Record(14).Numbers[3], 20);
    EXPECT_EQ(Record(15).Numbers, (std::array<i16, 4>{9000, 12000, 150, 300}));
    EXPECT_EQ(Record(13).Name, "Ada");
}

TEST_F(MainWindowFixture, ACloseDuringTheComputersTurnCompletesWhenTheTurnUnwinds) {
    ASSERT_TRUE(Load());
    g.ComputerBusy = VbTrue;
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(g.StopFlag, VbTrue);
    EXPECT_EQ(g.CancelFlag, VbTrue);
    EXPECT_FALSE(w.ShutDown);
    Spin(120);
    EXPECT_TRUE(window.isVisible());  // still busy
    g.ComputerBusy = VbFalse;
    Spin(200);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(w.ShutDown);
    EXPECT_EQ(Record(14).Numbers[3], 20);
}

TEST_F(MainWindowFixture, SigtermClosesTheWindowTheOrdinaryWay) {
    ASSERT_TRUE(Load());
    std::raise(SIGTERM);
    Spin(200);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(w.ShutDown);
    EXPECT_TRUE(profileSaved);
    EXPECT_EQ(TmpFiles(), 0);
}

// Tessik is third in the shipped personality list (Brivo, Ruun, Tessik, Pellor): the scoreboard
// then names the computer's row for Brivo and friends, and the settings keep the place.
TEST_F(MainWindowFixture, StartUpFindsTheFirstOpponentsPersonalityAndShutdownKeepsIt) {
    g.Opp[1].Name = "Tessik";
    ASSERT_TRUE(Load());
    EXPECT_EQ(g.PersonalityIndex, 2);
    EXPECT_EQ(shell->layout.Ctl("Label9", 4).Caption, "Tessik");
    EXPECT_TRUE(window.close());
    EXPECT_EQ(Record(17).Numbers[3], 2);
}

// After a kill nobody may be there to press OK: the failure goes to standard error and the
// program ends.
TEST_F(MainWindowFixture, SigtermReportsAProfileThatCannotBeSavedOnStandardError) {
    saveError = "Disk full";
    ASSERT_TRUE(Load());
    const int boxesBefore = dialogs.asked;
    testing::internal::CaptureStderr();
    std::raise(SIGTERM);
    Spin(200);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(w.ShutDown);
    EXPECT_EQ(dialogs.asked, boxesBefore);
    EXPECT_NE(err.find("quorvane: Quorvane: Your profile could not be saved, so this session's "
                       "choices are lost.\n\nDisk full\n"),
              std::string::npos)
        << err;
    // The window's own boxes are back for anything after the shutdown.
    EXPECT_EQ(sv.dialogs, &dialogs);
}

// Minimising the window closes the hold-cards window and the card counter with it; restoring
// it opens nothing again.
TEST_F(MainWindowFixture, MinimisingTheWindowClosesTheSmallWindows) {
    ASSERT_TRUE(Load());
    main->ShowCounter();
    const int before = smallWindowsClosed;
    window.showMinimized();
    Spin(50);
    // The state change and the resize that comes with it each close them.
    const int closed = smallWindowsClosed;
    EXPECT_GT(closed, before);
    EXPECT_EQ(main->Counter(), nullptr);
    window.showNormal();
    Spin(50);
    EXPECT_EQ(smallWindowsClosed, closed);
}

TEST_F(MainWindowFixture, TheCardCounterClosesOnF8OrEnterAndGrowsWithPlayers) {
    ASSERT_TRUE(Load());
    FrmCounter* two = main->ShowCounter();
    const int twoHeight = two->height();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(two, &esc);
    EXPECT_TRUE(two->isVisible());
    QKeyEvent f8(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier);
    QApplication::sendEvent(two, &f8);
    Spin(20);
    EXPECT_EQ(main->Counter(), nullptr);
    g.NumPlayers = 4;
    FrmCounter* four = main->ShowCounter();
    EXPECT_GT(four->height(), twoHeight);
    EXPECT_NE(four->Image1(1), nullptr);
    EXPECT_TRUE(four->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(four->parentWidget(), &window);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(four, &enter);
    Spin(20);
    EXPECT_EQ(main->Counter(), nullptr);
}

namespace {
// The program's calls of the profiles and records, in a window without a network or menus.
MainWindowCalls WithoutNetOrMenus(MainWindowCalls calls) {
    calls.signOffNet = calls.closeSmallWindows = calls.closeMenus = [] {};
    return calls;
}

// The same window with the real profiles behind it.
struct ProfiledWindow : MainWindowFixture {
    std::unique_ptr<Engine> engine;
    std::unique_ptr<GameRecords> records;
    ProfileState ps;
    std::unique_ptr<WindowProfileTarget> target;
    std::unique_ptr<Profiles> profiles;
    std::unique_ptr<RecordsWindows> recordsWindows;

    void ComposeWithProfiles() {
        shell = std::make_unique<BoardShell>(
            BoardShellParts{g, looks, 15360, false, clock, pump, &sounds, &dialogs, folder},
            &window);
        shell->board->SetLayoutFollowers({[] {}, [] {}, [] {}, [] {}, [] {}});
        sv.board = shell->board.get();
        engine = std::make_unique<Engine>(g, sv);
        records = std::make_unique<GameRecords>(g, sv);
        sv.records = records.get();
        target = std::make_unique<WindowProfileTarget>(
            ProfileTargetParts{g, *engine, *records, w, window, *shell, looks, sv});
        profiles = std::make_unique<Profiles>(ps, *target, folder);
        recordsWindows = std::make_unique<RecordsWindows>(
            RecordsWindowsParts{g, *records, ps, sv, &window, &shell->layout, &looks});
        main = std::make_unique<MainWindow>(
            MainWindowParts{g, w, sv, window, *shell, looks},
            WithoutNetOrMenus(ConnectMainWindowCalls(
                {g, w, sv, window, *shell, looks, *profiles, ps, *target, *recordsWindows})));
    }
    // Prefs.sav with the shipped template and one player, "Ada", signed in last.
    void AddPlayerAda(i16 speed) {
        RecordFile prefs(JoinPath(folder, "Data/Prefs.sav"), PrefsRecord::kSize);
        PrefsRecord header;
        ASSERT_TRUE(ReadRecord(prefs, 1, header));
        PrefsRecord ada = header;
        ada.Seats[0].Name = "Ada";
        ada.SpeedLevel = speed;
        ada.GamesPlayed[0] = 7;
        header.Seats[0].Name = "Ada";
        ASSERT_TRUE(WriteRecord(prefs, 1, header));
        ASSERT_TRUE(WriteRecord(prefs, 2, ada));
    }
};
}  // namespace

TEST_F(ProfiledWindow, TheLastPlayerIsSignedInAndTheirProfileIsKeptAtTheEnd) {
    AddPlayerAda(5);
    ComposeWithProfiles();
    ASSERT_TRUE(main->Form_Load({}, false));
    EXPECT_EQ(ps.PlayerRecNum, 2);
    EXPECT_EQ(g.PlayerName, "Ada");
    EXPECT_EQ(g.SpeedLevel, 5);
    EXPECT_EQ(shell->layout.Ctl("Label9", 3).Caption, "Ada");
    EXPECT_EQ(shell->layout.Ctl("Label9", 2).Caption, "\nWelcome Ada to Brivo's World");
    // The player changes the speed during the session; closing keeps it and the statistics.
    g.SpeedLevel = 1;
    EXPECT_TRUE(window.close());
    PrefsRecord ada;
    ASSERT_TRUE(
        ReadRecord(RecordFile(JoinPath(folder, "Data/Prefs.sav"), PrefsRecord::kSize), 2, ada));
    EXPECT_EQ(ada.SpeedLevel, 1);
    EXPECT_EQ(ada.GamesPlayed[0], 7);
    EXPECT_EQ(Record(13).Name, "Ada");
    EXPECT_EQ(Record(13).Numbers[1], 1);
}

TEST_F(ProfiledWindow, WorkingValuesGoBackAsTheyCame) {
    ComposeWithProfiles();
    WorkingPrefs in;
    in.PlayerName = "Bo";
    in.FontColor = 0x0000FF;  // red, as the profile keeps colours
    in.MatColor = 0x204060;
    in.DeckColor = 0xC0E0FF;
    in.NumPlayers = 3;
    in.NumCenters = 4;
    in.SpeedLevel = 4;
    in.MenuStyle = 1;
    in.PlaceholderStyle = false;
    in.NoWildAce = true;
    in.ForcedCards = 3;
    in.SidePileSize = 14;
    in.FaceDeck = 2;
    in.FontSize = 14;
    in.HoldLeft = 900;
    target->TakeWorkingPrefs(in);
    EXPECT_EQ(looks.MatColor, 0x604020u);  // the table draws 0xRRGGBB
    EXPECT_EQ(looks.MenuStyle, VbFalse);   // metallic
    const WorkingPrefs out = target->CurrentWorkingPrefs();
    EXPECT_EQ(out.PlayerName, "Bo");
    EXPECT_EQ(out.FontColor, in.FontColor);
    EXPECT_EQ(out.MatColor, in.MatColor);
    EXPECT_EQ(out.DeckColor, in.DeckColor);
    EXPECT_EQ(out.NumPlayers, 3);
    EXPECT_EQ(out.SpeedLevel, 4);
    EXPECT_EQ(out.MenuStyle, 1);
    EXPECT_FALSE(out.PlaceholderStyle);
    EXPECT_TRUE(out.NoWildAce);
    EXPECT_EQ(out.ForcedCards, 3);
    EXPECT_EQ(out.SidePileSize, 14);
    EXPECT_EQ(out.FaceDeck, 2);
    EXPECT_EQ(out.FontSize, 14);
    EXPECT_EQ(out.HoldLeft, 900);
}

TEST_F(ProfiledWindow, AnAppliedPreferencesPageReachesTheTable) {
    AddPlayerAda(2);
    ComposeWithProfiles();
    ASSERT_TRUE(main->Form_Load({}, false));
    const PreferencesApplyParts parts{g, *shell, looks, *target};
    const CardLook numberAce{CardPicture::NumberFace, 1};
    const QImage before = shell->pictures.PictureFor(numberAce);

    // "Pick a Card": a number design before the first deal.
    PreferenceValues v = target->CurrentWorkingPrefs();
    v.FaceDeck = 2;
    PreferenceEffects cards;
    cards.cardFaces = cards.hideSidePiles = cards.redraw = true;
    cards.message = "To change backgrounds, use the Up/Down Arrow keys.";
    ApplyPreferences(parts, v, cards);
    EXPECT_EQ(looks.FaceDeck, 2);
    EXPECT_NE(shell->pictures.PictureFor(numberAce), before);
    EXPECT_FALSE(shell->layout.Ctl("Picture7", 1).Visible);
    EXPECT_EQ(shell->layout.Ctl("Label9", 2).Caption, cards.message);

    // "Font and Background": colour, size and backdrop of the remarks.
    v.FontColor = 0x0000FF;
    v.FontSize = 16;
    v.FontBackdrop = true;
    PreferenceEffects font;
    font.labels = font.redraw = true;
    ApplyPreferences(parts, v, font);
    EXPECT_EQ(shell->layout.Ctl("Label9", 2).FontSize, 16);
    EXPECT_EQ(target->CurrentWorkingPrefs().FontColor, 0x0000FF);
    auto* remarks = shell->view->findChild<QLabel*>("Label9_2");
    ASSERT_TRUE(remarks);
    EXPECT_TRUE(remarks->styleSheet().contains("color: #ff0000"))
        << remarks->styleSheet().toStdString();
    EXPECT_TRUE(remarks->styleSheet().contains("background: #"))
        << remarks->styleSheet().toStdString();
    // Saving keeps what was applied.
    ASSERT_TRUE(profiles->OpenPlayerPrefs(false));
    PrefsRecord ada;
    ASSERT_TRUE(
        ReadRecord(RecordFile(JoinPath(folder, "Data/Prefs.sav"), PrefsRecord::kSize), 2, ada));
    EXPECT_EQ(ada.FaceDeck, 2);
    EXPECT_EQ(ada.FontSize, 16);
    EXPECT_EQ(ada.FontColor, 0x0000FF);
}

TEST_F(ProfiledWindow, ANewPlayerSignedInFromTheMenuIsNamedAndToldHowToStart) {
    AddPlayerAda(2);
    ComposeWithProfiles();
    ASSERT_TRUE(main->Form_Load({}, false));
    w.CpuMHz = 2000;
    const MainWindowCalls calls = WithoutNetOrMenus(ConnectMainWindowCalls(
        {g, w, sv, window, *shell, looks, *profiles, ps, *target, *recordsWindows}));
    QTimer::singleShot(0, [] {
        QWidget* welcome = QApplication::activeModalWidget();
        ASSERT_TRUE(welcome);
        welcome->findChild<QComboBox*>("Combo1")->setEditText("Zed");
        welcome->findChild<QPushButton*>("Command1")->click();
    });
    ASSERT_TRUE(calls.signIn());
    EXPECT_EQ(ps.PlayerRecNum, 3);
    EXPECT_EQ(shell->layout.Ctl("Label9", 3).Caption, "Zed");
    EXPECT_EQ(shell->layout.Ctl("Label9", 2).Caption,
              "Select NEW from the Game Menu to start a new game.");
    EXPECT_EQ(g.AnimationSpeed, 70);

    // Esc leaves it while somebody is signed in, and nothing changes.
    QTimer::singleShot(0, [] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(QApplication::activeModalWidget(), &esc);
    });
    EXPECT_FALSE(calls.signIn());
    EXPECT_EQ(ps.PlayerRecNum, 3);
}

TEST_F(MainWindowFixture, TheDealButtonTheGameShowsSurvivesLayingTheWidgetsOutAgain) {
    ASSERT_TRUE(Load());
    MainWindowPort port(window);
    port.ConnectLayout(&shell->layout);
    auto* deal = window.findChild<QPushButton*>("cmdDeal");
    ASSERT_TRUE(deal);
    port.ShowDealButton(false);
    shell->ApplyWidgets();
    EXPECT_TRUE(deal->isHidden());
    port.ShowDealButton(true);
    shell->ApplyWidgets();
    EXPECT_FALSE(deal->isHidden());
    EXPECT_TRUE(shell->layout.Ctl("cmdDeal").Visible);
}
