#include "mainwindow/key_command.h"

#include "mainwindow/key_codes.h"

namespace {
constexpr const char* kTutorialText = "Please don't use the Menus during the tutorial.";
constexpr const char* kTutorialTitle = "Using Tutorial";
}  // namespace

KeyCommand::KeyCommand(KeyCommandParts parts, KeyCommandCalls calls)
    : p_(parts), calls_(std::move(calls)) {}

void KeyCommand::Run(i16 keyCode, i16 shift) {
    Game& g = p_.g;
    shift = static_cast<i16>(shift & shift_bit::kMask);
    calls_.stopIdleTimer();
    // A key while the end-of-game animation runs only stops it. Outside an animation nothing is
    // swallowed, so the first key of a session does what it says.
    if (g.AnimationRunning && !p_.window.AnimationStop) {
        p_.window.AnimationStop = true;
        return;
    }
    if (g.TutorialOn || calls_.tutorialOn()) {
        Tell(kTutorialText, mb::Information, kTutorialTitle);
        return;
    }
    if (g.MenusLocked) return;
    if (KeyboardMove(keyCode)) return;
    DropPendingMove();
    if (keyCode == vk::Escape) calls_.hideMenus();
    // Internet game set up with nobody connected yet: only F11 (ending it) is open.
    if (shift == 0 && g.NetConnected == 99 && keyCode != vk::F11) return;
    const KeyRow* row = FindAllowedKeyRow(keyCode, shift, g.NetConnected, g.IsHost, g.Pturn);
    if (!row) return;
    RunRow(*row, keyCode);
}

void KeyCommand::Tell(const std::string& text, int style, const std::string& title) const {
    if (p_.sv.dialogs) p_.sv.dialogs->MsgBox(text, style, title);
}

void KeyCommand::Refresh() const {
    calls_.refresh();
}
