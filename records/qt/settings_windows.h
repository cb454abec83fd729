#pragma once
// The windows where the player changes how the game plays and looks, as the main window's menus
// and keys open them: the speed, the preferences with the installed card decks, the house rules
// and the opponents setup. Each is modal and made anew for every opening; what it decided goes
// back to the caller (CancelFlag, RulesChanged) and its changes reach the table through the
// hooks the composition root gives.
#include <QImage>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "platform/hook_check.h"
#include "records/preferences.h"
#include "shared/profile_state.h"

class QWidget;

struct SettingsWindowsParts {
    Engine& engine;
    ProfileState& profile;
    QWidget* window = nullptr;  // the main window, parent of every dialog
    bool lowColour = false;     // a screen of fewer than 16 bits per pixel
    // The applied preferences as the table holds them, and their Apply: the table shows them.
    std::function<PreferenceValues()> currentPrefs{};
    std::function<void(const PreferenceValues&, const PreferenceEffects&)> applyPrefs{};
    // The table's background picture (null: the plain mat) and its Up/Down keys.
    std::function<QImage()> background{};
    std::function<void(int keyCode)> cycleBackground{};
    // Writes the signed-in player's profile; false when it could not be written.
    std::function<bool()> saveProfile{};
    // The first opponent's name becomes the current opponent's on the main window.
    std::function<void()> changePerson{};
    // The main window's avatar picture: shown or hidden, and whether it shows.
    std::function<void(bool)> showAvatar{};
    std::function<bool()> avatarShown{};
    // Imports a picture into the Avatars folder; the avatar list after it, or nothing.
    std::function<std::optional<std::vector<std::string>>()> importAvatar{};
    // Opens the help at a topic; without it the help buttons explain themselves.
    std::function<void(const std::string& topic)> showHelp{};
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("SettingsWindowsParts")
            .Need("currentPrefs", currentPrefs)
            .Need("applyPrefs", applyPrefs)
            .Need("background", background)
            .Need("cycleBackground", cycleBackground)
            .Need("saveProfile", saveProfile)
            .Need("changePerson", changePerson)
            .Need("showAvatar", showAvatar)
            .Need("avatarShown", avatarShown)
            .Need("importAvatar", importAvatar)
            .Need("showHelp", showHelp);
    }
};

class SettingsWindows {
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const { p_.NeedHooks(check); }
    explicit SettingsWindows(SettingsWindowsParts parts) : p_(std::move(parts)) {}

    // "Speed Settings": the changes take effect while the bars move.
    void ShowSpeed();
    // "Preferences": true when it was cancelled or closed (CancelFlag).
    bool ShowPreferences();
    // "Rules": RulesChanged (the applied change needs a new game).
    bool ShowRules();
    // "Opponents Setup": CancelFlag (cancelled, closed, or Done with the counts unchanged). The
    // player and center counts Done chose are in the game; the seats saved meanwhile are in the
    // profile and on the opponents either way.
    bool ShowOpponentsSetup();

  private:
    SettingsWindowsParts p_;
};
