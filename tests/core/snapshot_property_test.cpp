// Seeded games of a scripted player against the computer seats with the move history on, in
// which the player keeps going back (undo, whole-turn restart, previous turn, a saved game
// restored) and stalemates are recovered: every record the game writes must pass the restore's
// checks and lay out the very position it was written from, and every restore must give that
// position back.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "computer/computer_player.h"
#include "engine/conservation.h"
#include "engine/engine.h"
#include "position_bytes.h"
#include "records/game_records.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using RecordKey = std::pair<SnapshotFile, int>;

// The position as its record's bytes, without the two counters of the working copy (offsets 4
// and 8): they say which seat played last, and a restore loads the first opponent there.
Bytes Position(const Game& g) {
    Bytes b = PositionBytes(g);
    for (size_t at : {4, 5, 8, 9}) b[at] = 0;
    return b;
}

// The game's records, checked as they are written.
class CheckedRecords : public RecordsPort {
  public:
    CheckedRecords(GameRecords& real, const Game& g) : real_(real), g_(g) {}

    ProfileState& Profile() override { return real_.Profile(); }
    bool SaveProfile() override { return real_.SaveProfile(); }
    void AutoSave() override {
        real_.AutoSave();
        ++turnStarts;
        Check(SnapshotFile::SavedGames, g_.SaveSlot, "autosave");
        Check(SnapshotFile::SavedGames, save_slot::kLatest, "latest autosave");
        if (g_.TempMovesOpen) Check(SnapshotFile::MoveHistory, g_.MoveRecordNo, "turn start");
    }
    void SaveMove() override {
        real_.SaveMove();
        Check(SnapshotFile::MoveHistory, g_.MoveRecordNo, "move");
    }

    // Record `slot` must restore to the game's position now; its position is kept for the
    // restores that read it later.
    void Check(SnapshotFile file, int slot, const char* what) {
        GameStateRecord rec;
        real_.ReadRecordAt(file, slot, rec);
        std::string why = ValidateRecord(rec);
        Game restored;
        if (why.empty()) {
            RecordToState(rec, restored);
            if (Position(restored) != Position(g_)) why = "it restores to another position";
        }
        if (!why.empty() && fault.empty())
            fault = std::string(what) + " record" + std::to_string(slot) + ": " + why;
        written[{file, slot}] = Position(restored);
        ++checked;
    }

    std::map<RecordKey, Bytes> written;
    std::string fault;
    int checked = 0;
    int turnStarts = 0;

  private:
    GameRecords& real_;
    const Game& g_;
};

// Every question is answered Yes: a stalemate is recovered, never given up.
struct YesDialogs : Dialogs {
    int MsgBox(const std::string&, int, const std::string& title) override {
        stalemates += title == "Stalemate";
        return mb::Yes;
    }
    int stalemates = 0;
};

// Every write of a record goes through to the disk; thousands of them take a minute there, a
// few seconds in memory.
std::filesystem::path MemoryBackedTemp() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

struct Table {
    TempProgramFolder folder{MemoryBackedTemp()};
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    ComputerPlayer cp{e};
    GameRecords records{g, h.services};
    CheckedRecords checked{records, g};
    YesDialogs dialogs;

    Table() {
        h.log.enabled = false;
        g.AppFolder = folder.path();
        g.MovePause = 0;
        g.SoundMode = 2;
        for (int k = 1; k <= 3; ++k) {
            g.Opp[k].Name = "Seat" + std::to_string(k);
            g.Opp[k].CommentFile = "No Comments";
        }
        h.services.records = &checked;
        h.services.turns = &cp;
        h.services.dialogs = &dialogs;
    }

    bool HumanOnTurn() const { return g.Pturn == 1; }

    // Plays up to `most` cards that fit: the side card first, then hold tops, then the hand.
    int PlayCards(int most) {
        int played = 0;
        while (played < most && HumanOnTurn() && PlayOne()) ++played;
        return played;
    }
    bool PlayOne() {
        for (int slot : {1, 7, 8, 9, 10, 2, 3, 4, 5, 6})
            for (int k = 1; k <= g.NumCenters; ++k) {
                const i16 rank = g.HumanCards[kRank][slot];
                if (rank == 0 || !CenterAccepts(g, rank, k)) continue;
                g.PickSlot = static_cast<i16>(slot);
                g.PileSel = static_cast<i16>(k);
                if (!e.CheckCenterPlay()) continue;
                e.Player_Move();
                return true;
            }
        return false;
    }
    // The first discard the rules let go; the seats then play until the human is on turn.
    void Discard() {
        const int before = checked.turnStarts;
        for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s)
            for (int p = 1; p <= 4 && HumanOnTurn() && checked.turnStarts == before; ++p) {
                if (g.HumanCards[kRank][s] == 0) continue;
                g.PickSlot = static_cast<i16>(s);
                g.DropSlot = static_cast<i16>(6 + p);
                e.Player_EndTurn();
            }
    }

    // A restore must give back the position its record was written from. The records it writes
    // in turn are checked like the others: a fresh move history after anything but an undo,
    // and the autosave pair after a restore from the store that is not a whole-turn restart.
    enum class Writes { Nothing, MoveHistory, AutoSaves };
    void ExpectRestored(SnapshotFile file, int slot, bool restored, Writes writes) {
        ASSERT_TRUE(restored);
        const auto it = checked.written.find({file, slot});
        ASSERT_NE(it, checked.written.end());
        ASSERT_EQ(Position(g), it->second) << "record " << slot;
        ASSERT_EQ(CheckConservation(g), "");
        if (writes == Writes::AutoSaves)
            for (int s : {save_slot::kPreviousOdd, save_slot::kPreviousEven})
                checked.Check(SnapshotFile::SavedGames, s, "restored");
        if (writes != Writes::Nothing)
            checked.Check(SnapshotFile::MoveHistory, 1, "restored turn start");
    }
};

