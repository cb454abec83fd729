#pragma once
// The windows of Internet play that the main window's menus, keys and the network session open:
// the chat window, the host's setup, the Internet players setup with the chat sound sets, and
// the Internet score tables. One object, made once by the composition root, keeps what these
// windows share for the whole run (the chat sound sets, the personality of the chat's remarks)
// and the windows that stay open (chat, scores) to one each. The competition score file chosen
// here belongs to the records, which write the game's result into it.
#include <QPointer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "board/board_looks.h"
#include "engine/engine.h"
#include "net/chat_effects.h"
#include "net/chat_room.h"
#include "net/qt/frm_chat.h"
#include "net/qt/frm_scores_net.h"
#include "platform/hook_check.h"
#include "shared/profile_state.h"

class QWidget;

struct NetWindowsParts {
    Engine& engine;
    ProfileState& profile;
    const BoardLooks& looks;
    ChatSeq& chatSeq;  // the session's running number of chat and system lines
    // The competition whose score file the records write an Internet game's result into ("" the
    // player's default file): the Internet players setup chooses it.
    std::string& competitionFile;
    QWidget* window = nullptr;  // the main window, parent of every dialog
    // Writes the signed-in player's profile; false when it could not be written.
    std::function<bool()> saveProfile{};
    // The main window's avatar picture: shown or hidden, and drawn again.
    std::function<void(bool)> showAvatar{};
    std::function<bool()> avatarShown{};
    std::function<void()> redrawAvatars{};
    // The names on the table written again: the player's own and the opponents'.
    std::function<void()> showPlayerNames{};
    // Imports a picture into the Avatars folder; the avatar list after it, or nothing.
    std::function<std::optional<std::vector<std::string>>()> importAvatar{};
    // What the chat's lines ask of the main window: the avatar slap, the emoticon beside the
    // player ("" hides it) and the peek notice.
    std::function<void()> avatarSlap{};
    std::function<void(const std::string& path)> showEmoticon{};
    std::function<void(const std::string& text)> showPeek{};
    std::function<void(const std::string& topic)> showHelp{};
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("NetWindowsParts")
            .Need("saveProfile", saveProfile)
            .Need("showAvatar", showAvatar)
            .Need("avatarShown", avatarShown)
            .Need("redrawAvatars", redrawAvatars)
            .Need("showPlayerNames", showPlayerNames)
            .Need("importAvatar", importAvatar)
            .Need("avatarSlap", avatarSlap)
            .Need("showEmoticon", showEmoticon)
            .Need("showPeek", showPeek)
            .Need("showHelp", showHelp);
    }
};

class NetWindows : private ChatEffectsTarget {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { p_.NeedHooks(check); }
    explicit NetWindows(NetWindowsParts parts);
    ~NetWindows() override;
    NetWindows(const NetWindows&) = delete;
    NetWindows& operator=(const NetWindows&) = delete;

    // "Internet Game Scores": the score tables, or the message that there are none yet.
    void ShowScores();
    // The end of an Internet game writes the score files: the tables close first.
    void CloseScores();
    // The host's setup: true when the caller has a new layout to apply.
    bool ShowHostRules();
    // The Internet players setup: NetSetupDone (the player closed it).
    bool ShowPlayersSetup();
    // The chat sound sets, over the main window.
    void ShowSoundSets() { ChangeSounds(p_.window); }

    // The chat window for an Internet game being set up; `link` carries its lines to the peers.
    FrmChat* OpenChat(ChatLink& link);
    void CloseChat();
    FrmChat* chat() const { return chat_; }
    // Carries out what a handled chat, peek or system line asks the player to see and hear.
    void ApplyChat(const std::vector<net::Action>& actions);

    ChatSoundSet& soundSets() { return soundSets_; }
    std::string& netCommentFile() { return netCommentFile_; }

  private:
    void ShowChatLine(const std::string& line) override;
    void SetLabel(int index, const std::string& text) override;
    void ShowPeek(const std::string& text) override;
    void ShowEmoticon(const std::string& path) override;
    void AvatarSlap() override;
    void OfferLink(const std::string& url) override;
    void CardShow() override;
    void ChangeSounds(QWidget* over);

    NetWindowsParts p_;
    ChatSoundSet soundSets_{};
    std::string netCommentFile_;
    QPointer<FrmChat> chat_;
    QPointer<FrmScoresNet> scores_;
};
