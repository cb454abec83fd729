// The composition root's part for the windows of the settings and of Internet play: each gets
// its hands on the table, the profile and the main window, and joins the dialog host.
#include <QImage>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/change_person.h"
#include "mainwindow/qt/app_root.h"
#include "mainwindow/qt/avatar_remarks.h"
#include "mainwindow/qt/dialog_openers.h"
#include "mainwindow/qt/frm_background.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/main_window_keys.h"
#include "mainwindow/qt/preferences_apply.h"
#include "mainwindow/qt/table_controls.h"
#include "mainwindow/qt/window_profile_target.h"
#include "net/qt/net_windows.h"
#include "records/folder_lists.h"
#include "records/profiles.h"
#include "records/qt/settings_windows.h"

namespace {
constexpr int kKeyUp = 38;
}

// The table's background picture, null while the plain mat shows.
QImage AppRoot::BackgroundPicture() const {
    return TableBackgroundPicture(looks_, appFolder_);
}

void AppRoot::ShowAvatar(bool on) {
    board_->layout.Ctl("ImgAvatar").Visible = on;
    board_->ApplyWidgets();
}

std::optional<std::vector<std::string>> AppRoot::ImportAvatar() {
    main_->Get_Avatars();
    return ListAvatars(appFolder_);
}

void AppRoot::ComposeDialogWindows() {
    SettingsWindowsParts s{engine_, records_.Profile()};
    s.window = &window_;
    s.lowColour = state_.ColorDepth > 0 && state_.ColorDepth < 16;
    s.currentPrefs = [this] { return profileTarget_->CurrentWorkingPrefs(); };
    s.applyPrefs = [this](const PreferenceValues& v, const PreferenceEffects& fx) {
        ApplyPreferences({game_, *board_, looks_, *profileTarget_}, v, fx);
    };
    s.background = [this] { return BackgroundPicture(); };
    s.cycleBackground = [this](int keyCode) {
        if (keys_) keys_->KeyPressed(keyCode == kKeyUp ? Qt::Key_Up : Qt::Key_Down, {});
    };
    s.saveProfile = [this] { return profiles_->OpenPlayerPrefs(false); };
    s.changePerson = [this] {
        ChangePerson(game_, board_->layout);
        board_->ApplyWidgets();
    };
    s.showAvatar = [this](bool on) { ShowAvatar(on); };
    s.avatarShown = [this] { return board_->layout.Ctl("ImgAvatar").Visible; };
    s.importAvatar = [this] { return ImportAvatar(); };
    s.showHelp = [this](const std::string& topic) {
        if (keys_) keys_->ShowHelp(topic);
    };
    settingsWindows_ = std::make_unique<SettingsWindows>(std::move(s));
    RegisterSettingsWindows(dialogHost_, *settingsWindows_);

    NetWindowsParts n{engine_, records_.Profile(), looks_, chatSeq_, records_.CompetitionFile};
    n.window = &window_;
    n.saveProfile = [this] { return profiles_->OpenPlayerPrefs(false); };
    n.showAvatar = [this](bool on) { ShowAvatar(on); };
    n.avatarShown = [this] { return board_->layout.Ctl("ImgAvatar").Visible; };
    n.redrawAvatars = [this] { board_->view->update(); };
    n.showPlayerNames = [this] {
        board_->layout.Ctl("Label9", 3).Caption = game_.PlayerName;
        board_->layout.Show_PlayerNames(game_);
        board_->ApplyWidgets();
    };
    n.importAvatar = [this] { return ImportAvatar(); };
    n.avatarSlap = [this] {
        if (avatarRemarks_) avatarRemarks_->AvatarSlap();
    };
    n.showEmoticon = [this](const std::string& path) { ShowTableEmoticon(*board_, path); };
    // The clean-up after an Internet game sends "": the notice goes with its text.
    n.showPeek = [this](const std::string& text) {
        ShowTableLabel(*board_, "LabelPeek", text);
        if (text.empty()) SetTableControlVisible(*board_, "LabelPeek", false);
    };
    n.showHelp = [this](const std::string& topic) {
        if (keys_) keys_->ShowHelp(topic);
    };
    netWindows_ = std::make_unique<NetWindows>(std::move(n));
    RegisterNetWindows(dialogHost_, *netWindows_);
}
