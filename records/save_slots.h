#pragma once
// The saved-game dialog's logic: the slot list the Save and Restore commands show, the title
// proposed for a slot, what the buttons decide, and which record the AutoSave slot restores.
#include <array>
#include <optional>
#include <string>

#include "shared/game_state_record.h"

enum class SaveMode { Save, NetSave, Restore };

namespace save_records {
inline constexpr int kSlots = 10;     // records 1-10: the player's saved games
inline constexpr int kAutoSlot = 11;  // the list's eleventh box: the previous turn
}  // namespace save_records

// A record holds a game when someone is on turn in it.
inline bool HoldsGame(const GameStateRecord& rec) {
    return rec.Pturn != 0;
}
// A title saved by NET Save starts with this mark, which the list never shows.
bool IsNetSaveTitle(const std::string& title);

// How a slot box looks: at rest, chosen for saving, or chosen for restoring (also locked).
enum class SlotLook { Rest, Chosen, Highlight };

struct SlotBox {
    std::string text;
    bool enabled = true;
    SlotLook look = SlotLook::Rest;
};

// What the dialog was opened with and has decided.
struct SaveDialogState {
    SaveMode mode = SaveMode::Save;
    std::array<SlotBox, 12> boxes;       // 1-10 the slots, 11 the AutoSave slot
    std::array<std::string, 11> titles;  // SaveTitles(1-10): what the save list shows
    bool autoSaveShown = false;          // the AutoSave switch and slot (Restore, local games)
    bool autoSaveTicked = false;
    int selSlot = 0;
    std::string hint;  // Label1
};

// The list the Save command shows: every slot's title, "game  k" for an untitled one.
// `titles[k]` is the stored title of record k.
SaveDialogState SaveListFor(bool internetGame, const std::array<std::string, 11>& titles);

// The list the Restore command shows: slots whose record holds a game are enabled and show its
// title; `recordCount` is the number of records in the store (slots past its end stay disabled).
// The AutoSave slot and switch are offered outside Internet games.
SaveDialogState RestoreListFor(const std::array<GameStateRecord, 12>& records, long recordCount,
                               bool internetGame, bool moveHistoryOn);

// What the dialog needs to know of the game around it.
struct SaveContext {
    int numPlayers = 2;
    int netConnected = 0;
    bool isHost = true;
    bool devMode = false;
    std::string opponentName;    // the host's view of the other player
    std::string hostPlayerName;  // a remote's view
    std::string dateText;        // today in the short date form
    std::string timeText;        // now as hh:mm
};

// The title a slot is given when it is clicked in the save modes.
std::string ProposedTitle(SaveMode mode, const SaveContext& ctx);

// The mouse pressed on a slot: in local Save mode the slot is emptied for typing.
void SlotPressed(SaveDialogState& st, int slot, const SaveContext& ctx);

// A click on a slot. For Restore, `clickedRecord` is the slot's record; the result is the message
// to show (a saved Internet game outside an Internet game) or empty. `secureSave` is set when a
// saved Internet game is chosen inside one.
std::string SlotClicked(SaveDialogState& st, int slot, const SaveContext& ctx,
                        const GameStateRecord& clickedRecord, bool& secureSave);
inline constexpr const char* kNetRestoreRefusal =
    "Saved Internet games can only be restored online from the Internet Menu.";

// What the dialog hands back when it closes.
struct SaveChoice {
    int slot = 0;
    std::string title;
};

// The Save / Restore button: nothing (and the hint "Select a game slot!") when no slot is
// chosen; otherwise the slot and its title ("saved game k" for a blank one, "^^" in front for a
// NET Save).
std::optional<SaveChoice> Confirm(SaveDialogState& st, const SaveContext& ctx);

// Cancel asks first when a slot was chosen for saving.
bool CancelAsks(const SaveDialogState& st);
inline constexpr const char* kCancelQuestion =
    "Did you want to save this game?\nClick the Save button to save.";

// The record the AutoSave slot restores: the start of the previous turn, by the parity of the
// turn counter; nothing while no turn has been played (the caller says "No move to restore!").
std::optional<int> PreviousTurnRecord(int moveCounter);

// The record the Restore command reads for a chosen slot (1-10 themselves, 11 by the turn
// counter); nothing for the AutoSave slot before any turn.
std::optional<int> RestoreRecordFor(int slot, int moveCounter);

// A title as stored: at most 30 characters.
std::string StoredTitle(const std::string& title);
