#include "net/qt/internet_game.h"

#include <filesystem>

#include "net/chat_effects.h"
#include "net/connection_checks.h"
#include "net/host_notice.h"
#include "net/qt/frm_chat.h"
#include "net/qt/frm_players.h"
#include "net/qt/net_windows.h"
#include "net/socket_failures.h"
#include "net/wire_format.h"

namespace {

std::vector<std::string> FilesOf(const std::string& folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.is_regular_file(ec)) out.push_back(e.path().filename().string());
    return out;
}

}  // namespace

InternetGame::InternetGame(InternetGameParts parts)
    : p_(std::move(parts)),
      g_(p_.engine.g),
      link_(g_, sockets_, sockets_, p_.clock,
            net::LinkWindow{[this](const net::Action& a) { Carry(a); },
                            [this](int peer, net::SocketFault f, const std::string& what,
                                   bool ends) { Failed(peer, f, what, ends); },
                            p_.flowBusy, p_.endGameKey}),
      port_(net::kDefaultNetPort) {
    sockets_.SetLink(&link_);
}

InternetGame::~InternetGame() {
    sockets_.SetLink(nullptr);
}

// --- Connecting ------------------------------------------------------------------------------

void InternetGame::SetupInternet() {
    if (g_.NetConnected != 0) {
        if (!AskToEnd()) return;
        SendFarewell();
        if (g_.Pturn != 0) p_.askSaveEndedGame();
        NetCleanUp();
        g_.IsHost = 0;
        return;
    }
    Dialogs& dialogs = *p_.engine.sv.dialogs;
    ShowStatus("", false);
    if (p_.engine.sv.window) p_.engine.sv.window->StopIdleTimer();
    const std::string name = p_.playerName();
    auto chosen = FrmPlayers::Run(name, port_, dialogs, p_.showHelp, p_.window);
    if (!chosen) {
        g_.NetConnected = 0;
        p_.resetNetPlayers();
        p_.showPlayerNames();
        return;
    }
    p_.setPlayerName(chosen->playerName);
    port_ = chosen->port;
    p_.engine.Reset_Table();
    g_.Pturn = 0;
    g_.NetCode = 0;
    g_.NetConnected = 99;
    g_.IsHost = chosen->host ? 1 : 0;

    net::SessionConfig config;
    config.host = chosen->host;
    config.playerName = chosen->playerName;
    config.soundFiles = FilesOf(g_.AppFolder + "/Sounds");
    config.iconFiles = FilesOf(g_.AppFolder + "/Icons");
    link_.Begin(std::move(config));
    EnterInternetMode(chosen->host, chosen->ownAddresses);

    if (chosen->host) {
        if (!NetListen()) {
            dialogs.MsgBox("Network connection failed.", mb::Exclamation, "Quorvane");
            g_.IsHost = 0;
            NetCleanUp();
            return;
        }
        for (int k = 1; k <= 3; ++k) g_.Opp[static_cast<size_t>(k)].Name.clear();
    } else {
        NetConnect(chosen->hostAddress);
    }
    if (!link_.WaitForOpponent() || g_.NetConnected == 0) return;
    Connected();
}

bool InternetGame::AskToEnd() {
    return p_.engine.sv.dialogs->MsgBox("Do you want to end this Quorvane Online Game?", mb::YesNo,
                                        "TERMINATE Quorvane Connection") == mb::Yes;
}

void InternetGame::EnterInternetMode(bool host, const std::vector<std::string>& ownAddresses) {
    g_.SavedPause = g_.MovePause;
    g_.MovePause = 0.01f;
    if (p_.engine.sv.window) p_.engine.sv.window->ShowDealButton(false);
    if (p_.windows) {
        if (FrmChat* chat = p_.windows->OpenChat(*this)) {
            if (host) chat->SetHistory(net::OwnAddressText(ownAddresses));
        }
    }
    if (p_.engine.sv.board) p_.engine.sv.board->SetMessage(2, "");
    g_.Peeking = VbFalse;
    p_.engine.ShowRulesCaption();
}

bool InternetGame::NetListen() {
    net::SocketFault fault{};
    std::string what;
    if (!sockets_.Listen(static_cast<quint16>(port_), &fault, &what)) {
        ShowBoxes(net::ListenFailureBoxes(fault, port_, what));
        return false;
    }
    if (p_.engine.sv.board) {
        p_.engine.sv.board->SetMessage(1, "");
        p_.engine.sv.board->SetMessage(2, "");
    }
    ShowStatus("Give your IP address to the player(s)\nwaiting to connect to your game.", true);
    if (p_.engine.sv.sounds) p_.engine.sv.sounds->Beep();
    return true;
}

