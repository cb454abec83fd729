#pragma once
// The Game menu's Save and Restore commands around the saved-game dialog: the slot list they
// show, and what they write or restore once the dialog has closed. The dialog itself is shown
// through a function, so that the commands run in tests with a scripted answer.
#include <functional>
#include <optional>
#include <string>

#include "engine/game.h"
#include "engine/services.h"
#include "records/game_records.h"
#include "records/save_slots.h"

struct SaveDialogResult {
    bool cancelled = true;
    SaveChoice choice;
    bool secureSave = false;  // a saved Internet game chosen inside an Internet game
};

struct SavedGamesParts {
    Game& g;
    GameRecords& records;
    const Services& sv;
    // Shows the dialog modally on the list and the game around it; returns what it decided.
    std::function<SaveDialogResult(const SaveDialogState&, const SaveContext&)> showDialog;
    // Developer mode: the turn count to use for the AutoSave slot; nothing when not answered.
    std::function<std::optional<int>()> askTurnCount;
    std::string dateText;  // today in the short date form
    std::string timeText;  // now as hh:mm
};

// What the dialog needs to know of the game.
SaveContext SaveContextOf(const SavedGamesParts& p);

// Save: with a game on, the ten slots; the chosen one gets the game under its title. True when a
// game was written.
bool SaveGameCommand(SavedGamesParts& p);

struct RestoreOutcome {
    bool restored = false;
    bool secureSave = false;
};
// Restore: the slots holding a game and, outside Internet games, the previous turn; the chosen
// record goes onto the table. Before any turn, the previous turn has nothing to restore.
RestoreOutcome RestoreGameCommand(SavedGamesParts& p);

inline constexpr const char* kNoGameToSave = "There's no game to save!";
inline constexpr const char* kNoMoveToRestore = "No move to restore!";
