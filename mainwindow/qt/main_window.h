#pragma once
// The main window's own procedures: start-up (Form_Load with OpenDoor, SetUpSounds and
// ChangePerson), the close request and shutdown (Form_QueryUnload, ExitLeft, SaveSettings),
// the resize handler, the avatar import and the system-information box. The composition root
// hands in the parts it owns and the calls into the other subsystems.
#include <QObject>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "board/board_looks.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/settings_records.h"
#include "mainwindow/shutdown.h"
#include "mainwindow/startup_rules.h"
#include "platform/console_reports.h"
#include "platform/hook_check.h"

class BoardShell;
class FrmBrivo;
class FrmCounter;
class FrmSplash;
class EndSignals;
class QTimer;

struct MainWindowParts {
    Game& game;
    MainWindowState& state;
    // Shutdown after a signal points its message boxes at standard error for its own run.
    Services& services;
    FrmBrivo& window;
    BoardShell& board;
    BoardLooks& looks;
};

// What start-up and shutdown ask of the profiles, the dialogs and the network; the composition
// sets each one.
struct MainWindowCalls {
    // The folder lists: comment files, personalities, backgrounds, score files.
    std::function<void()> listFolders;
    // Get_Players: the player list and the last player's profile (or the template) applied.
    std::function<bool()> getPlayers;
    std::function<void()> applyDisplayPrefs;
    // The player whose profile is applied; 1 (the template) while nobody has signed in.
    std::function<int()> playerRecNum;
    std::function<std::string()> lastPlayerName;
    // The profile's "show status bar" choice and its label font size.
    std::function<bool()> statusBarChosen;
    std::function<double()> fontSize;
    // Writes the working values into the player's profile; false with `error` on a failure.
    std::function<bool(std::string*)> savePlayerProfile;
    // The sign-in window at a start with nobody signed in; false when nobody signed in.
    std::function<bool()> signIn;
    std::function<void()> showTutorial;
    std::function<bool()> tutorialOn;
    std::function<void()> showTips;
    // An Internet game's sign-off and the closing of its sockets and chat window.
    std::function<void()> signOffNet;
    // Other windows that close at shutdown and when the window is minimised.
    std::function<void()> closeSmallWindows;
    std::function<void()> closeMenus;
    // The session's choices that live outside the game and the looks (label colours, backdrop),
    // as the profile keeps them.
    std::function<void(SessionSettings&)> fillProfileSettings;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("MainWindowCalls")
            .Need("listFolders", listFolders)
            .Need("getPlayers", getPlayers)
            .Need("applyDisplayPrefs", applyDisplayPrefs)
            .Need("playerRecNum", playerRecNum)
            .Need("lastPlayerName", lastPlayerName)
            .Need("statusBarChosen", statusBarChosen)
            .Need("fontSize", fontSize)
            .Need("savePlayerProfile", savePlayerProfile)
            .Need("signIn", signIn)
            .Need("showTutorial", showTutorial)
            .Need("tutorialOn", tutorialOn)
            .Need("showTips", showTips)
            .Need("signOffNet", signOffNet)
            .Need("closeSmallWindows", closeSmallWindows)
            .Need("closeMenus", closeMenus)
            .Need("fillProfileSettings", fillProfileSettings);
    }
};

class MainWindow : public QObject {
    Q_OBJECT
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { calls_.NeedHooks(check); }
    MainWindow(MainWindowParts parts, MainWindowCalls calls);
    ~MainWindow() override;

    // Start-up from the first look at the program folder to the window shown. False when the
    // program has to end before its window opened: the player has been told why. A close asked
    // for during start-up (and a sign-in left without a player) completes once it returns.
    bool Form_Load(const std::vector<std::string>& args, bool firstStart);

    // The close request: true when the window may close now (shutdown has run).
    bool Form_QueryUnload();
    void ExitLeft();
    // The session's choices as shutdown stores them.
    SessionRecord CollectSession() const;

    // Game > Change/New Player. Another player's table is then the one a start gives that
    // player: no game under way, the Deal button waiting, nothing of the last game in the status
    // bar. True when somebody signed in.
    bool ChangePlayer();

    void Form_Resize();
    // The table takes the window's inside size, as after a change of the window's size; while
    // the program starts, the window's placement does this once the window is shown.
    void TakeWindowSize();
    void Get_Avatars();
    void DisplayStats();

    // The card counter window (F8, the Help menu); null while closed.
    FrmCounter* ShowCounter();
    FrmCounter* Counter() const;

    // What start-up decided, for the tests.
    const StartupPlan& Plan() const { return plan_; }

  private:
    void OpenDoor(bool firstStart);
    void MeasureScreen();
    void SetUpSounds();
    void ChangePerson();
    void ApplySmallScreenRules();
    // The status bar between games, as the window starts with it.
    void ShowRestingStatus();
    void PlaceWindow();
    void Greet();
    // The program folder holds no signed-in player yet: sign-in and the tutorial follow.
    bool NobodySignedIn() const;
    void SignInAndWelcome();
    void ApplyResize();
    void CheckPendingClose();
    WindowPlace CurrentPlace() const;
    i32 MinWindowWidthTw() const;
    i32 MinWindowHeightTw() const;

    MainWindowParts p_;
    MainWindowCalls calls_;
    StartupSettings saved_;
    StartupPlan plan_;
    std::unique_ptr<FrmSplash> splash_;
    std::unique_ptr<EndSignals> endSignals_;
    // A kill or the end of the session asked for the close: nobody may be there to press OK, so
    // shutdown tells what went wrong on standard error instead of in a box.
    bool endingOnSignal_ = false;
    ConsoleReports signalReports_{std::cerr};
    QTimer* closeCheck_ = nullptr;
    QObject* counter_ = nullptr;
};

// Takes the program folder for this run; a second start is told the game is already running.
// Returns false when the program must end.
class InstanceLock;
bool ClaimProgramFolder(InstanceLock& lock, const std::string& appFolder, Dialogs& dialogs);

// The five font files of the program folder, registered for this run (missing ones are
// skipped) and removed at shutdown.
void RegisterGameFonts(const std::string& appFolder);
void RemoveGameFonts();