void InternetGame::NetConnect(const std::string& address) {
    hostAddress_ = address;
    sockets_.Connect(QString::fromStdString(address), static_cast<quint16>(port_));
    ShowStatus("Waiting for Host confirmation...\n", true);
}

// The first peer is in: an older peer's game is dealt at once; a newer one starts through the
// layout and the host's new game.
void InternetGame::Connected() {
    if (g_.TempMovesOpen && p_.moveFile) {
        p_.moveFile(false);
        movesSuspended_ = true;
    }
    if (g_.PeerVersion <= "74") {
        p_.engine.SetUp();
        if (g_.NetConnected != 0) p_.engine.GoDeal();
    }
}

// --- Ending ----------------------------------------------------------------------------------

void InternetGame::SendFarewell() {
    if (!link_.Running()) return;
    const std::string name = p_.playerName();
    const std::string line = net::ChatLine(p_.chatSeq.Next(), name + " Quit!^");
    if (g_.IsHost == 1) {
        link_.SendNetAll(0, line);
        link_.SendNetAll(0, net::BareLine(net::GO));
    } else {
        link_.SendNet(0, line);
        link_.SendNet(0, net::BareLine(net::GO));
    }
}

void InternetGame::SignOff() {
    SendFarewell();
    link_.End();
    g_.NetConnected = 0;
}

void InternetGame::NetCleanUp() {
    if (cleaning_) return;
    cleaning_ = true;
    link_.End();
    BoardPort* board = p_.engine.sv.board;
    ShowStatus("", false);
    g_.MovePause = g_.SavedPause != 0 ? g_.SavedPause : g_.MovePause;
    g_.NetConnected = 0;
    g_.SavedPause = 0;
    if (p_.windows) {
        p_.windows->ApplyChat({net::act::Emoticon{""}, net::act::PeekLabel{""}});
        p_.windows->CloseChat();
        p_.windows->netCommentFile().clear();
    }
    p_.resetNetPlayers();
    // The status bar names the seats' own players again, not the ones who played here.
    if (p_.engine.sv.status) p_.engine.sv.status->StatusBar_Clear();
    g_.PeerVersion.clear();
    if (board)
        for (int i = 0; i <= 2; ++i) board->SetMessage(i, "");
    g_.Peeking = VbFalse;
    g_.NetSessionGames = g_.NetSessionWins = g_.NetSessionMargin = 0;
    if (p_.engine.sv.window) p_.engine.sv.window->ShowDealButton(false);
    g_.NumberCards = VbFalse;
    if (movesSuspended_) {
        movesSuspended_ = false;
        p_.moveFile(true);
    }
    p_.engine.ShowRulesCaption();
    g_.HostPlayerName = "Brivo";
    g_.Pturn = 0;
    g_.MoveCounter = 0;
    g_.NetSeats = {};
    // A game given to resume that was never taken up ends with this Internet game.
    g_.NetResume = 0;
    if (board) board->EnableHumanPiles(false, 1, 10);
    p_.engine.MenuNotNowMsg(2);
    cleaning_ = false;
}

void InternetGame::NetNewGame() {
    if (!link_.Running() || g_.IsHost != 1) return;
    link_.NewLayout();
    p_.showPlayerNames();
    ShowStatus(net::HostRulesNotice(g_.NumPlayers, g_.NumCenters), true);
    while (!(g_.NetCode == net::LO && g_.NetAnswers >= g_.NumPlayers) && g_.NetCode != net::GO &&
           g_.NetConnected != 0)
        if (!link_.WaitNet(0)) break;
}

// --- The chat's way to the peers ------------------------------------------------------------

ChatContext InternetGame::Context() const {
    return {p_.playerName(), g_.Opp[1].Name, g_.PeerVersion, g_.NetConnected};
}

bool InternetGame::SendChat(const std::string& line) {
    if (!link_.Running()) return false;
    if (g_.IsHost == 1)
        link_.SendNetAll(0, line);
    else
        link_.SendNet(0, line);
    return true;
}

void InternetGame::AvatarSlap() {
    p_.avatarSlap();
}

// --- What the peers' lines ask of the window --------------------------------------------------

void InternetGame::ShowBoxes(const std::vector<net::act::Box>& boxes) {
    for (const auto& b : boxes) p_.engine.sv.dialogs->MsgBox(b.text, b.style, b.title);
}

