#include "net/net_players_setup.h"

#include <algorithm>

#include "engine/personality.h"
#include "engine/shared_helpers.h"
#include "net/name_compare.h"
#include "net/net_avatars.h"
#include "platform/vb_strings.h"
#include "shared/profile_state.h"

namespace {

constexpr const char* kErrorTitle = "Unanticipated error in Internet Player Setup";

std::string At(const std::vector<std::string>& list, int i) {
    return i >= 0 && i < static_cast<int>(list.size()) ? list[static_cast<size_t>(i)] : "";
}

}  // namespace

NetPlayersSetup::NetPlayersSetup(NetPlayersParts parts) : parts_(std::move(parts)) {}

void NetPlayersSetup::Open() {
    const Game& g = parts_.game;
    playerName_ = g.PlayerName;
    opponentName_ = g.Opp[1].Name;
    competitionText_ = parts_.competitionFile;
    scoreCaption_ = ScoreFileCaption(parts_.competitionFile);
    ScoreOptionClicked(parts_.competitionFile.empty() ? 0 : 1);
    applyEnabled_ = false;
    ShowOpponent(0);
}

bool NetPlayersSetup::setupEnabled(int index) const {
    const int players = parts_.game.NumPlayers;
    return index == 0 || index == 3 || (index == 1 && players > 2) || (index == 2 && players == 4);
}

void NetPlayersSetup::SetupClicked(int index) {
    if (index < 0 || index > 3 || !setupEnabled(index)) return;
    if (index != panel_.setup) AskSaveSettings();
    if (index == 3)
        ShowPlayer();
    else
        ShowOpponent(index);
    applyEnabled_ = false;
}

int NetPlayersSetup::FindAvatar(const std::string& file) const {
    const auto& avatars = parts_.lists.avatars;
    for (size_t i = 1; i < avatars.size(); ++i)
        if (avatars[i] == Trim(file)) return static_cast<int>(i);
    return avatars.size() > 1 ? 1 : 0;
}

int NetPlayersSetup::CommentIndex(const std::string& set) const {
    const auto& comments = parts_.lists.comments;
    const auto it = std::find(comments.begin(), comments.end(), Trim(set));
    return it == comments.end() ? 0 : static_cast<int>(it - comments.begin());
}

std::string NetPlayersSetup::CommentAt(int index) const {
    const std::string set = At(parts_.lists.comments, index);
    return set.empty() ? kDefaultComments : set;
}

void NetPlayersSetup::ShowOpponent(int index) {
    const Game& g = parts_.game;
    const OpponentRecord& opp = g.Opp[static_cast<size_t>(index + 1)];
    panel_ = {};
    panel_.setup = index;
    panel_.frame = "Setup for Opponent";
    panel_.nameLabel = "Opponent Name:";
    panel_.avatarLabel = "Avatar:";
    panel_.applyCaption = "Save Opponent";
    opponentName_ = g.NetConnected == 99 ? "" : opp.Name;
    panel_.name = opponentName_;
    const auto kept = LoadNetAvatar(g.AppFolder, g.PlayerName, opp.Name);
    const std::string avatar = kept && !kept->avatar.empty() ? kept->avatar : opp.Avatar;
    panel_.avatar = FindAvatar(avatar);
    panel_.avatarFile = At(parts_.lists.avatars, panel_.avatar);
    panel_.comment =
        CommentIndex(kept && !kept->comments.empty() ? kept->comments : opp.CommentFile);
}

void NetPlayersSetup::ShowPlayer() {
    const SeatRecord& own = parts_.ownSeat;
    panel_ = {};
    panel_.setup = 3;
    panel_.frame = "Setup for Player";
    panel_.nameLabel = "Your Name:";
    panel_.avatarLabel = "Your Avatar:";
    panel_.applyCaption = "Save Player";
    panel_.name = playerName_;
    panel_.playerAvatar = !Trim(own.Avatar).empty();
    panel_.avatar = FindAvatar(own.Avatar);
    panel_.avatarFile = panel_.playerAvatar ? At(parts_.lists.avatars, panel_.avatar) : "";
    panel_.comment = CommentIndex(own.Comments);
    // The personality whose remarks the chat offers is chosen only with its default remarks.
    panel_.personalityShown = panel_.comment == 0;
    const auto& names = parts_.lists.personalities;
    const auto it = std::find(names.begin(), names.end(), parts_.netCommentFile);
    panel_.personality = it == names.end() ? 0 : static_cast<int>(it - names.begin());
}

