#pragma once
// The end of the program, in order: every loop stopped, the temporary files removed, the
// Internet game signed off, the machine-wide settings and the player's profile written, then
// the fonts and the other windows let go. A failure to write the settings or the profile is
// told to the player; what was written before it stays written, and the rest still runs.
#include <string>

#include "engine/game.h"
#include "engine/services.h"
#include "mainwindow/main_window_state.h"
#include "mainwindow/settings_records.h"

// What of shutdown only the window can do.
class ShutdownPort {
  public:
    virtual ~ShutdownPort() = default;
    // An Internet game: the sign-off lines to the peers, the sockets closed, the chat window
    // closed.
    virtual void SignOffNet() = 0;
    // Writes the signed-in player's profile; false with `error` when it could not be written
    // (an empty `error` when the player has been told already).
    virtual bool SavePlayerProfile(std::string* error) = 0;
    // Removes the program's fonts and closes every window but the main one.
    virtual void CleanUpFontsAndForms() = 0;
};

// The state of the session that shutdown stores in "Data/scores.ran".
struct SessionRecord {
    SessionSettings Settings;
    int DisplayMode = 0;
    WindowPlace Window;
};

// Removes the run's temporary files: every "Data/*.tmp" (the built-in sounds and the card
// faces) and "Sounds/*.pmw" (unpacked chat sounds).
void RemoveTemporaryFiles(const std::string& appFolder);

// The shutdown sequence. Runs once; later calls do nothing. True when everything was saved.
bool ExitLeft(Game& g, MainWindowState& w, const Services& sv, ShutdownPort& port,
              const SessionRecord& session);

// Titles and texts of the failure messages.
inline constexpr const char* kSaveFailedTitle = "Quorvane";
std::string SettingsNotSavedText(const std::string& error);
std::string ProfileNotSavedText(const std::string& error);
