#include "mainwindow/shutdown.h"

#include <filesystem>

#include "platform/file_util.h"
#include "platform/vb_strings.h"

namespace fs = std::filesystem;

namespace {
void RemoveMatching(const std::string& folder, const std::string& ext) {
    for (const std::string& name : ListFiles(folder, ext)) {
        std::error_code ec;
        fs::remove(JoinPath(folder, name), ec);
    }
}

void Tell(const Services& sv, const std::string& text) {
    if (sv.dialogs) sv.dialogs->MsgBox(text, mb::Exclamation, kSaveFailedTitle);
}

bool SaveSettingsRecords(const std::string& appFolder, const SessionRecord& session,
                         std::string* error) {
    ScoresFile file(JoinPath(appFolder, "Data/scores.ran"));
    if (!file.Load(error)) return false;
    PutSessionSettings(file, session.Settings);
    PutWindowSettings(file, session.DisplayMode, session.Window);
    return file.Save(error);
}
}  // namespace

std::string SettingsNotSavedText(const std::string& error) {
    return "Your display and window settings could not be saved, so the game will start with "
           "the previous ones next time.\n\n" +
           error;
}

std::string ProfileNotSavedText(const std::string& error) {
    return "Your profile could not be saved, so this session's choices are lost.\n\n" + error;
}

void RemoveTemporaryFiles(const std::string& appFolder) {
    RemoveMatching(JoinPath(appFolder, "Data"), ".tmp");
    RemoveMatching(JoinPath(appFolder, "Sounds"), ".pmw");
}

bool ExitLeft(Game& g, MainWindowState& w, const Services& sv, ShutdownPort& port,
              const SessionRecord& session) {
    if (w.ShutDown) return true;
    w.ShutDown = true;
    w.ClosePending = false;
    g.StopFlag = VbTrue;
    if (g.AnimationRunning || w.AnimationStop) w.AnimationStop = w.DealAfterAnimation = true;

    // The personality's farewell, with every sound on.
    if (g.SoundMode == 0 && sv.sounds && !Trim(g.CompSounds[2]).empty())
        sv.sounds->PlaySound(g.CompSounds[2], false);
    RemoveTemporaryFiles(g.AppFolder);
    // The move history is the current turn's only; the autosave choice itself is kept.
    std::error_code ec;
    fs::remove(JoinPath(g.AppFolder, "~tempmoves.sav"), ec);

    if (g.NetConnected != 0) port.SignOffNet();

    bool ok = true;
    std::string error;
    if (!SaveSettingsRecords(g.AppFolder, session, &error)) {
        ok = false;
        Tell(sv, SettingsNotSavedText(error));
    }
    error.clear();
    if (!port.SavePlayerProfile(&error)) {
        ok = false;
        // An empty reason: the profile has told the player itself.
        if (!error.empty()) Tell(sv, ProfileNotSavedText(error));
    }
    port.CleanUpFontsAndForms();
    return ok;
}
