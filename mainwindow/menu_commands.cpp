#include "mainwindow/menu_commands.h"

#include <optional>
#include <system_error>

#include "mainwindow/added_background.h"
#include "mainwindow/command_gate.h"
#include "net/wire_format.h"
#include "platform/file_util.h"
#include "records/saved_games.h"

namespace {

constexpr const char* kRestartTitle = "Restart Game";
constexpr int kDisplaySizeRow = 13;
constexpr int kWebRow = 7;

bool Online(const Game& g) {
    return g.NetConnected != 0;
}
bool Connected(const Game& g) {
    return g.NetConnected != 0 && g.NetConnected != 99;
}

}  // namespace

std::string SiteAddress(int choice) {
    switch (choice) {
        case 1:
            return "https://quorvane.example.org/";
        case 2:
            return "https://quorvane.example.org/online/";
        case 3:
            return "https://quorvane.example.org/myaddress/";
        default:
            return "";
    }
}

std::string PeekNoticeText(bool peeking, const std::string& peerVersion) {
    const std::string text =
        peeking ? "BRIVO: You're being watched." : "BRIVO: Nobody's looking now.";
    int version = 0;
    for (char c : peerVersion) {
        if (c < '0' || c > '9') break;
        version = version * 10 + (c - '0');
        if (version > 9999) break;
    }
    return version >= 74 ? "$-" + text : text;
}

bool MenuCommands::Run(int menu, int row, int value) {
    if (!PassGate(p_.g, p_.sv.dialogs, menu, row)) {
        p_.shell.HideMenuBar();
        return false;
    }
    Dispatch(menu, row, value);
    return true;
}

void MenuCommands::Dispatch(int menu, int row, int value) {
    switch (menu) {
        case menu::kGame:
            MenuGame(row);
            break;
        case menu::kOptions:
            MenuOptions(row, row == kDisplaySizeRow ? value : 0);
            break;
        case menu::kInternet:
            MenuInternet(row);
            break;
        case menu::kHelp:
            MenuHelp(row, row == kWebRow ? value : 0);
            break;
        default:
            break;
    }
}

void MenuCommands::Say(const std::string& text, int style, const std::string& title) const {
    if (p_.sv.dialogs) p_.sv.dialogs->MsgBox(text, style, title);
}

// ---- Game ----

void MenuCommands::MenuGame(int item) {
    Game& g = p_.g;
    p_.shell.HideMenuBar();
    if (g.NewGamePending || item > 11) return;
    switch (item) {
        case 0:
            if (!Online(g) && g.Pturn > 1) {
                // The computer players are moving: the deal comes when their loop ends.
                g.NewGamePending = VbTrue;
                return;
            }
            p_.window.AnimationStop = true;
            if (p_.sv.window) p_.sv.window->ShowDealButton(false);
            p_.engine.Game_New();
            break;
        case 1:
            p_.sv.dialogHost->Show(DialogForm::Welcome);
            break;
        case 3:
            Save();
            break;
        case 4:
            Restore();
            break;
        case 6:
            PreviousTurn();
            break;
        case 7:
            RestartGame();
            break;
        case 9:
            state_.StatsMode = 0;
            p_.sv.dialogHost->Show(DialogForm::ScoreStat, 0);
            break;
        // The close request itself waits for a computer turn in progress to end.
        case 11:
            p_.shell.CloseMainWindow();
            break;
        default:
            break;
    }
}

void MenuCommands::Save() {
    Game& g = p_.g;
    p_.window.AnimationStop = true;
    if (g.Pturn == 0) {
        Say(kNoGameToSave, mb::OkOnly, "Brivo & Tessik");
        g.NetSaveFlag = VbFalse;
        return;
    }
    p_.sv.dialogHost->Show(DialogForm::Save, Online(g) ? save_mode::NetSave : save_mode::Save);
    g.CancelFlag = VbFalse;
    g.NetSaveFlag = VbFalse;
}

void MenuCommands::Restore() {
    p_.g.CancelFlag = VbFalse;
    p_.window.AnimationStop = true;
    const DialogResult r = p_.sv.dialogHost->Show(DialogForm::Save, save_mode::Restore);
    if (!r.Restored) p_.g.CancelFlag = VbTrue;
}

bool MenuCommands::RecordHoldsGame(int slot) {
    GameStateRecord rec;
    return p_.records.ReadRecordAt(SnapshotFile::SavedGames, slot, rec) && rec.Pturn != 0 &&
           rec.NumPlayers != 0;
}

void MenuCommands::PreviousTurn() {
    const int slot = p_.g.MoveCounter % 2 != 0 ? save_slot::kPreviousOdd : save_slot::kPreviousEven;
    if (!RecordHoldsGame(slot)) {
        Say(kNoMoveToRestore, mb::Critical, "Previous Turn");
        return;
    }
    p_.records.PreviousTurnRestore();
}

