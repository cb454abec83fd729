#include "mainwindow/qt/dialog_openers.h"

#include "net/qt/net_windows.h"
#include "records/qt/records_windows.h"
#include "records/qt/settings_windows.h"

namespace {
// A window that stays open answers at once.
DialogResult Shown() {
    return DialogResult{};
}

DialogResult Cancelled(bool cancelled) {
    DialogResult r;
    r.CancelFlag = cancelled;
    return r;
}
}  // namespace

void RegisterRecordsWindows(DialogTable& host, RecordsWindows& windows, Game& g) {
    host.Register(DialogForm::Save, [&windows, &g](int mode, const std::string&) {
        if (mode == save_mode::Restore) {
            const RestoreOutcome outcome = windows.RestoreGame();
            DialogResult r = Cancelled(!outcome.restored);
            r.Restored = outcome.restored;
            r.SecureSave = outcome.secureSave;
            r.SaveSlot = g.SaveSlot;
            return r;
        }
        DialogResult r = Cancelled(!windows.SaveGame());
        r.SaveSlot = g.SaveSlot;
        return r;
    });
    host.Register(DialogForm::ScoreStat, [&windows](int mode, const std::string&) {
        windows.ShowScores(mode);
        return Shown();
    });
    host.Register(DialogForm::Custom, [&windows](int, const std::string&) {
        windows.ShowCustomComments();
        return Shown();
    });
    host.Register(DialogForm::Tip, [&windows](int mode, const std::string&) {
        windows.ShowTips(mode != 0);
        return Shown();
    });
    host.Register(DialogForm::Tutorial, [&windows](int, const std::string&) {
        windows.ShowTutorial();
        return Shown();
    });
    host.Register(DialogForm::About, [&windows](int, const std::string&) {
        windows.ShowAbout();
        return Shown();
    });
}

void RegisterSignIn(DialogTable& host, std::function<bool()> signIn) {
    host.Register(DialogForm::Welcome, [signIn = std::move(signIn)](int, const std::string&) {
        DialogResult r = Cancelled(false);
        r.SignedIn = signIn && signIn();
        r.CancelFlag = !r.SignedIn;
        return r;
    });
}

void RegisterSettingsWindows(DialogTable& host, SettingsWindows& windows) {
    host.Register(DialogForm::Speed, [&windows](int, const std::string&) {
        windows.ShowSpeed();
        return Shown();
    });
    host.Register(DialogForm::Options, [&windows](int, const std::string&) {
        return Cancelled(windows.ShowPreferences());
    });
    host.Register(DialogForm::Rules, [&windows](int, const std::string&) {
        DialogResult r;
        r.RulesChanged = windows.ShowRules();
        return r;
    });
    host.Register(DialogForm::Multi, [&windows](int, const std::string&) {
        return Cancelled(windows.ShowOpponentsSetup());
    });
}

void RegisterNetWindows(DialogTable& host, NetWindows& windows) {
    host.Register(DialogForm::RulesNET, [&windows](int, const std::string&) {
        return Cancelled(!windows.ShowHostRules());
    });
    host.Register(DialogForm::MultiNET, [&windows](int, const std::string&) {
        DialogResult r;
        r.NetSetupDone = windows.ShowPlayersSetup();
        return r;
    });
    host.Register(DialogForm::Sounds, [&windows](int, const std::string&) {
        windows.ShowSoundSets();
        return Shown();
    });
    host.Register(DialogForm::ScoresNet, [&windows](int, const std::string&) {
        windows.ShowScores();
        return Shown();
    });
}