void NetPlayersSetup::Changed() {
    applyEnabled_ = true;
}

void NetPlayersSetup::NameEdited(const std::string& text) {
    panel_.name = text;
    (panel_.setup == 3 ? playerName_ : opponentName_) = text;
    Changed();
}

void NetPlayersSetup::AvatarScrolled(int value) {
    const int count = static_cast<int>(parts_.lists.avatars.size()) - 1;
    if (count < 1) return;
    panel_.avatar = std::clamp(value, 1, count);
    panel_.avatarFile = At(parts_.lists.avatars, panel_.avatar);
    if (panel_.setup == 3) panel_.playerAvatar = true;
    Changed();
}

void NetPlayersSetup::PlayerAvatarTicked(bool on) {
    panel_.playerAvatar = on;
    panel_.avatarFile = on ? At(parts_.lists.avatars, std::max(panel_.avatar, 1)) : "";
    if (on && panel_.avatar == 0) panel_.avatar = FindAvatar("");
    Changed();
}

void NetPlayersSetup::ShowAvatarTicked(bool on) {
    parts_.avatarShown = on;
    parts_.showAvatar(on);
    Changed();
}

void NetPlayersSetup::CommentChosen(int index) {
    if (index < 0 || index >= static_cast<int>(parts_.lists.comments.size())) return;
    panel_.comment = index;
    if (panel_.setup == 3) panel_.personalityShown = index == 0;
    Changed();
}

void NetPlayersSetup::PersonalityChosen(int index) {
    if (index < 0 || index >= static_cast<int>(parts_.lists.personalities.size())) return;
    panel_.personality = index;
    Changed();
}

void NetPlayersSetup::AddAvatar() {
    const auto before = parts_.lists.avatars;
    auto listed = parts_.importAvatar();
    if (!listed) return;
    parts_.lists.avatars = *listed;
    if (parts_.lists.avatars.empty()) parts_.lists.avatars.emplace_back();
    for (size_t i = 1; i < parts_.lists.avatars.size(); ++i)
        if (std::find(before.begin(), before.end(), parts_.lists.avatars[i]) == before.end()) {
            AvatarScrolled(static_cast<int>(i));
            return;
        }
    panel_.avatar = FindAvatar(panel_.avatarFile);
}

void NetPlayersSetup::Apply() {
    if (panel_.setup == 3 ? SavePlayer() : SaveOpponent()) applyEnabled_ = false;
}

bool NetPlayersSetup::SavePlayer() {
    Game& g = parts_.game;
    SeatRecord& own = parts_.ownSeat;
    const SeatRecord before = own;
    own.Avatar = panel_.playerAvatar ? panel_.avatarFile : "";
    own.Comments = CommentAt(panel_.comment);
    if (!parts_.saveProfile()) {
        own = before;
        parts_.dialogs.MsgBox("Here's the problem:\nThe player file could not be written.",
                              mb::OkOnly | mb::Exclamation, kErrorTitle);
        return false;
    }
    g.PlayerAvatar = own.Avatar;
    parts_.redrawAvatars();
    // The chat's remarks follow the choice at once.
    bool loaded = false;
    if (own.Comments == kDefaultComments) {
        parts_.netCommentFile = At(parts_.lists.personalities, panel_.personality);
        loaded = LoadPmsComments(g, parts_.netCommentFile);
    } else if (own.Comments != kNoComments) {
        loaded = LoadCmtFile(g, own.Comments);
    }
    if (loaded) parts_.chatLinesLoaded();
    return true;
}

