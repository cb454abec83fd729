#include "records/game_records.h"

#include "engine/engine.h"
#include "engine/opp_swap.h"
#include "engine/snapshot_codec.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "platform/vb_strings.h"
#include "shared/prefs_record.h"
#include "shared/record_io.h"

namespace {

constexpr const char* kRestoreTitle = "Restore Game";
constexpr const char* kRestartTitle = "Restart Turn";

bool Odd(int n) {
    return n % 2 != 0;
}

}  // namespace

std::string NetRecordRefusal(const GameStateRecord& rec, int netConnected,
                             const std::string& peerVersion, std::string& title) {
    const bool fits = rec.NumPlayers == netConnected + 1 && peerVersion >= "52" &&
                      (peerVersion > "74" || rec.NumCenters != 4);
    if (fits) return "";
    if (peerVersion > "74") {
        title = "Saved Game for" + Str(rec.NumPlayers) + " players";
        return "You don't have enough players to play this saved game.\n"
               "Connect to all players first, then Send the Saved game.";
    }
    if (peerVersion >= "52") {
        title = "Saved Game for" + Str(rec.NumPlayers) + " players and" + Str(rec.NumCenters) +
                " centers";
        return "This game was saved with features that your opponent's older version of the "
               "game cannot play.";
    }
    title = "Your opponent's program is not compatible";
    return "Unable to send a saved game.";
}

std::string GameRecords::SavedGamesPath() const {
    return JoinPath(g.AppFolder, "Data/backup.sav");
}
std::string GameRecords::MoveFilePath() const {
    return JoinPath(g.AppFolder, "~tempmoves.sav");
}
std::string GameRecords::PrefsPath() const {
    return JoinPath(g.AppFolder, "Data/Prefs.sav");
}

std::string GameRecords::PathOf(SnapshotFile file) const {
    return file == SnapshotFile::SavedGames ? SavedGamesPath() : MoveFilePath();
}

bool GameRecords::ReadRecordAt(SnapshotFile file, int slot, GameStateRecord& out) const {
    return slot >= 1 && ReadRecord(RecordFile(PathOf(file), GameStateRecord::kSize), slot, out);
}

bool GameRecords::WriteRecordAt(SnapshotFile file, int slot, const GameStateRecord& rec,
                                std::string* error) {
    return WriteRecord(RecordFile(PathOf(file), GameStateRecord::kSize), slot, rec, error);
}

// --- Profile ------------------------------------------------------------------------------

bool GameRecords::SaveProfile() {
    if (profile_.PlayerRecNum < 2) return true;
    const bool ok = WriteRecord(RecordFile(PrefsPath(), PrefsRecord::kSize), profile_.PlayerRecNum,
                                profile_.PlayerPrefs);
    profile_.StatsUnsaved = !ok;
    return ok;
}

// --- Saving -------------------------------------------------------------------------------

bool GameRecords::WriteAutoSave(int slot) {
    std::string error;
    if (WriteRecordAt(SnapshotFile::SavedGames, slot, g.GameRecord, &error)) {
        autoSaveFailureShown_ = false;
        return true;
    }
    // Said once until a save succeeds again, not at every turn.
    if (!autoSaveFailureShown_ && sv.dialogs)
        sv.dialogs->MsgBox(
            "The game could not be saved automatically, so Previous Turn and "
            "Restart Current Game may not find this position.\n\n" +
                error,
            mb::Exclamation, "AutoSave");
    autoSaveFailureShown_ = true;
    return false;
}

bool GameRecords::AutoSaveSlots() {
    GameToRecord(g, g.GameRecord);
    g.SaveSlot =
        static_cast<i16>(Odd(g.MoveCounter) || g.MoveCounter == 0 ? save_slot::kPreviousEven
                                                                  : save_slot::kPreviousOdd);
    g.GameRecord.Title = "AutoSave";
    bool ok = WriteAutoSave(g.SaveSlot) && WriteAutoSave(save_slot::kLatest);
    if (ok && g.MoveCounter == 0)
        ok = WriteAutoSave(save_slot::kPreviousOdd) && WriteAutoSave(save_slot::kGameStart);
    return ok;
}

void GameRecords::AutoSave() {
    AutoSaveSlots();
    StartMoveHistory();
}

void GameRecords::StartMoveHistory() {
    if (!g.TempMovesOpen) return;
    // Undo steps back through records 2.. of this turn only: record 1 starts it afresh.
    g.MoveRecordNo = 0;
    SaveMove();
}

