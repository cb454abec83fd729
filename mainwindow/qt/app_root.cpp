#include "mainwindow/qt/app_root.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <filesystem>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/cards_flow.h"
#include "mainwindow/command_gate.h"
#include "mainwindow/program_version.h"
#include "mainwindow/qt/avatar_remarks.h"
#include "mainwindow/qt/board_info.h"
#include "mainwindow/qt/developer_keys.h"
#include "mainwindow/qt/dialog_openers.h"
#include "mainwindow/qt/frm_counter.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/main_window_calls.h"
#include "mainwindow/qt/main_window_drag.h"
#include "mainwindow/qt/main_window_keys.h"
#include "mainwindow/qt/menu_controller.h"
#include "mainwindow/qt/table_controls.h"
#include "mainwindow/qt/window_profile_target.h"
#include "mainwindow/qt/window_shows.h"
#include "mainwindow/setup_opponents.h"
#include "mainwindow/startup_texts.h"
#include "net/net_resume.h"
#include "net/qt/frm_chat.h"
#include "net/qt/frm_players.h"
#include "net/qt/internet_game.h"
#include "net/qt/net_windows.h"
#include "platform/program_folder.h"
#include "records/file_checks.h"
#include "records/profiles.h"
#include "records/qt/records_windows.h"
#include "records/qt/settings_windows.h"

AppRoot::AppRoot(std::string appFolder) : appFolder_(std::move(appFolder)) {
    game_.AppFolder = appFolder_;
    qApp->installEventFilter(&screenFit_);
    services_.dialogs = &dialogs_;
    services_.sounds = &sounds_;
    services_.status = &status_;
    services_.net = &net_;
    services_.records = &records_;
    services_.settings = &settings_;
    services_.pauser = &pauser_;
    services_.turns = &computer_;
    services_.window = &windowPort_;
    services_.dialogHost = &dialogHost_;

    board_ = std::make_unique<BoardShell>(BoardShellParts{game_, looks_, 15360, false, clock_,
                                                          pump_, &sounds_, &dialogs_, appFolder_},
                                          &window_);
    services_.board = board_->board.get();
    board_->board->SetLayoutFollowers(
        {[this] { engine_.ShowRulesCaption(); }, [this] { services_.status->WildUpdate(); },
         [this] { services_.window->StopIdleTimer(); }, [this] { CloseCounter(); },
         [this] { main_->TakeWindowSize(); }});
    profileTarget_ = std::make_unique<WindowProfileTarget>(
        ProfileTargetParts{game_, engine_, records_, state_, window_, *board_, looks_, services_});
    profiles_ = std::make_unique<Profiles>(records_.Profile(), *profileTarget_, appFolder_);
    RecordsWindowsParts windows{game_, records_, records_.Profile(), services_};
    windows.window = &window_;
    windows.layout = &board_->layout;
    windows.looks = &looks_;
    windows.repaintTable = [this] { board_->view->update(); };
    windows.versionMajor = kVersionMajor;
    windows.versionMinor = kVersionMinor;
    windows.versionRevision = kVersionRevision;
    windows.keyCommand = [this](int key, Qt::KeyboardModifiers modifiers) {
        if (keys_) keys_->KeyPressed(key, modifiers);
    };
    windows.showHelp = [this](const std::string& topic) {
        if (keys_) keys_->ShowHelp(topic);
    };
    recordsWindows_ = std::make_unique<RecordsWindows>(std::move(windows));
    windowPort_.ConnectRecordsWindows(*recordsWindows_);
    windowPort_.ConnectLayout(&board_->layout);
    RegisterRecordsWindows(dialogHost_, *recordsWindows_, game_);
    MainWindowCalls calls = ConnectMainWindowCalls(
        MainWindowCallParts{game_, state_, services_, window_, *board_, looks_, *profiles_,
                            records_.Profile(), *profileTarget_, *recordsWindows_});
    RegisterSignIn(dialogHost_, [this] { return main_->ChangePlayer(); });
    calls.signOffNet = [this] {
        if (internet_) internet_->SignOff();
    };
    // The hold-cards window and the card counter, at shutdown and when the window is minimised.
    calls.closeSmallWindows = [this] {
        boardInfo_->CloseHold();
        CloseCounter();
    };
    calls.closeMenus = [this] {
        if (menus_) menus_->CloseMenus();
    };
    main_ = std::make_unique<MainWindow>(
        MainWindowParts{game_, state_, services_, window_, *board_, looks_}, std::move(calls));
    ConnectMenus();
    keys_ = std::make_unique<MainWindowKeys>(
        MainWindowKeysParts{game_, engine_, records_, state_, services_, window_, *board_, looks_,
                            *main_, *recordsWindows_},
        MenuKeyCalls());
    ComposeDialogWindows();
    ComposeInternetGame();
    dialogHost_.Register(DialogForm::Help, [this](int, const std::string& topic) {
        keys_->ShowHelp(topic);
        return DialogResult{};
    });
    window_.onKeyPreview = [this](QKeyEvent* e) {
        return keys_->KeyPressed(e->key(), e->modifiers());
    };
    drag_ = std::make_unique<MainWindowDrag>(
        MainWindowDragParts{game_, engine_, state_, *board_, window_, *recordsWindows_, &looks_,
                            [this] { records_.RestartTurn(); }});
    windowPort_.onReturnDraggedCard = [this](int slot) { drag_->Mouse().ReturnDraggedCard(slot); };
    drag_->closeMenus = [this] {
        if (menus_) menus_->CloseMenus();
    };
    drag_->hideNetNotices = [this] {
        for (const char* notice : {"StatusMsg", "LabelPeek"})
            if (board_->layout.Form().IsLoaded(notice)) board_->layout.Ctl(notice).Visible = false;
        board_->ApplyWidgets();
    };
    shows_ = std::make_unique<WindowShows>(
        WindowShowsParts{game_, state_, *board_, looks_, window_, clock_, pump_, &dialogs_,
                         [this] { RunNewGame(); }, [this] { DealClicked(); }});
    windowPort_.ConnectShows(shows_.get());
    windowPort_.onDealButtonClick = [this] { DealClicked(); };
    ConnectTableAnswers();
}

