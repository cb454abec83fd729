#include "records/opponents_setup.h"

#include <algorithm>
#include <filesystem>

#include "engine/personality.h"
#include "engine/shared_helpers.h"
#include "platform/file_util.h"
#include "platform/text_codec.h"
#include "platform/vb_strings.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kSeatNameWidth = 20;

bool IsBlank(const std::string& field) {
    const std::string t = Trim(field);
    return t.empty() || t[0] == '\0';
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

int IndexOf(const std::vector<std::string>& list, const std::string& wanted) {
    const auto it = std::find(list.begin(), list.end(), wanted);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

std::string At(const std::vector<std::string>& list, int i) {
    return i >= 0 && i < static_cast<int>(list.size()) ? list[static_cast<size_t>(i)] : "";
}

}  // namespace

OpponentsSetup::OpponentsSetup(OpponentsSetupParts parts) : parts_(std::move(parts)) {}

void OpponentsSetup::Open() {
    const Game& g = parts_.game;
    seatLevels_[0] = parts_.seats[1].Level;
    adjust_ = {g.NoWinAnimation != VbFalse, g.NoLoseAnimation != VbFalse, g.SoundMode != 0};
    if (g.NumPlayers == 2) setupCenters_ = g.NumCenters != 3 ? 4 : 3;
    changedSetting_ = changedPerson_ = saveEnabled_ = false;
    PlayersClicked(std::clamp<int>(g.NumPlayers - 2, 0, 2));
}

void OpponentsSetup::PlayersClicked(int index) {
    index = std::clamp(index, 0, 2);
    const Game& g = parts_.game;
    setupPlayers_ = index + 2;
    if (index > 0)
        setupCenters_ = 4;  // three or four players always play on four centers
    else if (g.NumPlayers != 2 || g.NumCenters == 3)
        setupCenters_ = 3;
    SeatClicked(index);
}

void OpponentsSetup::CentersClicked(int index) {
    setupCenters_ = index == 1 ? 4 : 3;
}

void OpponentsSetup::SeatClicked(int index) {
    if (index < 0 || index > 3) return;
    if (index != panel_.seat && changedSetting_) AskSaveSettings();
    if (index == 3)
        ShowPlayerSeat();
    else
        ShowOpponentSeat(index);
}

void OpponentsSetup::ShowOpponentSeat(int index) {
    const SetupLists& l = parts_.lists;
    SeatRecord& seat = parts_.seats[static_cast<size_t>(index + 1)];
    const int shownComment = panel_.comment;
    panel_ = {};
    panel_.seat = index;
    panel_.caption = "Setup for Opponent" + Str(index + 1);
    if (IsBlank(seat.Name)) {
        // A seat never set up starts as the personality of its place in the list (the first one
        // where the list is shorter).
        std::string name = At(l.personalities, index);
        if (name.empty()) name = At(l.personalities, 0);
        if (name.empty()) name = kDefaultPersonality;
        seat.Name = name;
        seat.Level = 0;
        seat.Avatar = name + ".jpg";
        seat.SoundSet = 0;
        const std::string comments = At(l.comments, shownComment);
        seat.Comments = comments.empty() ? kDefaultComments : comments;
        WriteProfile();
    }
    oldPersonality_ = Trim(seat.Name);
    panel_.personality = IndexOf(l.personalities, oldPersonality_);
    panel_.description = At(l.descriptions, panel_.personality);
    panel_.level = std::clamp<int>(seat.Level, 0, 2);
    seatLevels_[static_cast<size_t>(index)] = static_cast<i16>(panel_.level);
    panel_.avatar = FindAvatar(Trim(seat.Avatar));
    panel_.avatarFile = At(l.avatars, panel_.avatar);
    panel_.soundSet = seat.SoundSet == 1 ? 1 : 0;
    panel_.comment = CommentIndexOf(seat);
    changedSetting_ = changedPerson_ = saveEnabled_ = false;
}

void OpponentsSetup::ShowPlayerSeat() {
    const int avatar = panel_.avatar;
    panel_ = {};
    panel_.seat = 3;
    panel_.caption = "Setup for Player";
    panel_.avatar = avatar;
    if (!parts_.playerAvatar.empty()) {
        panel_.showPlayerAvatar = true;
        panel_.avatar = FindAvatar(parts_.playerAvatar);
        panel_.avatarFile = At(parts_.lists.avatars, panel_.avatar);
    }
    changedSetting_ = saveEnabled_ = false;
}

int OpponentsSetup::FindAvatar(const std::string& file) const {
    const auto& avatars = parts_.lists.avatars;
    for (size_t i = 1; i < avatars.size(); ++i)
        if (Trim(avatars[i]) == file) return static_cast<int>(i);
    return avatars.size() > 1 ? 1 : 0;
}

// The comment set's entry; a comment file that has gone turns the seat back to the
// personality's own remarks, and the profile keeps that.
int OpponentsSetup::CommentIndexOf(SeatRecord& seat) {
    const auto& comments = parts_.lists.comments;
    const std::string set = Trim(seat.Comments);
    if (set == kNoComments) return std::max(0, static_cast<int>(comments.size()) - 1);
    if (set == kDefaultComments || set.empty()) return 0;
    const int at = IndexOf(comments, set);
    if (at > 0 && CommentFilePath(parts_.game.AppFolder, set)) return at;
    seat.Comments = kDefaultComments;
    WriteProfile();
    return 0;
}

void OpponentsSetup::Changed() {
    changedSetting_ = true;
    saveEnabled_ = true;
}

void OpponentsSetup::PersonalityChosen(int index) {
    const SetupLists& l = parts_.lists;
    if (index < 0 || index >= static_cast<int>(l.personalities.size()) || panel_.seat == 3) return;
    const std::string& name = l.personalities[static_cast<size_t>(index)];
    panel_.personality = index;
    panel_.avatar = FindAvatar(name + ".jpg");
    panel_.avatarFile = At(l.avatars, panel_.avatar);
    panel_.level = 0;
    seatLevels_[static_cast<size_t>(panel_.seat)] = 0;
    panel_.description = At(l.descriptions, index);
    panel_.comment = 0;
    panel_.soundSet = 0;
    panel_.soundPanel = false;
    changedPerson_ = true;
    Changed();
}

void OpponentsSetup::LevelChosen(int index) {
    if (panel_.seat == 3) return;
    panel_.level = std::clamp(index, 0, 2);
    seatLevels_[static_cast<size_t>(panel_.seat)] = static_cast<i16>(panel_.level);
    Changed();
}

void OpponentsSetup::CommentChosen(int index) {
    if (index < 0 || index >= static_cast<int>(parts_.lists.comments.size())) return;
    panel_.comment = index;
    Changed();
}

void OpponentsSetup::SoundSetChosen(int index) {
    panel_.soundSet = index == 1 ? 1 : 0;
    Changed();
}

void OpponentsSetup::AvatarScrolled(int value) {
    const int count = static_cast<int>(parts_.lists.avatars.size()) - 1;
    if (count < 1) return;
    panel_.avatar = std::clamp(value, 1, count);
    panel_.avatarFile = parts_.lists.avatars[static_cast<size_t>(panel_.avatar)];
    if (panel_.seat == 3) panel_.showPlayerAvatar = true;
    Changed();
}

void OpponentsSetup::AddAvatar() {
    const auto before = parts_.lists.avatars;
    auto listed = parts_.importAvatar();
    if (!listed) return;
    parts_.lists.avatars = *listed;
    if (parts_.lists.avatars.empty()) parts_.lists.avatars.emplace_back();
    // The picture just imported is the one the list did not have before.
    int pick = static_cast<int>(parts_.lists.avatars.size()) - 1;
    for (size_t i = 1; i < parts_.lists.avatars.size(); ++i)
        if (std::find(before.begin(), before.end(), parts_.lists.avatars[i]) == before.end())
            pick = static_cast<int>(i);
    AvatarScrolled(pick);
}

void OpponentsSetup::PlayerAvatarTicked(bool on) {
    if (panel_.seat != 3) return;
    if (on) {
        AvatarScrolled(1);
        return;
    }
    panel_.showPlayerAvatar = false;
    panel_.avatarFile.clear();
}

void OpponentsSetup::ShowAvatarTicked(bool on) {
    parts_.avatarShown = on;
    parts_.showAvatar(on);
}

void OpponentsSetup::Save() {
    if (panel_.seat == 3) {
        parts_.playerAvatar = panel_.showPlayerAvatar ? panel_.avatarFile : "";
        changedSetting_ = saveEnabled_ = false;
        return;
    }
    const SetupLists& l = parts_.lists;
    const int s = panel_.seat + 1;
    const std::string name =
        panel_.personality >= 0 ? At(l.personalities, panel_.personality) : oldPersonality_;
    if (ToCp1252(name).size() > kSeatNameWidth) {
        Tell("The personality name \"" + name + "\" is longer than a seat can hold (20 letters).",
             "Save Settings");
        return;
    }
    CheckPersonalitySounds(name);
    SeatRecord& seat = parts_.seats[static_cast<size_t>(s)];
    Game& g = parts_.game;
    seat.Name = name;
    seat.Level = seatLevels_[static_cast<size_t>(panel_.seat)];
    seat.Avatar = Trim(panel_.avatarFile);
    seat.Comments = Trim(At(l.comments, panel_.comment));
    if (seat.Comments.empty()) seat.Comments = kDefaultComments;
    seat.SoundSet = static_cast<i16>(panel_.soundSet);
    if (seat.Comments == kNoComments) {
        g.QuietComp = VbTrue;
        for (int i = 1; i <= 33; ++i) g.CompComments[static_cast<size_t>(i)].clear();
    } else {
        g.QuietComp = VbFalse;
    }
    if (name != oldPersonality_) ForgetUnpackedSounds(oldPersonality_);
    WriteProfile();

    SeatToOpp(g, s, seat);
    const std::string warning = LoadPersonality(g, s, s == 1 ? 1 : 0, parts_.board);
    if (s == 1 && parts_.changePerson) parts_.changePerson();
    if (!warning.empty()) Tell(warning, "Opponents Setup");
    oldPersonality_ = name;
    changedPerson_ = false;
    changedSetting_ = saveEnabled_ = false;
}

// A personality's unpacked chat sounds go with the last seat that used it; the default
// personality keeps them.
void OpponentsSetup::ForgetUnpackedSounds(const std::string& oldName) {
    if (oldName.empty() || Upper(oldName) == Upper(kDefaultPersonality) || HasBadFileChars(oldName))
        return;
    for (int s = 1; s <= 3; ++s)
        if (Trim(parts_.seats[static_cast<size_t>(s)].Name) == oldName) return;
    const std::string folder = JoinPath(parts_.game.AppFolder, "Sounds");
    const std::string ending = Upper(oldName + ".pmw");
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() >= ending.size() && it->is_regular_file() &&
            Upper(file.substr(file.size() - ending.size())) == ending)
            fs::remove(it->path(), ec);
    }
}

