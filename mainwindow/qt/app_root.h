#pragma once
// The program put together: one game, its engine, the computer seats, the records, the profile,
// the board and every port the game's logic reaches the outside through, each made once here
// and handed to whoever needs it. main() only creates this.
#include <QImage>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/board_looks.h"
#include "computer/computer_player.h"
#include "engine/engine.h"
#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/dialog_table.h"
#include "mainwindow/instance_lock.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/main_window_port.h"
#include "mainwindow/qt/main_window_status.h"
#include "mainwindow/quiet_ports.h"
#include "mainwindow/setup_opponents.h"
#include "net/chat_seq.h"
#include "net/net_play_port.h"
#include "platform/pause.h"
#include "platform/qt/dialog_screen_fit.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_event_pump.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_sounds.h"
#include "records/game_records.h"

class AvatarRemarks;
class BoardInfo;
class BoardShell;
class DeveloperKeys;
class MainWindow;
class MenuController;
struct KeyCommandCalls;
class MainWindowKeys;
class InternetGame;
class NetWindows;
class MainWindowDrag;
class Profiles;
class RecordsWindows;
class SettingsWindows;
class TableLayout;
class WindowProfileTarget;
class WindowShows;

class AppRoot {
  public:
    explicit AppRoot(std::string appFolder);
    ~AppRoot();
    AppRoot(const AppRoot&) = delete;
    AppRoot& operator=(const AppRoot&) = delete;

    // Claims the program folder, brings it up to date with the shipped files and runs start-up.
    // False when the program has to end (the player has been told why).
    bool Start(const std::vector<std::string>& args, const std::string& stagedFolder);
    // The hooks between the parts that were left unset ("MenuHooks.sendRecover"); the program
    // does not start while there is one.
    std::vector<std::string> UnsetHooks();

    // What a person reaches, for the tests that drive the whole program: the main window, the
    // table on it, the menu rows and the dialog table the menus and keys open windows through.
    FrmBrivo& Window() { return window_; }
    BoardShell& Board() { return *board_; }
    MenuController& Menus() { return *menus_; }
    DialogHost& DialogWindows() { return dialogHost_; }
    StatusPort& Status() { return status_; }

    // The state the player's input acts on, for the same tests.
    Game& CurrentGame() { return game_; }
    MainWindowState& WindowState() { return state_; }

    // What the player sees, read by a driver of the running program that chooses where to click.
    const Game& game() const { return game_; }
    const TableLayout& tableLayout() const;

  private:
    void ConnectMenus();
    KeyCommandCalls MenuKeyCalls();
    // The Options menu's opponents setup and the Internet menu's setups, applied to the table.
    void SetupOpponents(bool rulesOnly);
    // False, after telling the player, when a hook between the parts was left unset.
    bool RefuseUnsetHooks();
    SetupOpponentsParts OpponentsSetupParts();
    // A later start: the files the game cannot start without that are missing or empty, told
    // before the game's own copies take their place; then the damaged personality and comment
    // files, which are left as they are and never used.
    void TellMissingFiles();
    void TellDamagedFiles();
    void ConnectDealButton();
    void DealClicked();
    void RunNewGame();
    MainWindowStatusParts StatusParts();
    void ConnectTableAnswers();
    // The settings and Internet windows, made and registered with the dialog host.
    void ComposeDialogWindows();
    // The Internet game: its link is the network port; the connection command opens it.
    void ComposeInternetGame();
    QImage BackgroundPicture() const;
    void ShowAvatar(bool on);
    std::optional<std::vector<std::string>> ImportAvatar();
    void CloseCounter();

    std::string appFolder_;
    Game game_;
    MainWindowState state_;
    BoardLooks looks_;
    InstanceLock lock_;

    SteadyClock clock_;
    QtEventPump pump_;
    Pauser pauser_{clock_, pump_, game_.StopFlag, game_.FlipInProgress};
    QtSettingsStore settings_;
    QtSounds sounds_;
    FrmBrivo window_;
    QtDialogs dialogs_{&window_};
    // The dialog windows by name, for the menus, the keys and the other windows.
    DialogTable dialogHost_{dialogs_};
    MainWindowStatus status_{StatusParts()};
    NoNetwork net_;
    MainWindowPort windowPort_{window_};
    Services services_;
    // Every dialog the program opens stays within the screen.
    DialogScreenFit screenFit_;

    GameRecords records_{game_, services_};
    Engine engine_{game_, services_};
    ComputerPlayer computer_{engine_};
    std::unique_ptr<BoardShell> board_;
    std::unique_ptr<WindowProfileTarget> profileTarget_;
    std::unique_ptr<Profiles> profiles_;
    std::unique_ptr<RecordsWindows> recordsWindows_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<MenuController> menus_;
    std::unique_ptr<MainWindowKeys> keys_;
    std::unique_ptr<WindowShows> shows_;
    std::unique_ptr<BoardInfo> boardInfo_;
    std::unique_ptr<AvatarRemarks> avatarRemarks_;
    std::unique_ptr<DeveloperKeys> developerKeys_;
    // The running number of the chat and system lines this machine sends.
    ChatSeq chatSeq_;
    std::unique_ptr<SettingsWindows> settingsWindows_;
    std::unique_ptr<NetWindows> netWindows_;
    std::unique_ptr<InternetGame> internet_;
    std::unique_ptr<MainWindowDrag> drag_;
    // The game's network port: the link with the turns between machines on top.
    std::unique_ptr<NetPlayPort> netPlay_;
};