bool NetPlayersSetup::SaveOpponent() {
    Game& g = parts_.game;
    const std::string typed = Trim(panel_.name);
    if (!typed.empty() && RefusedName(typed)) return false;
    OpponentRecord& opp = g.Opp[static_cast<size_t>(panel_.setup + 1)];
    // An empty name keeps the name the opponent uses.
    const std::string name = typed.empty() ? opp.Name : StoredPlayerName(typed);
    const std::string comments = CommentAt(panel_.comment);
    std::string error;
    if (!SaveNetAvatar(g.AppFolder, g.PlayerName, name, panel_.avatarFile, comments, &error)) {
        parts_.dialogs.MsgBox("Here's the problem:\n" + error, mb::OkOnly | mb::Exclamation,
                              kErrorTitle);
        return false;
    }
    opp.Name = name;
    opp.Avatar = panel_.avatarFile;
    opp.CommentFile = comments;
    parts_.redrawAvatars();
    parts_.showPlayerNames();
    return true;
}

void NetPlayersSetup::AskSaveSettings() {
    if (!applyEnabled_) return;
    const std::string text = panel_.setup == 3 ? "Did you want to save your settings?"
                                               : "Did you want to save Opponent" +
                                                     Str(panel_.setup + 1) + "'s settings?";
    if (parts_.dialogs.MsgBox(text, mb::YesNo | mb::Question, "Save Settings?") == mb::Yes) Apply();
    applyEnabled_ = false;
}

void NetPlayersSetup::ScoreOptionClicked(int index) {
    scoreOption_ = index == 1 ? 1 : 0;
    if (scoreOption_ == 0) {
        scoreCaption_ = ScoreFileCaption("");
        return;
    }
    competitions_ =
        FillScoreFileList(parts_.game.AppFolder, Trim(playerName_), parts_.competitionFile);
    scoreCaption_ = competitions_.caption;
    competitionText_ = competitions_.shown >= 0 ? competitions_.entries[0] : "";
}

void NetPlayersSetup::CompetitionChosen(int index) {
    const std::string name = At(competitions_.entries, index);
    if (name.empty()) return;
    parts_.competitionFile = name;
    competitionText_ = name;
    scoreCaption_ = ScoreFileCaption(name);
}

void NetPlayersSetup::CompetitionTyped(const std::string& text) {
    competitionText_ = text;
    scoreCaption_ = "Use Score File: " + text;
}

bool NetPlayersSetup::RefusedName(const std::string& name) const {
    // Names stand in file names and, one byte a letter, in the score files and on the wire.
    const std::string n = Trim(name);
    return !n.empty() &&
           (BadFileChars(n, parts_.dialogs) || BadLetters(n, kNameLetters, parts_.dialogs));
}

bool NetPlayersSetup::Done() {
    if (RefusedName(playerName_) || RefusedName(opponentName_)) return false;
    if (scoreOption_ == 1 && RefusedName(competitionText_)) return false;
    if (SameName(opponentName_, "BRIVO")) {
        parts_.dialogs.MsgBox(
            "Pick a different player name. There is only ONE Brivo and he doesn't play on the "
            "Internet.",
            mb::OkOnly | mb::Exclamation, "Quorvane");
        return false;
    }
    if (scoreOption_ == 1) {
        const std::string chosen = Trim(competitionText_);
        if (chosen.empty()) {
            parts_.dialogs.MsgBox(
                "Pick a Score file name, enter a new competition filename,\nor switch back to "
                "default.",
                mb::OkOnly | mb::Information, "Which Score File?");
            return false;
        }
        parts_.competitionFile = chosen;
    } else {
        parts_.competitionFile.clear();
    }
    if (!Trim(playerName_).empty()) parts_.game.PlayerName = StoredPlayerName(playerName_);
    AskSaveSettings();
    parts_.showPlayerNames();
    return true;
}

void NetPlayersSetup::Cancel() {
    AskSaveSettings();
}