// The table's answers to the player's questions, the opponent's picture and remarks, and the
// test keys.
void AppRoot::ConnectTableAnswers() {
    PrefsRecord& prefs = records_.Profile().PlayerPrefs;
    boardInfo_ = std::make_unique<BoardInfo>(BoardInfoParts{
        game_, state_, services_, *board_, looks_, window_, prefs.HoldLeft, prefs.HoldTop});
    drag_->showHumanHidden = [this](int slot) {
        boardInfo_->HoldInfo(slot == kInfoSide ? SideView(game_.HumanSide, game_.HumanSideCount)
                                               : HumanHoldView(game_, slot));
    };
    avatarRemarks_ = std::make_unique<AvatarRemarks>(AvatarRemarksParts{
        game_, state_, services_, *board_, window_, [this] { main_->Get_Avatars(); }});
    developerKeys_ = std::make_unique<DeveloperKeys>(
        DeveloperKeysParts{game_, services_, *board_, window_,
                           [] {
                               // The machine's own address, as the connection window offers it.
                               const std::vector<std::string> own = FrmPlayers::OwnAddresses();
                               return own.empty() ? std::string() : own.front();
                           },
                           [this] { return internet_->hostAddress(); }});
}

MainWindowStatusParts AppRoot::StatusParts() {
    MainWindowStatusParts parts{game_, window_, state_.LevelNames, {}, {}, {}};
    parts.screenWidth = [this] { return board_ ? board_->layout.ScreenWidth : state_.ScreenWidth; };
    parts.counter = [this] { return main_ ? main_->Counter() : nullptr; };
    parts.showLabel = [this](const std::string& label, const std::string& text) {
        if (board_) ShowTableLabel(*board_, label, text);
    };
    return parts;
}

// The drawn menus and their commands; the computer's loop runs a New Game chosen during its
// turn through them.
void AppRoot::ConnectMenus() {
    menus_ = std::make_unique<MenuController>(
        MenuControllerParts{game_, state_, services_, window_, *board_, looks_, *main_, engine_,
                            records_},
        MenuHooks{});
    MenuHooks& hooks = menus_->Hooks();
    hooks.changeNoise = [this] {
        if (avatarRemarks_) avatarRemarks_->ChangeNoise();
    };
    hooks.nextChatSeq = [this] { return static_cast<int>(chatSeq_.Next()); };
    hooks.oppPeeking = [this] {
        const net::SessionState* s = internet_ ? internet_->link().state() : nullptr;
        return s && s->oppPeeking;
    };
    hooks.setupOpponents = [this](bool rulesOnly) { SetupOpponents(rulesOnly); };
    // The labels' font size after the preferences: the one message label 2 now shows.
    hooks.takeFontSize = [this] {
        board_->layout.FontSize = board_->layout.Ctl("Label9", 2).FontSize;
    };
    // A saved or restarted Internet game goes to every peer and play resumes once all took it.
    hooks.sendRecover = [this](const ResumeNote& note) {
        if (IsHost(game_)) ::SendRecover(game_, services_, chatSeq_, note);
    };
}