void MenuCommands::RestartGame() {
    Game& g = p_.g;
    if (g.AnimationRunning) {
        p_.window.AnimationStop = true;
        p_.shell.StopAnimation();
    }
    const bool host = IsHost(g);
    if (!host && !RecordHoldsGame(save_slot::kGameStart)) {
        Say(kNoMoveToRestore, mb::Critical, kRestartTitle);
        return;
    }
    auto asked = [&](const char* question) {
        return !p_.sv.dialogs || p_.sv.dialogs->MsgBox(question, mb::OkCancel | mb::Question,
                                                       kRestartTitle) != mb::Cancel;
    };
    if (host) {
        if (!asked("Start the Internet game over from the beginning?")) return;
        state_.NetRestart = true;
    } else if (g.GameStarted) {
        if (!asked("Start this game over from the beginning?")) return;
    } else {
        Say("Restarting game from last session.", mb::Information, kRestartTitle);
    }
    g.SaveSlot = save_slot::kGameStart;
    if (host) {
        MenuInternet(5);
        return;
    }
    if (p_.records.RestartCurrentGame()) g.GameRestored = VbTrue;
}

// ---- Options ----

void MenuCommands::MenuOptions(int item, int value) {
    Game& g = p_.g;
    p_.shell.HideMenuBar();
    try {
        switch (item) {
            case 0:
                p_.sv.dialogHost->Show(DialogForm::Speed);
                break;
            case 1:
                p_.shell.ChangeNoise();
                break;
            case 2:
                if (!Online(g) || g.Pturn < 2) {
                    p_.sv.dialogHost->Show(DialogForm::Options);
                    p_.shell.TakeFontSize();
                } else {
                    Say(gate_text::kWaitYourTurn, mb::Information, gate_text::kWaitYourTurnTitle);
                }
                break;
            case 4:
                Rules();
                break;
            case 5:
                p_.shell.SetupOpponents(false);
                break;
            case 7:
                p_.sv.dialogHost->Show(DialogForm::Custom);
                break;
            case 9:
                p_.shell.SetStretchBackground(false);
                p_.shell.CycleBackground(32);
                break;
            case 10:
                p_.shell.SetStretchBackground(true);
                p_.shell.LoadBackground();
                break;
            case 11:
                AddBackground();
                break;
            case 13:
                if (value == 0 || value == 1)
                    p_.shell.ChangeDisplay(value);
                else if (value == 2)
                    p_.shell.PlaceStatusArea();
                break;
            default:
                break;
        }
    } catch (const std::system_error& e) {
        Say("Here's the problem:\nError " + std::to_string(e.code().value()) + ": " + e.what(),
            mb::Exclamation, "Quorvane");
    } catch (const std::exception& e) {
        Say(std::string("Here's the problem:\nError 5: ") + e.what(), mb::Exclamation, "Quorvane");
    }
}

void MenuCommands::Rules() {
    const DialogResult r = p_.sv.dialogHost->Show(DialogForm::Rules);
    p_.engine.ShowRulesCaption();
    if (!r.RulesChanged) return;
    p_.g.GameStarted = VbFalse;
    if (p_.sv.window) p_.sv.window->ShowDealButton(false);
    p_.engine.Game_New();
}

void MenuCommands::AddBackground() {
    if (!p_.sv.dialogs) return;
    const std::string folder = JoinPath(p_.g.AppFolder, "backgrounds");
    const std::optional<std::string> chosen = p_.sv.dialogs->ChooseOpenFile(
        "Add Background Picture", folder, "Pictures (*.jpg *.gif *.bmp)");
    if (!chosen) return;
    if (!IsBackgroundPicture(*chosen)) {
        Say("Only JPG, GIF and BMP pictures can be table backgrounds.", mb::Information,
            "Add Background Picture");
        return;
    }
    const AddedBackground placed = PlaceAddedBackground(*chosen, folder);
    if (placed.fileName.empty()) return;
    if (placed.copy && !CopyFileTo(*chosen, JoinPath(folder, placed.fileName))) {
        Say("The picture could not be copied into the backgrounds folder.", mb::Exclamation,
            "Add Background Picture");
        return;
    }
    p_.shell.SetStretchBackground(false);
    p_.shell.ShowBackground(placed.fileName);
}

// ---- Internet ----

void MenuCommands::MenuInternet(int item) {
    Game& g = p_.g;
    p_.shell.HideMenuBar();
    switch (item) {
        case 0:
            p_.shell.SetupInternet();
            break;
        case 1:
            p_.sv.dialogHost->Show(DialogForm::ScoresNet);
            break;
        case 3:
            p_.shell.SetupOpponents(false);
            break;
        case 4:
            if (g.Pturn != 0 && Online(g)) {
                g.NetSaveFlag = VbTrue;
                Save();
            } else {
                Say("There's no Internet game to save!", mb::Information, "Quorvane Online");
            }
            break;
        case 5:
            SendSavedGame();
            break;
        case 7:
            p_.shell.SetupOpponents(true);
            break;
        case 9:
            MenuGame(7);
            break;
        case 10:
            MenuGame(0);
            break;
        default:
            break;
    }
}

