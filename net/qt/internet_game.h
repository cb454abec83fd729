#pragma once
// The Internet game on the main window: the Internet menu's connect command (host or join, or
// end the game that runs), the host's listening socket and a remote's connection, the clean-up
// that brings back the state from before the Internet game, and the sign-off to every peer when
// the program ends. It owns the sockets and the link; the link is the game's network port.
#include <functional>
#include <string>

#include "engine/engine.h"
#include "net/chat_room.h"
#include "net/chat_seq.h"
#include "net/net_link.h"
#include "net/qt/net_sockets.h"
#include "platform/hook_check.h"

class NetWindows;
class QWidget;

struct InternetGameParts {
    Engine& engine;
    ChatSeq& chatSeq;
    Clock& clock;  // times the waits for the peers
    // The key of END Internet Game, as the key tables give it.
    std::string endGameKey{};
    // The chat window and the other Internet windows; a game without them (the tests' machines)
    // leaves the chat's lines unshown.
    NetWindows* windows = nullptr;
    QWidget* window = nullptr;  // the main window, parent of the dialogs
    std::function<std::string()> playerName{};
    std::function<void(const std::string&)> setPlayerName{};
    // The main window's status notice: its text, shown or hidden.
    std::function<void(const std::string&, bool)> statusMsg{};
    std::function<void(const std::string&)> showHelp{};
    std::function<void()> showPlayerNames{};
    // After an Internet game (or a cancelled dialog) the seats get their personalities back.
    std::function<void()> resetNetPlayers{};
    std::function<void()> askSaveEndedGame{};
    std::function<void(int opp)> loadNetAvatar{};
    // The move history's file: closed while an Internet game runs, reopened after it.
    std::function<void(bool open)> moveFile{};
    // True while one of the game's handlers runs (lines are then left for its waits).
    std::function<bool()> flowBusy{};
    std::function<void()> avatarSlap{};
    // The peer draws only number cards: the table's picture deck, if one is in use, gives way.
    std::function<void()> numberCardsOnly{};
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("InternetGameParts")
            .Need("windows", windows)
            .Need("playerName", playerName)
            .Need("setPlayerName", setPlayerName)
            .Need("statusMsg", statusMsg)
            .Need("showHelp", showHelp)
            .Need("showPlayerNames", showPlayerNames)
            .Need("resetNetPlayers", resetNetPlayers)
            .Need("askSaveEndedGame", askSaveEndedGame)
            .Need("loadNetAvatar", loadNetAvatar)
            .Need("moveFile", moveFile)
            .Need("flowBusy", flowBusy)
            .Need("avatarSlap", avatarSlap)
            .Need("numberCardsOnly", numberCardsOnly);
    }
};

class InternetGame : private ChatLink {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        p_.NeedHooks(check);
        link_.NeedHooks(check);
    }
    explicit InternetGame(InternetGameParts parts);
    ~InternetGame() override;
    InternetGame(const InternetGame&) = delete;
    InternetGame& operator=(const InternetGame&) = delete;

    net::NetLink& link() { return link_; }
    NetSockets& sockets() { return sockets_; }
    int port() const { return port_; }
    // The host's address this remote connected to last ("" on a host and before a connection).
    const std::string& hostAddress() const { return hostAddress_; }

    // The Internet menu's connect command.
    void SetupInternet();
    // Takes the main window out of Internet mode.
    void NetCleanUp();
    // The program ends: the farewell to every peer, then the sockets closed.
    void SignOff();
    // Host: a new Internet game with the players seated now.
    void NetNewGame();

  private:
    ChatContext Context() const override;
    bool SendChat(const std::string& line) override;
    void AvatarSlap() override;
    bool AskToEnd();
    void EnterInternetMode(bool host, const std::vector<std::string>& ownAddresses);
    bool NetListen();
    void NetConnect(const std::string& address);
    void Connected();
    void SendFarewell();
    void Carry(const net::Action& a);
    void Failed(int peer, net::SocketFault fault, const std::string& what, bool ends);
    void ShowBoxes(const std::vector<net::act::Box>& boxes);
    void ShowStatus(const std::string& text, bool visible);

    InternetGameParts p_;
    Game& g_;
    NetSockets sockets_;
    net::NetLink link_;
    int port_;
    std::string hostAddress_;
    bool movesSuspended_ = false;
    bool cleaning_ = false;
};