SetupOpponentsParts AppRoot::OpponentsSetupParts() {
    SetupOpponentsParts parts{game_, engine_, state_.LevelNames, {}, {}, {}, {}, {}};
    // The profile in memory is the current one (the windows change it there): nothing is read
    // back from the file over it.
    parts.saveProfile = [this] { return profiles_->OpenPlayerPrefs(false); };
    parts.showPlayerNames = [this] {
        board_->layout.Show_PlayerNames(game_);
        board_->ApplyWidgets();
    };
    parts.netNewGame = [this] { internet_->NetNewGame(); };
    parts.newGame = [this] { menus_->Commands().MenuGame(0); };
    return parts;
}

void AppRoot::SetupOpponents(bool rulesOnly) {
    SetupOpponentsParts parts = OpponentsSetupParts();
    ::SetupOpponents(parts, rulesOnly);
}

// The keys reach the menu rows through the same gate as the drawn menus.
KeyCommandCalls AppRoot::MenuKeyCalls() {
    KeyCommandCalls calls;
    calls.gate = [this](int menu, int row) { return PassGate(game_, &dialogs_, menu, row); };
    calls.menuRow = [this](int menu, int row) { menus_->Commands().Dispatch(menu, row, 0); };
    calls.hideMenus = [this] { menus_->CloseMenus(); };
    // Page Up: the chat window comes forward and is no longer kept on top.
    calls.chatOnTop = [this] {
        if (FrmChat* chat = netWindows_ ? netWindows_->chat() : nullptr) {
            chat->OnTop(false);
            chat->raise();
            chat->activateWindow();
        }
    };
    return calls;
}

const TableLayout& AppRoot::tableLayout() const {
    return board_->layout;
}

// The window goes first: nothing it shows may outlive the parts it shows.
AppRoot::~AppRoot() {
    windowPort_.ConnectShows(nullptr);
    services_.net = &net_;
}

bool AppRoot::Start(const std::vector<std::string>& args, const std::string& stagedFolder) {
    if (!RefuseUnsetHooks()) return false;
    const bool existedBefore = std::filesystem::exists(appFolder_);
    if (!ClaimProgramFolder(lock_, appFolder_, dialogs_)) return false;
    recordsWindows_->SetStagedFolder(stagedFolder);
    keys_->SetShippedFolder(stagedFolder);
    profiles_->SetShippedFolder(stagedFolder);
    // The first start makes the folder; on a later one a file the game cannot start without is
    // never made anew without a word.
    if (std::filesystem::exists(std::filesystem::path(appFolder_) / "Data")) TellMissingFiles();
    const ProgramFolderResult folder = SyncProgramFolder(stagedFolder, appFolder_);
    if (!folder.error.empty()) {
        dialogs_.MsgBox("Unable to start Quorvane!\n" + folder.error, mb::Critical,
                        startup_text::kTitle);
        return false;
    }
    TellDamagedFiles();
    if (!main_->Form_Load(args, !existedBefore || folder.firstStart)) return false;
    ConnectDealButton();
    return true;
}

void AppRoot::TellMissingFiles() {
    for (const FileNote& note : MissingStartFiles(appFolder_)) {
        dialogs_.MsgBox(note.text, mb::Exclamation, startup_text::kTitle);
        // An empty file holds nothing: the game's own copy takes its place.
        std::error_code ec;
        std::filesystem::remove(note.path, ec);
    }
}

void AppRoot::TellDamagedFiles() {
    std::string text;
    for (const FileNote& note : DamagedFiles(appFolder_))
        text += (text.empty() ? "" : "\n\n") + note.text;
    if (!text.empty())
        dialogs_.MsgBox(text + "\n\nThe damaged files are left as they are.", mb::Exclamation,
                        startup_text::kTitle);
}

void AppRoot::ConnectDealButton() {
    if (QPushButton* deal = window_.findChild<QPushButton*>("cmdDeal"))
        QObject::connect(deal, &QPushButton::clicked, deal, [this] { DealClicked(); });
}

// The Game menu's New Game, as the player chose it.
void AppRoot::RunNewGame() {
    if (menus_)
        menus_->Commands().MenuGame(0);
    else
        engine_.Game_New();
}

void AppRoot::DealClicked() {
    // During the end-of-game animation the button ends it; the new game follows its end.
    if (StopCardsFlowForDeal(game_, state_)) return;
    drag_->DealClicked();
}

// The card counter goes with the table it counted.
void AppRoot::CloseCounter() {
    if (!main_) return;
    if (FrmCounter* counter = main_->Counter()) {
        counter->hide();
        counter->deleteLater();
    }
}