void GameRecords::SaveMove() {
    if (!g.TempMovesOpen) return;
    GameToRecord(g, g.GameRecord);
    g.GameRecord.Title = StatsTitle(g);
    std::string error;
    if (!WriteRecordAt(SnapshotFile::MoveHistory, g.MoveRecordNo + 1, g.GameRecord, &error))
        return MoveHistoryFailed(error);
    ++g.MoveRecordNo;
}

void GameRecords::MoveHistoryFailed(const std::string& error) {
    TempMovesFile(false);
    profile_.PlayerPrefs.AutoSave = VbFalse;
    if (sv.dialogs)
        sv.dialogs->MsgBox(
            "The move history could not be written, so AutoSave has been turned "
            "off and Undo and Restart Turn are not available.\n\n" +
                error,
            mb::Exclamation, "AutoSave");
}

bool GameRecords::TempMovesFile(bool open, std::string* error) {
    if (!open) {
        g.TempMovesOpen = VbFalse;
        g.MoveCounter = 0;
        g.MoveRecordNo = 0;
        return true;
    }
    // Prove the file can be written now rather than losing the first move later.
    GameStateRecord first;
    ReadRecordAt(SnapshotFile::MoveHistory, 1, first);
    std::string why;
    if (!WriteRecordAt(SnapshotFile::MoveHistory, 1, first, &why)) {
        g.TempMovesOpen = VbFalse;
        if (error)
            *error = "The move history file " + MoveFilePath() + " cannot be written: " + why;
        return false;
    }
    g.TempMovesOpen = VbTrue;
    return true;
}

bool GameRecords::SaveGameToSlot(int slot, const std::string& title) {
    if (slot < 1) return false;
    GameToRecord(g, g.GameRecord);
    g.GameRecord.Title = title;
    std::string error;
    if (WriteRecordAt(SnapshotFile::SavedGames, slot, g.GameRecord, &error)) return true;
    if (sv.dialogs)
        sv.dialogs->MsgBox("The game could not be saved.\n\n" + error, mb::Critical, "Save Game");
    return false;
}

// --- Restoring ----------------------------------------------------------------------------

bool GameRecords::Refuse(const std::string& text, int style, const std::string& title) {
    g.CancelFlag = VbTrue;
    g.PreviousTurn = VbFalse;
    if (sv.dialogs) sv.dialogs->MsgBox(text, style, title);
    return false;
}

bool GameRecords::RecordToGame(SnapshotFile file) {
    g.CancelFlag = VbFalse;
    GameStateRecord rec;
    if (!ReadRecordAt(file, g.SaveSlot, rec))
        return Refuse("The saved game could not be read from " + PathOf(file) + ".", mb::Critical,
                      kRestoreTitle);
    return RestorePosition(rec, file);
}

bool GameRecords::RestorePosition(const GameStateRecord& rec, SnapshotFile file) {
    g.CancelFlag = VbFalse;
    if (rec.NumPlayers == 0 && rec.Pturn == 0)
        return Refuse("There is no saved game in this slot.", mb::Information, kRestoreTitle);
    if (std::string fault = ValidateRecord(rec); !fault.empty())
        return Refuse("This saved game is damaged and cannot be restored (" + fault + ").",
                      mb::Critical, kRestoreTitle);
    if (g.NetConnected != 0) {
        std::string title;
        std::string text = NetRecordRefusal(rec, g.NetConnected, g.PeerVersion, title);
        if (!text.empty()) return Refuse(text, mb::Critical, title);
    }

    g.PrevPlayers = g.NumPlayers;
    g.PrevCenters = g.NumCenters;
    const bool withinTurn = g.RestartWholeTurn || g.UndoMove;
    if (!withinTurn && !g.PreviousTurn && sv.status) sv.status->StatusBar_Clear();
    if (sv.board) {
        sv.board->SetMessage(1, "\n");
        sv.board->SetMessage(2, "");
    }
    if (g.SoundMode != 2 && !g.TutorialOn && sv.sounds) {
        const bool fromStore = file == SnapshotFile::SavedGames && !g.RestartWholeTurn;
        sv.sounds->PlaySound(JoinPath(g.AppFolder, fromStore ? "Data/~121.tmp" : "Data/~117.tmp"),
                             false);
    }

    // From here on the record is known to be sound: the table is laid out for it and filled.
    g.NumPlayers = rec.NumPlayers;
    g.NumCenters = rec.NumCenters;
    if (sv.board) {
        if (g.NumPlayers != g.PrevPlayers || g.NumCenters != g.PrevCenters)
            sv.board->SetupLayout(g.PrevPlayers, g.PrevCenters);
        sv.board->ResetTable();
    }
    g.GameRecord = rec;
    RecordToState(rec, g);
    if (g.UndoMove) StatsFromTitle(rec.Title, g);
    ShowRestoredTable(file);
    HandOverTurn();
    return true;
}

