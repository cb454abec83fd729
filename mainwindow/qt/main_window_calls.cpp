#include "mainwindow/qt/main_window_calls.h"

#include "board/qt/board_shell.h"
#include "engine/engine.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/window_profile_target.h"
#include "mainwindow/startup_texts.h"
#include "platform/cpu_speed.h"
#include "platform/file_util.h"
#include "records/folder_lists.h"
#include "records/preferences.h"
#include "records/qt/frm_welcome.h"
#include "records/qt/records_windows.h"

namespace {
// The picture the table shows, for the sign-in window's own background.
std::string BackgroundPicture(const MainWindowCallParts& p) {
    const BoardLooks& looks = p.looks;
    const bool picture =
        looks.BackgroundIndex >= 1 && looks.BackgroundIndex <= looks.BackgroundCount;
    return JoinPath(p.game.AppFolder,
                    "backgrounds/" + (picture ? looks.BackgroundFiles[looks.BackgroundIndex]
                                              : std::string("GameBoard.gif")));
}

// The sign-in window, modal; true when somebody signed in.
bool SignIn(const MainWindowCallParts& p) {
    WelcomeParts w;
    w.playerName = p.game.PlayerName;
    w.lastPlayerName = p.profileState.LastPlayerName;
    w.knownPlayers = p.profileState.KnownPlayers;
    // From the Game menu a player is already signed in and may keep playing as before.
    w.someoneSignedIn = p.profileState.PlayerRecNum >= 2 && p.profileState.ProfileLoaded;
    w.background = QImage(QString::fromStdString(BackgroundPicture(p)));
    w.matColor = p.looks.MatColor;
    w.fontColor = RgbOfVbColour(p.profileTarget.Kept().FontColor);
    w.dialogs = p.services.dialogs;
    Profiles& profiles = p.profiles;
    w.signIn = [&profiles](const std::string& name) { return profiles.SignIn(name); };
    FrmWelcome welcome(std::move(w), &p.window);
    welcome.exec();
    if (!welcome.signedIn()) return false;
    // The table names the player; a new player is told how to start.
    p.board.layout.Ctl("Label9", 3).Caption = p.game.PlayerName;
    if (welcome.outcome() == SignInResult::Created) {
        // A new player's cards move at the pace this machine's processor suggests.
        if (p.state.CpuMHz > 0)
            p.game.AnimationSpeed = static_cast<i16>(AnimationSpeedForMhz(p.state.CpuMHz));
        Engine(p.game, p.services).MenuNotNowMsg(2);
    } else if (welcome.outcome() == SignInResult::Loaded) {
        // A known player is welcomed back as a start welcomes them.
        p.board.board->SetMessage(2, WelcomeLine(p.game.PlayerName));
    }
    p.board.ApplyWidgets();
    return true;
}
}  // namespace

MainWindowCalls ConnectMainWindowCalls(MainWindowCallParts p) {
    MainWindowCalls c;
    c.listFolders = [p] {
        p.looks.BackgroundFiles = ListBackgrounds(p.game.AppFolder);
        p.looks.BackgroundCount = static_cast<i16>(ListCount(p.looks.BackgroundFiles));
    };
    c.getPlayers = [p] { return p.profiles.Get_Players(); };
    c.applyDisplayPrefs = [p] { p.profiles.ApplyDisplayPrefs(); };
    c.playerRecNum = [p] { return static_cast<int>(p.profileState.PlayerRecNum); };
    c.lastPlayerName = [p] { return p.profileState.LastPlayerName; };
    c.statusBarChosen = [p] { return p.profileTarget.Kept().StatusBar; };
    c.fontSize = [p] { return static_cast<double>(p.profileTarget.Kept().FontSize); };
    // The profile tells the player itself when it cannot be written.
    c.savePlayerProfile = [p](std::string*) { return p.profiles.OpenPlayerPrefs(false); };
    c.signIn = [p] { return SignIn(p); };
    // Start-up shows the tips only when its switch is on.
    c.showTips = [p] { p.recordsWindows.ShowTips(true); };
    c.showTutorial = [p] { p.recordsWindows.ShowTutorial(); };
    c.tutorialOn = [p] { return p.recordsWindows.TutorialOn(); };
    c.fillProfileSettings = [p](SessionSettings& s) {
        s.FontColor = p.profileTarget.Kept().FontColor;
        s.FontBackdrop = VbBool(p.profileTarget.Kept().FontBackdrop);
    };
    return c;
}
