#include "records/qt/settings_windows.h"

#include <QWidget>

#include "board/qt/cls_dll.h"
#include "platform/file_util.h"
#include "records/folder_lists.h"
#include "records/opponents_setup.h"
#include "records/qt/frm_multi.h"
#include "records/qt/frm_options.h"
#include "records/qt/frm_rules.h"
#include "records/qt/frm_speed.h"

namespace {

constexpr i32 kWhite = 0xFFFFFF;

// The opponents setup's lists: the personalities with their descriptions, the comment sets
// ("Default Personality", the comment files, "No Comments") and the avatar pictures.
SetupLists OpponentLists(const std::string& appFolder) {
    SetupLists lists;
    for (const PersonalityEntry& e : ListPersonalities(appFolder)) {
        lists.personalities.push_back(e.name);
        lists.descriptions.push_back(e.description);
    }
    lists.comments.push_back(kDefaultComments);
    const std::vector<std::string> files = ListCommentFiles(appFolder);
    if (!files.empty()) lists.comments.insert(lists.comments.end(), files.begin() + 1, files.end());
    lists.comments.push_back(kNoComments);
    lists.avatars = ListAvatars(appFolder);
    return lists;
}

}  // namespace

void SettingsWindows::ShowSpeed() {
    FrmSpeed form(p_.engine.g, p_.window);
    form.exec();
}

bool SettingsWindows::ShowPreferences() {
    ClsDll decks = ClsDll::Installed();
    OptionsParts parts;
    parts.applied = p_.currentPrefs();
    parts.decks = &decks;
    parts.lowColour = p_.lowColour;
    parts.apply = p_.applyPrefs;
    parts.background = p_.background;
    parts.cycleBackground = p_.cycleBackground;
    Dialogs* dialogs = p_.engine.sv.dialogs;
    parts.chooseColour = [dialogs](std::optional<i32> preset) -> std::optional<i32> {
        if (!dialogs) return std::nullopt;
        return dialogs->ChooseColor(preset.value_or(kWhite));
    };
    FrmOptions form(std::move(parts), p_.window);
    form.exec();
    return form.cancelled();
}

bool SettingsWindows::ShowRules() {
    return FrmRules::Run(p_.engine, p_.showHelp, p_.window);
}

bool SettingsWindows::ShowOpponentsSetup() {
    Game& g = p_.engine.g;
    ProfileState& ps = p_.profile;
    PreferenceValues prefs = p_.currentPrefs();
    std::string avatar = prefs.PlayerAvatar;
    OpponentsSetupParts parts(g, ps.PlayerPrefs.Seats, avatar, *p_.engine.sv.dialogs);
    parts.sounds = p_.engine.sv.sounds;
    parts.board = p_.engine.sv.board;
    parts.avatarShown = p_.avatarShown();
    parts.lists = OpponentLists(g.AppFolder);
    parts.saveProfile = p_.saveProfile;
    parts.changePerson = p_.changePerson;
    parts.showAvatar = p_.showAvatar;
    parts.importAvatar = p_.importAvatar;
    Dialogs& dialogs = *p_.engine.sv.dialogs;
    parts.chooseSound = [&dialogs](const std::string& folder) {
        return dialogs.ChooseOpenFile("Get New Sound", folder, "Wav Sounds (*.wav)");
    };
    parts.faceDeck = prefs.FaceDeck;
    FrmMulti form(std::move(parts), p_.window);
    form.exec();
    // "Save Player" chose the player's picture: it goes with the rest of the player's settings.
    if (avatar != prefs.PlayerAvatar) {
        g.PlayerAvatar = avatar;
        prefs = p_.currentPrefs();
        prefs.PlayerAvatar = avatar;
        p_.applyPrefs(prefs, {});
    }
    // The seats saved meanwhile are written already; the switches go with the profile.
    if (!form.cancelFlag()) p_.saveProfile();
    return form.cancelFlag();
}