// Once per opening: a personality other than the default one whose sound files are not in the
// Sounds folder plays silently, and the player is told why.
void OpponentsSetup::CheckPersonalitySounds(const std::string& name) {
    if (soundsWarned_) return;
    soundsWarned_ = true;
    if (Upper(name) == Upper(kDefaultPersonality)) return;
    PmsRecord pms;
    if (!ReadPersonalityFile(parts_.game.AppFolder, name, pms)) return;
    const std::string folder = JoinPath(parts_.game.AppFolder, "Sounds");
    bool missing = false;
    for (int e = 1; e <= kSoundEvents; ++e) {
        const std::string file = Trim(pms.Sound(e, 0));
        if (!file.empty() && !FindNoCase(folder, file)) missing = true;
    }
    if (!missing) return;
    Tell(name +
             "'s personality sounds were not found.\n\nYou can download them separately "
             "from\nthe Quorvane package: installing it again puts them back in the Sounds "
             "folder.\n\nYou can still use these personalities but only Brivo's personality "
             "currently has sounds.",
         "Missing Personality Sounds");
}

void OpponentsSetup::ChangeSounds() {
    if (changedPerson_) {
        Tell("Save this new opponent first, then customize your sounds.",
             "Save before customizing sounds");
        return;
    }
    std::string error;
    if (!ReadCustomSounds(parts_.game.AppFolder, oldPersonality_, choices_, &error)) {
        Tell("The sounds of " + oldPersonality_ + " could not be read.\n\n" + error,
             "Change Sounds");
        return;
    }
    panel_.soundPanel = true;
}