void InternetGame::ShowStatus(const std::string& text, bool visible) {
    p_.statusMsg(text, visible);
}

void InternetGame::Failed(int peer, net::SocketFault fault, const std::string& what, bool ends) {
    (void)peer;
    if (!ends) return;  // one remote's trouble is told as that player leaving
    ShowBoxes(net::SocketFailureBoxes(fault, g_.IsHost == 1, what));
    if (fault == net::SocketFault::Refused) g_.IsHost = 9;
    if (g_.Pturn != 0) p_.askSaveEndedGame();
    NetCleanUp();
}

void InternetGame::Carry(const net::Action& a) {
    using namespace net::act;
    Engine& e = p_.engine;
    BoardPort* board = e.sv.board;
    if (p_.windows && IsChatEffect(a)) {
        p_.windows->ApplyChat({a});
    } else if (const auto* l = std::get_if<Label>(&a)) {
        if (board) board->SetMessage(l->index, l->text);
    } else if (const auto* s = std::get_if<net::act::Status>(&a)) {
        ShowStatus(s->text, s->visible);
    } else if (const auto* panel = std::get_if<StatusPanel>(&a)) {
        if (e.sv.status) e.sv.status->SetPanelText(panel->panel, panel->text);
    } else if (const auto* b = std::get_if<Box>(&a)) {
        e.sv.dialogs->MsgBox(b->text, b->style, b->title);
    } else if (std::holds_alternative<Beep>(a)) {
        if (e.sv.sounds) e.sv.sounds->Beep();
    } else if (const auto* d = std::get_if<DataSound>(&a)) {
        if (e.sv.sounds)
            e.sv.sounds->PlaySound(g_.AppFolder + "/Data/~" + std::to_string(d->id) + ".tmp",
                                   false);
    } else if (std::holds_alternative<TableReset>(a)) {
        // A player left or the game was ended: the status bar keeps no figures of that game.
        e.Reset_Table();
        if (e.sv.status) e.sv.status->StatusBar_Clear();
    } else if (std::holds_alternative<Layout>(a) || std::holds_alternative<OlderPeerGame>(a) ||
               std::holds_alternative<Restore>(a)) {
        if (board && (g_.PrevPlayers != g_.NumPlayers || g_.PrevCenters != g_.NumCenters))
            board->SetupLayout(g_.PrevPlayers, g_.PrevCenters);
        // The game the host gives again lies on the table with its side piles' depth shapes,
        // before the player takes it with Deal.
        if (std::holds_alternative<Restore>(a) && e.sv.window) e.sv.window->ShowSideStack(true);
        if (board) board->DrawTable();
    } else if (std::holds_alternative<EndInternetGame>(a)) {
        NetCleanUp();
    } else if (const auto* ask = std::get_if<AskJoin>(&a)) {
        const bool yes = e.sv.dialogs->MsgBox(ask->name +
                                                  " has requested to join this game. Accept "
                                                  "the request?",
                                              mb::YesNo, "New opponent joining") == mb::Yes;
        link_.JoinAnswer(ask->peer, yes);
    } else if (std::holds_alternative<AskSaveEndedGame>(a)) {
        p_.askSaveEndedGame();
    } else if (const auto* av = std::get_if<LoadNetAvatar>(&a)) {
        p_.loadNetAvatar(av->opp);
    } else if (std::holds_alternative<ShowPlayerNames>(a)) {
        // The seats have their players' names now: the status bar names them too.
        p_.showPlayerNames();
        if (e.sv.status) e.sv.status->StatusBar_Clear();
    } else if (std::holds_alternative<ShowRulesCaption>(a)) {
        e.ShowRulesCaption();
    } else if (std::holds_alternative<ShowHostRules>(a)) {
        ShowStatus(net::HostRulesNotice(g_.NumPlayers, g_.NumCenters), true);
        const std::string rules = net::HostRulesList(g_);
        if (board && !rules.empty()) board->SetMessage(1, net::HostRulesLabel(rules));
    } else if (const auto* piles = std::get_if<HumanPiles>(&a)) {
        if (board) board->EnableHumanPiles(piles->enabled, 1, 10);
    } else if (const auto* deal = std::get_if<DealButton>(&a)) {
        if (e.sv.window) e.sv.window->ShowDealButton(deal->visible);
    } else if (std::holds_alternative<NumberCardsOnly>(a)) {
        p_.numberCardsOnly();
    }
}
