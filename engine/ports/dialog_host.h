#pragma once
// The dialog windows of the profiles, the records and Internet play, as the menus, the keys and
// the other windows open them: by name, with a mode, and with what the player decided read back
// once the window has closed. The menus can therefore call every window before each is built: a
// window not there yet answers "not available" and the caller goes on as after a cancel.
#include <string>

// The windows, by their form names.
enum class DialogForm {
    Save,       // frmSave: save_mode::Save, NetSave or Restore
    ScoreStat,  // frmScoreStat: the mode is the tab it opens on (StatsMode)
    Options,    // frmOptions: preferences
    Rules,      // frmRules: house rules
    Multi,      // frmMulti: opponents setup of a local game
    Speed,      // frmSpeed
    Custom,     // frmCustom: the comment-file editor (stays open)
    Tip,        // frmTip: the mode is its "Show Tips at Startup" box as the settings hold it (1 on)
    Tutorial,   // frmTutorial (stays open)
    About,      // frmAbout
    Welcome,    // frmWelcome: sign-in
    Players,    // frmPlayers: the Internet connection dialog
    Chat,       // frmChat (stays open)
    RulesNET,   // frmRulesNET: the host's setup and rules
    MultiNET,   // frmMultiNET: Internet players setup
    Sounds,     // frmSounds: chat sound sets
    ScoresNet,  // frmScoresNet: Internet score tables (stays open)
    Help,       // the help pages, at a topic ("" the contents)
};

// The modes of the saved-game dialog.
namespace save_mode {
constexpr int Save = 0;     // "Save"
constexpr int NetSave = 1;  // "NET Save": a game of an Internet session
constexpr int Restore = 2;  // "Restore"
}  // namespace save_mode

// What the player decided, read after the window closed. A window that stays open (the editor,
// the tips, the tutorial, the chat, the score tables, the help) answers at once with nothing
// cancelled.
struct DialogResult {
    bool Available = true;    // false: this window is not in the program yet (the player was told)
    bool CancelFlag = false;  // the player cancelled or closed it
    int SaveSlot = 0;         // Save, Restore: the slot chosen (1-10, 11 the previous turn)
    std::string SaveTitle;    // Save: the title typed
    bool Restored = false;    // Restore: the chosen record is on the table
    bool SecureSave = false;  // Restore: a saved Internet game chosen inside an Internet game
    bool RulesChanged = false;  // Rules, RulesNET: the rules changed; a new game follows
    bool NetSetupDone = false;  // MultiNET: the player closed it with Done
    bool SignedIn = false;      // Welcome: somebody signed in
};

class DialogHost {
  public:
    virtual ~DialogHost() = default;
    DialogResult Show(DialogForm form, int mode = 0) { return Open(form, mode, {}); }
    DialogResult ShowHelp(const std::string& topic) { return Open(DialogForm::Help, 0, topic); }

    // Opens `form` in `mode` (the help at `topic`) and waits for it to close when it is modal.
    virtual DialogResult Open(DialogForm form, int mode, const std::string& topic) = 0;
};

// No windows at all: every form is unavailable, and the caller goes on as after a cancel.
class NoDialogHost : public DialogHost {
  public:
    DialogResult Open(DialogForm, int, const std::string&) override {
        DialogResult r;
        r.Available = false;
        r.CancelFlag = true;
        return r;
    }
    static NoDialogHost& Instance() {
        static NoDialogHost none;
        return none;
    }
};