void OpponentsSetup::PlayEvent(int event) {
    if (event < 1 || event > kSoundEvents) return;
    panel_.soundEvent = event;
    const std::string& path = choices_[static_cast<size_t>(event)].path;
    if (!path.empty() && parts_.sounds) parts_.sounds->PlaySound(path, false);
}

void OpponentsSetup::GetNewSound() {
    if (panel_.soundEvent < 1 || !parts_.chooseSound) return;
    const auto path = parts_.chooseSound(JoinPath(parts_.game.AppFolder, "Sounds"));
    if (!path) return;
    choices_[static_cast<size_t>(panel_.soundEvent)] = {fs::path(*path).filename().string(), *path};
    saveEnabled_ = true;
}

void OpponentsSetup::SaveCustom() {
    std::string error;
    if (!SaveCustomSounds(parts_.game.AppFolder, oldPersonality_, choices_, &error)) {
        Tell("The custom sounds could not be saved.\n\n" + error, "Save Custom");
        return;
    }
    for (int e = 1; e <= kSoundEvents; ++e)
        parts_.game.CompSounds[static_cast<size_t>(e)] = choices_[static_cast<size_t>(e)].path;
    panel_.soundPanel = false;
}

void OpponentsSetup::ResetCustom() {
    std::string error;
    if (!ResetCustomSounds(parts_.game.AppFolder, oldPersonality_, choices_, &error))
        Tell("The custom sounds could not be reset.\n\n" + error, "Reset Custom");
}