void MenuCommands::SendSavedGame() {
    Game& g = p_.g;
    if (!Connected(g)) {
        Say("You have to connect to another player first!", mb::Information, "Quorvane Not Online");
        state_.NetRestart = false;
        return;
    }
    g.NetResume = 1;
    bool restored = false;
    ResumeNote note;
    note.restarted = state_.NetRestart;
    if (!state_.NetRestart) {
        const DialogResult chosen = p_.sv.dialogHost->Show(DialogForm::Save, save_mode::Restore);
        restored = chosen.Restored;
        note.secure = chosen.SecureSave;
        note.title = g.Msg;  // the restored record's title
    } else {
        g.SaveSlot = save_slot::kGameStart;
        restored = p_.records.RecordToGame(SnapshotFile::SavedGames);
    }
    if (!restored) {
        g.CancelFlag = VbFalse;
        state_.NetRestart = false;
        return;
    }
    state_.NetRestart = false;
    p_.shell.SendRecover(note);
}

// ---- Help ----

void MenuCommands::MenuHelp(int item, int value) {
    p_.shell.HideMenuBar();
    switch (item) {
        case 0:
            p_.sv.dialogHost->ShowHelp("");
            break;
        case 1:
            p_.sv.dialogHost->Show(DialogForm::Tutorial);
            break;
        case 2:
            p_.sv.dialogHost->Show(DialogForm::Tip, static_cast<int>(p_.window.ShowTipsAtStartup));
            break;
        case 3:
            if (!p_.g.Dealing) Peek();
            break;
        case 4:
            CardCounter();
            break;
        case 5:
            p_.shell.ShowStatusBar(!p_.shell.StatusBarShown());
            break;
        case 7:
            if (const std::string address = SiteAddress(value); !address.empty())
                if (!p_.shell.OpenWeb(address))
                    Say("Unable to launch default browser", mb::Exclamation, "Quorvane");
            break;
        case 8:
            p_.sv.dialogHost->Show(DialogForm::About);
            break;
        default:
            break;
    }
}

void MenuCommands::CardCounter() {
    const Game& g = p_.g;
    if (g.GameRestored) {
        Say("Sorry, I lost count when you restored the game!", mb::Exclamation, "Memory Failure");
        return;
    }
    if (Online(g) && !g.DevMode) {
        Say("Count your own cards during a Net game!", mb::Exclamation, "Count by yourself");
        return;
    }
    p_.shell.ShowCounter();
}

void MenuCommands::Peek() {
    Game& g = p_.g;
    const bool online = Online(g);
    if (online && !g.Peeking && p_.sv.dialogs &&
        p_.sv.dialogs->MsgBox(
            "Are you sure you want to peek at your opponent's cards? They will be notified!",
            mb::YesNo | mb::Question, "Cheater") == mb::No)
        return;
    g.Peeking = g.Peeking ? VbFalse : VbTrue;
    BoardPort* board = p_.sv.board;
    auto label = [&](int index, const std::string& text) {
        if (board) board->SetMessage(index, text);
    };
    if (online) {
        SendPeekNotice();
        if (g.Peeking) {
            p_.shell.ShowPeekLabel("\nYou're PEEKING!", true);
            label(0, "Opponent\nALERTED");
        } else {
            label(0, "Opponent has\nbeen informed.");
            const bool theyPeek = p_.oppPeeking();
            p_.shell.ShowPeekLabel(theyPeek ? "\nOpponent is PEEKING!" : "\n", theyPeek);
        }
    } else if (g.Peeking) {
        label(2, "Some people like to watch...\n\nCHEATER");
    } else {
        label(2, "Going Blind?\nWhy should I bother to keep score if you're going to cheat?");
    }
    if (board) board->Peek();
    if (!online) p_.shell.RefreshCounterIfShown();
    if (online && g.Peeking && p_.sv.sounds)
        p_.sv.sounds->PlaySound(JoinPath(g.AppFolder, "Data/~105.tmp"), false);
    g.GameRestored = VbTrue;
}

// Every other player hears of it: the host tells each of its remotes, a remote tells the host,
// which passes chat and peek lines on to the others.
void MenuCommands::SendPeekNotice() {
    Game& g = p_.g;
    NetPort* net = p_.sv.net;
    if (!net) return;
    const bool peeking = g.Peeking != VbFalse;
    auto send = [&](const std::string& line) {
        if (IsHost(g))
            net->SendNetAll(0, line);
        else
            net->SendNet(1, line);
    };
    const int seq = p_.nextChatSeq();
    send(net::ChatLine(seq, PeekNoticeText(peeking, g.PeerVersion)));
    p_.sv.Pause(0.2);
    send(net::PeekLine(peeking));
}
