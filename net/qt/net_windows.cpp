#include "net/qt/net_windows.h"

#include <QWidget>

#include "net/qt/frm_chat.h"
#include "net/qt/frm_multi_net.h"
#include "net/qt/frm_rules_net.h"
#include "net/qt/frm_scores_net.h"
#include "net/qt/frm_sounds.h"
#include "records/folder_lists.h"

namespace {

Game& G(NetWindowsParts& p) {
    return p.engine.g;
}

}  // namespace

NetWindows::NetWindows(NetWindowsParts parts) : p_(std::move(parts)) {}

NetWindows::~NetWindows() {
    CloseChat();
    CloseScores();
}

void NetWindows::ShowScores() {
    if (scores_) {
        scores_->show();
        scores_->raise();
        return;
    }
    Dialogs& dialogs = *p_.engine.sv.dialogs;
    auto* form = new FrmScoresNet(G(p_).AppFolder, G(p_).PlayerName, dialogs, p_.engine.sv.sounds,
                                  p_.window);
    if (!form->opened()) {
        delete form;
        dialogs.MsgBox("No Quorvane scores yet to display!", mb::OkOnly | mb::Information,
                       "Quorvane");
        return;
    }
    form->setAttribute(Qt::WA_DeleteOnClose);
    scores_ = form;
    form->show();
}

void NetWindows::CloseScores() {
    if (scores_) scores_->close();
}

bool NetWindows::ShowHostRules() {
    return FrmRulesNET::Run(p_.engine, p_.looks.FaceDeck, p_.showHelp, p_.window);
}

bool NetWindows::ShowPlayersSetup() {
    Game& g = G(p_);
    NetPlayersParts parts(g, p_.profile.PlayerPrefs.Seats[0], p_.competitionFile, netCommentFile_,
                          *p_.engine.sv.dialogs);
    parts.avatarShown = p_.avatarShown();
    for (const PersonalityEntry& e : ListPersonalities(g.AppFolder))
        parts.lists.personalities.push_back(e.name);
    parts.lists.comments.push_back(kDefaultComments);
    const auto comments = ListCommentFiles(g.AppFolder);
    parts.lists.comments.insert(parts.lists.comments.end(), comments.begin() + 1, comments.end());
    parts.lists.comments.push_back(kNoComments);
    parts.lists.avatars = ListAvatars(g.AppFolder);
    parts.saveProfile = p_.saveProfile;
    parts.showAvatar = p_.showAvatar;
    parts.redrawAvatars = p_.redrawAvatars;
    parts.showPlayerNames = p_.showPlayerNames;
    parts.importAvatar = p_.importAvatar;
    parts.chatLinesLoaded = [this] {
        if (!chat_) return;
        CannedPhrases lines{};
        for (int i = 1; i <= 20; ++i)
            lines[static_cast<size_t>(i)] = G(p_).CompComments[static_cast<size_t>(i)];
        chat_->SetPhrases(lines);
    };
    FrmMultiNET form(
        parts, [this](QWidget* over) { ChangeSounds(over); }, p_.window);
    form.exec();
    return form.setupDone();
}

void NetWindows::ChangeSounds(QWidget* over) {
    FrmSounds form(G(p_).AppFolder, ListPersonalities(G(p_).AppFolder), soundSets_,
                   *p_.engine.sv.dialogs, over);
    form.exec();
    // The chat offers the sounds just copied.
    if (chat_) {
        chat_->room().FillSoundList();
        chat_->Refresh();
    }
}

FrmChat* NetWindows::OpenChat(ChatLink& link) {
    CloseChat();
    Game& g = G(p_);
    CannedPhrases opponentLines{};
    for (int i = 1; i <= 20; ++i) opponentLines[static_cast<size_t>(i)] = g.Opp[1].Comments[i];
    ChatWindowParts parts{g.AppFolder,           link,       *p_.engine.sv.sounds,
                          *p_.engine.sv.dialogs, p_.chatSeq, soundSets_};
    parts.phrases =
        ChatPhrases(g.AppFolder, p_.profile.PlayerPrefs.Seats[0].Comments, opponentLines);
    parts.opponents = {g.Opp[1].Name, g.Opp[2].Name, g.Opp[3].Name};
    parts.wood = p_.looks.PlaceholderStyle != VbFalse;
    auto* form = new FrmChat(parts, p_.window);
    form->setAttribute(Qt::WA_DeleteOnClose);
    chat_ = form;
    form->show();
    return form;
}

void NetWindows::CloseChat() {
    if (chat_) chat_->close();
}

void NetWindows::ApplyChat(const std::vector<net::Action>& actions) {
    ApplyChatEffects(actions, G(p_).AppFolder, G(p_).SoundMode == 2, *this, *p_.engine.sv.sounds);
}

void NetWindows::ShowChatLine(const std::string& line) {
    if (chat_) chat_->ShowLine(line);
}

void NetWindows::SetLabel(int index, const std::string& text) {
    if (p_.engine.sv.board) p_.engine.sv.board->SetMessage(index, text);
}

void NetWindows::ShowPeek(const std::string& text) {
    p_.showPeek(text);
}

void NetWindows::ShowEmoticon(const std::string& path) {
    p_.showEmoticon(path);
}

void NetWindows::AvatarSlap() {
    p_.avatarSlap();
}

void NetWindows::OfferLink(const std::string& url) {
    if (chat_) chat_->OfferLink(url);
}

void NetWindows::CardShow() {
    if (p_.engine.sv.window) p_.engine.sv.window->AnimateCardsFlow(0);
}
