#pragma once
// Everything outside the game's core that the engine and the computer opponent reach: the
// window's dialogs, sounds, the board, the status bar, the network, the settings store, the
// pause and the computer's turn. The Qt shell fills it with the real ones, tests with headless
// ones (tests/support).
#include "engine/ports/board_port.h"
#include "engine/ports/dialog_host.h"
#include "engine/ports/net_port.h"
#include "engine/ports/records_port.h"
#include "engine/ports/status_port.h"
#include "engine/ports/turn_port.h"
#include "engine/ports/window_port.h"
#include "platform/dialogs.h"
#include "platform/pause.h"
#include "platform/settings_store.h"
#include "platform/sounds.h"

struct Services {
    Dialogs* dialogs = nullptr;
    Sounds* sounds = nullptr;
    BoardPort* board = nullptr;
    StatusPort* status = nullptr;
    NetPort* net = nullptr;
    RecordsPort* records = nullptr;
    SettingsStore* settings = nullptr;
    Pauser* pauser = nullptr;
    TurnPort* turns = nullptr;
    WindowPort* window = nullptr;
    // The dialog windows; never null: without windows every form answers "not available".
    DialogHost* dialogHost = &NoDialogHost::Instance();

    void Pause(double seconds) const {
        if (pauser) pauser->Pause(seconds);
    }
};