void GameRecords::ShowRestoredTable(SnapshotFile file) {
    if (g.UndoMove && sv.board)
        for (int slot = kFirstHandSlot; slot <= kLastHandSlot; ++slot)
            if (g.HumanCards[kRank][slot] == 0) sv.board->HideCard(PileRow::Human, slot);
    // The restored position is where the next Previous Turn or Restart Turn starts from.
    if (!g.RestartWholeTurn && file == SnapshotFile::SavedGames) {
        WriteAutoSave(save_slot::kPreviousOdd);
        WriteAutoSave(save_slot::kPreviousEven);
    }
    if (g.UndoMove || g.RestartWholeTurn) ShowHumanRun();
    if (g.PreviousTurn && sv.status) {
        sv.status->SetPanelText(2, "");
        sv.status->SetPanelText(6, "");
    }
    if (g.NetResume == 1)
        g.Msg = Trim(g.GameRecord.Title.size() > 2 ? g.GameRecord.Title.substr(2) : "");
    // The side piles' depth shapes go with the restored piles: an Internet game given again
    // shows them as its table is laid, not only once play resumes.
    if (sv.window) sv.window->ShowSideStack(true);
    g.GameStarted = VbTrue;
    if (sv.board) sv.board->DrawTable();
    if (sv.window) sv.window->ShowHoldImage(g.HumanSideCount != 1);
    Engine(g, sv).ShowRulesCaption();
    if (sv.status) sv.status->ShowCounter();
    g.PreviousTurn = VbFalse;
    OppSwap(g, 1, false, sv.board);
    if (sv.status) sv.status->WildUpdate();
    if (!g.RestartWholeTurn && !g.UndoMove) StartMoveHistory();
}

void GameRecords::ShowHumanRun() {
    if (sv.status) sv.status->SetPanelText(2, StatsRowText(g.StatsTable, 1, 0));
}

void GameRecords::HandOverTurn() {
    const bool humanOnTurn = g.Pturn == 1;
    if (sv.board)
        sv.board->SetMessage(1, humanOnTurn ? "\nIt's still your turn." : "\nIt's NOT your turn.");
    if (sv.window) sv.window->ShowTurnMarker(g.Pturn);
    if (!humanOnTurn && g.NetConnected == 0) sv.Pause(1.5);
    if (g.NetResume == 1) {
        if (!humanOnTurn) g.NewDeal = 1, g.NoMissCheck = 0;
        return;
    }
    if (humanOnTurn) {
        if (sv.board) sv.board->EnableHumanPiles(true, 1, 10);
        g.NoMissCheck = 1;
        g.NewDeal = 0;
        return;
    }
    g.NewDeal = 1;
    g.NoMissCheck = 0;
    if (sv.turns) sv.turns->ComputerTurn();
}

void GameRecords::RestartTurn() {
    auto info = [&](const std::string& text) {
        if (sv.dialogs) sv.dialogs->MsgBox(text, mb::Information, kRestartTitle);
        g.RestartWholeTurn = g.UndoMove = VbFalse;
    };
    if (g.NetConnected != 0) return info("Restart turn cannot be used during an Internet game");
    if (!g.TempMovesOpen)
        return info(
            "The AutoSave box from the Game Menu, Restore Game option,\n"
            "must be checked to use this option.");
    if (!g.GameStarted) return info("Huh? No turn to restart! (?)");
    g.GameRestored = VbTrue;
    if (g.RestartWholeTurn) {
        g.SaveSlot = static_cast<i16>(Odd(g.MoveCounter) ? save_slot::kPreviousEven
                                                         : save_slot::kPreviousOdd);
        const bool restored = RecordToGame(SnapshotFile::SavedGames);
        g.RestartWholeTurn = VbFalse;
        if (restored) StartMoveHistory();
    } else if (g.UndoMove && g.MoveRecordNo >= 2) {
        g.SaveSlot = static_cast<i16>(g.MoveRecordNo - 1);
        if (RecordToGame(SnapshotFile::MoveHistory)) --g.MoveRecordNo;
    }
    g.UndoMove = VbFalse;
}

bool GameRecords::PreviousTurnRestore() {
    g.SaveSlot =
        static_cast<i16>(Odd(g.MoveCounter) ? save_slot::kPreviousOdd : save_slot::kPreviousEven);
    g.PreviousTurn = VbTrue;
    g.GameRestored = VbTrue;
    return RecordToGame(SnapshotFile::SavedGames);
}

bool GameRecords::RestartCurrentGame() {
    g.SaveSlot = save_slot::kGameStart;
    return RecordToGame(SnapshotFile::SavedGames);
}
