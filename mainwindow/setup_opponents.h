#pragma once
// The opponents setup applied from the main window: the computer game's opponents dialog, or in
// an Internet game the Internet players setup or the host's rules; afterwards the profile is
// kept, the avatar and level shown again, and a changed table laid out anew with a new game.
#include <array>
#include <functional>
#include <string>

#include "engine/engine.h"
#include "engine/ports/dialog_host.h"
#include "platform/hook_check.h"

struct SetupOpponentsParts {
    Game& g;
    Engine& engine;
    const std::array<std::string, 3>& levelNames;
    // The signed-in player's profile read again from its file, and written back. The read is
    // optional: a program that keeps the profile current in memory leaves it unset.
    std::function<void()> readProfile;
    std::function<bool()> saveProfile;
    // The player names on the table shown again after a cancel.
    std::function<void()> showPlayerNames;
    // A new game: for everybody in an Internet game, through the Game menu's New Game here.
    std::function<void()> netNewGame;
    std::function<void()> newGame;
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("SetupOpponentsParts")
            .Need("saveProfile", saveProfile)
            .Need("showPlayerNames", showPlayerNames)
            .Need("netNewGame", netNewGame)
            .Need("newGame", newGame);
    }
};

// `rulesOnly`: the host's setup and rules of an Internet game.
void SetupOpponents(SetupOpponentsParts& p, bool rulesOnly);
