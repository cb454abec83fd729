// The Internet game put together with the main window: its link becomes the game's network port,
// the connection command opens through the dialog host, and the peers' lines reach the table,
// the status notice and the chat window.
#include <QPushButton>

#include "board/qt/board_shell.h"
#include "board/qt/card_looks_setup.h"
#include "board/qt/cls_dll.h"
#include "board/qt/qt_board.h"
#include "engine/personality.h"
#include "mainwindow/change_person.h"
#include "mainwindow/command_gate.h"
#include "mainwindow/key_tables.h"
#include "mainwindow/qt/app_root.h"
#include "mainwindow/qt/avatar_remarks.h"
#include "mainwindow/qt/main_window_keys.h"
#include "net/net_opponents.h"
#include "net/number_cards.h"
#include "net/qt/internet_game.h"
#include "net/qt/net_windows.h"
#include "records/profiles.h"
#include "records/qt/records_windows.h"

void AppRoot::ComposeInternetGame() {
    InternetGameParts p{engine_, chatSeq_, clock_};
    p.endGameKey = MenuRowKey(menu::kInternet, 0);
    p.windows = netWindows_.get();
    p.window = &window_;
    p.playerName = [this] { return game_.PlayerName; };
    p.setPlayerName = [this](const std::string& name) {
        game_.PlayerName = name;
        board_->layout.Ctl("Label9", 3).Caption = name;
        board_->ApplyWidgets();
    };
    p.statusMsg = [this](const std::string& text, bool visible) {
        board_->board->SetStatusNotice(text, visible);
    };
    p.showHelp = [this](const std::string& topic) {
        if (keys_) keys_->ShowHelp(topic);
    };
    p.showPlayerNames = [this] {
        board_->layout.Show_PlayerNames(game_);
        board_->ApplyWidgets();
    };
    p.moveFile = [this](bool open) { records_.TempMovesFile(open); };
    p.flowBusy = [this] { return game_.ComputerBusy != VbFalse || state_.HandlerDepth > 0; };
    p.avatarSlap = [this] {
        if (avatarRemarks_) avatarRemarks_->AvatarSlap();
    };
    p.resetNetPlayers = [this] {
        ResetNetPlayers(game_, records_.Profile().PlayerPrefs.Seats, board_->board.get());
        ChangePerson(game_, board_->layout);
        board_->layout.Show_PlayerNames(game_);
        board_->ApplyWidgets();
    };
    p.loadNetAvatar = [this](int opp) { LoadNetAvatar(game_, opp); };
    p.askSaveEndedGame = [this] {
        AskSaveEndedGame(game_, services_,
                         [this] { dialogHost_.Show(DialogForm::Save, save_mode::NetSave); });
    };
    p.numberCardsOnly = [this] {
        if (!net::SwitchToNumberCards(looks_.FaceDeck, dialogs_)) return;
        ClsDll decks = ClsDll::Installed();
        ApplyCardLooks(looks_, board_->pictures, decks);
        board_->board->DrawTable();
    };
    internet_ = std::make_unique<InternetGame>(std::move(p));
    netPlay_ = std::make_unique<NetPlayPort>(game_, services_, computer_, internet_->link());
    netPlay_->turns.enableChatSend = [this](bool enabled) {
        FrmChat* chat = netWindows_ ? netWindows_->chat() : nullptr;
        if (auto* send = chat ? chat->findChild<QPushButton*>("Command1") : nullptr)
            send->setEnabled(enabled);
    };
    services_.net = netPlay_.get();
    dialogHost_.Register(DialogForm::Players, [this](int, const std::string&) {
        internet_->SetupInternet();
        DialogResult r;
        r.CancelFlag = game_.NetConnected == 0;
        return r;
    });
}