enum class GoBack { None, SaveAndRestore, Undo, RestartTurn, PreviousTurn };

// Goes back at the start of a human turn the way `how` says.
void GoBackInTurn(Table& t, GoBack how, int turn) {
    Game& g = t.g;
    if (how == GoBack::PreviousTurn && g.MoveCounter > 2) {
        const int slot = g.MoveCounter % 2 ? save_slot::kPreviousOdd : save_slot::kPreviousEven;
        t.ExpectRestored(SnapshotFile::SavedGames, slot, t.records.PreviousTurnRestore(),
                         Table::Writes::AutoSaves);
    }
    if (how == GoBack::SaveAndRestore) {
        const int slot = 1 + turn % 10;
        ASSERT_TRUE(t.records.SaveGameToSlot(slot, "Turn" + std::to_string(turn)));
        t.checked.Check(SnapshotFile::SavedGames, slot, "saved game");
        t.PlayCards(2);
        if (!t.HumanOnTurn()) return;
        g.SaveSlot = static_cast<i16>(slot);
        t.ExpectRestored(SnapshotFile::SavedGames, slot,
                         t.records.RecordToGame(SnapshotFile::SavedGames),
                         Table::Writes::AutoSaves);
    }
    if (how == GoBack::Undo && t.PlayCards(2) > 0 && t.HumanOnTurn() && g.MoveRecordNo >= 2) {
        const int slot = g.MoveRecordNo - 1;
        g.UndoMove = VbTrue;
        t.records.RestartTurn();
        t.ExpectRestored(SnapshotFile::MoveHistory, slot, true, Table::Writes::Nothing);
    }
    if (how == GoBack::RestartTurn && t.PlayCards(2) > 0 && t.HumanOnTurn()) {
        const int slot = g.MoveCounter % 2 ? save_slot::kPreviousEven : save_slot::kPreviousOdd;
        g.RestartWholeTurn = VbTrue;
        t.records.RestartTurn();
        t.ExpectRestored(SnapshotFile::SavedGames, slot, true, Table::Writes::MoveHistory);
    }
}

// The scripted player empties its hand far less often than a person, so its turns rarely run
// into a stalemate; `stalemate` declares one in the middle of the turn, as the refill of an
// emptied hand would, and saves the recovered game.
void PlayTurn(Table& t, GoBack how, bool stalemate, int turn) {
    GoBackInTurn(t, how, turn);
    t.PlayCards(1);
    if (stalemate && t.HumanOnTurn()) {
        Game& g = t.g;
        t.e.STALEMATE();
        ASSERT_EQ(g.AbortTurn, 2);
        g.AbortTurn = 0;
        g.HandCount = CountHand(g.HumanCards);
        const int slot = 1 + turn % 10;
        ASSERT_TRUE(t.records.SaveGameToSlot(slot, "Recovered"));
        t.checked.Check(SnapshotFile::SavedGames, slot, "recovered game");
    }
    t.PlayCards(100);
    if (t.HumanOnTurn()) t.Discard();
}

}  // namespace

TEST(SnapshotProperty, EveryRecordWrittenInPlayRestoresToItsPosition) {
    static const i16 kSides[] = {25, 19, 14, 9};
    // Rule 4 alone reads as no rule, and the restore's rules caption says so by clearing it.
    static const i16 kForced[] = {0, 1, 2, 3, 5, 6, 7};
    int checkedRecords = 0;
    for (int game = 0; game < 30; ++game) {
        Table t;
        Game& g = t.g;
        const int players = 2 + game % 3;
        g.NumPlayers = static_cast<i16>(players);
        g.NumCards = static_cast<i16>(52 * players);
        g.NumCenters = 4;
        g.NoWildAce = VbBool(game % 2 == 0);
        g.SidePileSize = kSides[game / 2 % 4];
        g.ForcedCards = kForced[game % 7];
        for (int k = 1; k <= 3; ++k) g.Opp[k].Level = static_cast<i16>(game % 3);
        g.Rng.Rnd(-1);
        g.Rng.Randomize(500 + game);
        std::mt19937 choice(static_cast<unsigned>(game));
        ASSERT_TRUE(t.records.TempMovesFile(true));
        t.e.Game_New();
        for (int turn = 0; turn < 300 && t.HumanOnTurn(); ++turn) {
            const auto how = static_cast<GoBack>(choice() % 5);
            const bool stalemate = choice() % 8 == 0;
            const int before = t.checked.turnStarts;
            PlayTurn(t, how, stalemate, turn);
            ASSERT_EQ(t.checked.fault, "") << "game " << game << " turn " << turn;
            if (t.HumanOnTurn() && t.checked.turnStarts == before) break;  // no discard allowed
        }
        ASSERT_EQ(t.checked.fault, "") << "game " << game;
        checkedRecords += t.checked.checked;
    }
    std::printf("%d records checked\n", checkedRecords);
}
