#include "mainwindow/qt/dialog_openers.h"

#include "records/qt/records_windows.h"

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
