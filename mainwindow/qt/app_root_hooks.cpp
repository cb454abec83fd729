// The composition root's check of its own work: every hook between the parts is set before the
// program starts, so that no command, key or line from a peer can end in a path that does
// nothing.
#include <cstdio>

#include "board/qt/board_shell.h"
#include "board/qt/qt_board.h"
#include "mainwindow/qt/app_root.h"
#include "mainwindow/qt/avatar_remarks.h"
#include "mainwindow/qt/developer_keys.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/main_window_drag.h"
#include "mainwindow/qt/main_window_keys.h"
#include "mainwindow/qt/menu_controller.h"
#include "mainwindow/qt/window_shows.h"
#include "mainwindow/startup_texts.h"
#include "net/qt/internet_game.h"
#include "net/qt/net_windows.h"
#include "records/qt/records_windows.h"
#include "records/qt/settings_windows.h"

std::vector<std::string> AppRoot::UnsetHooks() {
    HookCheck check;
    board_->board->NeedHooks(check);
    recordsWindows_->NeedHooks(check);
    main_->NeedHooks(check);
    menus_->Hooks().NeedHooks(check);
    keys_->Command().NeedHooks(check);
    settingsWindows_->NeedHooks(check);
    netWindows_->NeedHooks(check);
    internet_->NeedHooks(check);
    netPlay_->turns.NeedHooks(check);
    drag_->NeedHooks(check);
    windowPort_.NeedHooks(check);
    window_.NeedHooks(check);
    shows_->NeedHooks(check);
    status_.NeedHooks(check);
    avatarRemarks_->NeedHooks(check);
    developerKeys_->NeedHooks(check);
    OpponentsSetupParts().NeedHooks(check);
    return check.Unset();
}

bool AppRoot::RefuseUnsetHooks() {
    const std::vector<std::string> unset = UnsetHooks();
    if (unset.empty()) return true;
    std::string names;
    for (const std::string& name : unset) names += "\n" + name;
    std::fprintf(stderr, "quorvane: parts left unconnected:%s\n", names.c_str());
    dialogs_.MsgBox(
        "Unable to start Quorvane!\nParts of the program were left unconnected:" + names,
        mb::Critical, startup_text::kTitle);
    return false;
}