void OpponentsSetup::AdjustmentClicked(int index, bool on) {
    Game& g = parts_.game;
    if (index < 0 || index > 2) return;
    adjust_[static_cast<size_t>(index)] = on;
    if (index == 0) g.NoWinAnimation = VbBool(on);
    if (index == 1) g.NoLoseAnimation = VbBool(on);
    if (index != 2) return;
    if (on) {
        if (g.SoundMode == 0) g.SoundMode = 1;
        if (panel_.soundSet != 0 && panel_.seat != 3) SoundSetChosen(0);
        panel_.soundPanel = false;
    } else if (g.SoundMode != 0) {
        g.SoundMode = 0;
    }
}

void OpponentsSetup::AskSaveSettings() {
    const std::string question =
        panel_.seat == 3 ? "Did you want to save your Avatar?"
                         : "Did you want to save Opponent" + Str(panel_.seat + 1) + "'s settings?";
    if (parts_.dialogs.MsgBox(question, mb::YesNo | mb::Question, "Save Settings?") == mb::Yes)
        Save();
    else
        saveEnabled_ = false;
    changedSetting_ = false;
}

void OpponentsSetup::Done() {
    if (changedSetting_) AskSaveSettings();
    Game& g = parts_.game;
    if (setupPlayers_ == g.NumPlayers && setupCenters_ == g.NumCenters) {
        cancelFlag_ = true;  // the table stays as it is
        return;
    }
    if (!cancelFlag_ && parts_.faceDeck >= 6 && setupPlayers_ == 2 && g.NumPlayers != 2) {
        for (int k = 2; k <= 3; ++k) {
            g.Opp[static_cast<size_t>(k)].Cards = {};
            g.Opp[static_cast<size_t>(k)].Hold = {};
        }
    }
    if (setupCenters_ != 0) g.NumCenters = static_cast<i16>(setupCenters_);
    g.NumPlayers = static_cast<i16>(setupPlayers_);
}

void OpponentsSetup::Cancel() {
    if (changedSetting_) AskSaveSettings();
    cancelFlag_ = true;
}

bool OpponentsSetup::WriteProfile() {
    if (parts_.saveProfile()) return true;
    Tell(
        "Your profile could not be written, so these choices are kept only until the game "
        "ends.",
        "Opponents Setup");
    return false;
}

void OpponentsSetup::Tell(const std::string& text, const std::string& title) {
    parts_.dialogs.MsgBox(text, mb::Information, title);
}
