#pragma once
// The records the game keeps on disk while it is played: the saved-game store
// "Data/backup.sav" (slots 1-10 the player's saved games, 11 and 12 the starts of the last two
// turns, 13 the start of the game, 14 the latest autosave, 31 on the tutorial's positions), the
// move history "~tempmoves.sav" of the human's current turn, and the signed-in player's profile
// in "Data/Prefs.sav". Restores go through here too: a record is checked whole before anything
// of it is applied, so a damaged or foreign record leaves the running game as it was.
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/services.h"
#include "records/stats.h"
#include "shared/game_state_record.h"
#include "shared/profile_state.h"

// The two files a position is restored from.
enum class SnapshotFile { SavedGames = 4, MoveHistory = 9 };

namespace save_slot {
constexpr int kPreviousOdd = 11, kPreviousEven = 12, kGameStart = 13, kLatest = 14;
}

class GameRecords : public RecordsPort {
  public:
    GameRecords(Game& g, const Services& sv) : g(g), sv(sv) {}

    std::string SavedGamesPath() const;
    std::string MoveFilePath() const;
    std::string PrefsPath() const;

    // RecordsPort.
    ProfileState& Profile() override { return profile_; }
    // Writes the signed-in player's record; nothing is written while nobody is signed in (the
    // header record is never a player's).
    bool SaveProfile() override;
    // The play counts and best runs (game_stats.cpp).
    void StatsAdd(int slot, int who) override;
    void StatsCk(int ckNew, int ckOld) override;
    void StatsSave(int ckNew, int whoSaved) override;
    // The player's Internet score file after an Internet game; the game's margin goes into
    // LastMargin and the session's margin.
    void Scores_Net(const std::string& winner) override;

    // The competition chosen in Internet Players Setup ("" for none): while it is set, an
    // Internet game's result goes into "users/<player>_<n>_<competition>.rcm" in place of the
    // player's default score file.
    std::string CompetitionFile;
    // The turn boundary: the autosave records, then a fresh move history for the human's turn.
    void AutoSave() override;
    void SaveMove() override;

    // The autosave proper: the position titled "AutoSave" at record 12 (MoveCounter odd or 0) or
    // 11 (even), and at 14; at MoveCounter 0 also at 11 and 13. False when the store could not be
    // written (the player has been told).
    bool AutoSaveSlots();

    // Starts (true) or ends (false) the move history. Starting fails, with `error` saying why,
    // when the file cannot be written; the caller then unticks autosave and tells the player.
    bool TempMovesFile(bool open, std::string* error = nullptr);

    // Restores record SaveSlot of the file onto the table and hands the turn on. False when the
    // record was refused: the player has been told, CancelFlag is set and nothing has changed.
    bool RecordToGame(SnapshotFile file);
    // The same for a record that arrived otherwise (a saved Internet game sent by the host);
    // `file` says which sound and write-back a restore from that file has.
    bool RestorePosition(const GameStateRecord& rec, SnapshotFile file = SnapshotFile::SavedGames);

    // Undo of the last play (UndoMove) or restart of the whole turn (RestartWholeTurn).
    void RestartTurn();
    // The Game menu's Previous Turn and Restart Current Game.
    bool PreviousTurnRestore();
    bool RestartCurrentGame();

    // Writes the position to record `slot` of the saved-game store with `title`.
    bool SaveGameToSlot(int slot, const std::string& title);
    // Reads record `slot` of a file (a missing file or record reads as an empty slot).
    bool ReadRecordAt(SnapshotFile file, int slot, GameStateRecord& out) const;

  private:
    std::string PathOf(SnapshotFile file) const;
    bool WriteRecordAt(SnapshotFile file, int slot, const GameStateRecord& rec, std::string* error);
    bool WriteAutoSave(int slot);
    // Record 1 of the move history: the position at the start of the turn.
    void StartMoveHistory();
    void MoveHistoryFailed(const std::string& error);
    bool Refuse(const std::string& text, int style, const std::string& title);
    void ShowRestoredTable(SnapshotFile file);
    void HandOverTurn();
    // Status panel 2: the player's counts of this turn after an undo or a restart.
    void ShowHumanRun();

    StatsFacts CurrentStatsFacts() const;
    void ShowStats(const StatsOutcome& outcome);

    Game& g;
    const Services& sv;
    ProfileState profile_;
    bool autoSaveFailureShown_ = false;
    bool highScoreFailureShown_ = false;
};

// The reason an Internet game cannot take record `rec` (and the box's title), or "" when it
// can: the record must be for every connected player, and the peer's program must know its
// features.
std::string NetRecordRefusal(const GameStateRecord& rec, int netConnected,
                             const std::string& peerVersion, std::string& title);
