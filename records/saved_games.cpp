#include "records/saved_games.h"

#include "platform/record_file.h"

namespace {

int Message(const Services& sv, const std::string& text, int style, const std::string& title) {
    return sv.dialogs ? sv.dialogs->MsgBox(text, style, title) : mb::Ok;
}

long StoreRecordCount(const GameRecords& records) {
    return RecordFile(records.SavedGamesPath(), GameStateRecord::kSize).RecordCount();
}

}  // namespace

SaveContext SaveContextOf(const SavedGamesParts& p) {
    SaveContext c;
    c.numPlayers = p.g.NumPlayers;
    c.netConnected = p.g.NetConnected;
    c.isHost = p.g.IsHost != 0;
    c.devMode = p.g.DevMode != 0;
    c.opponentName = p.g.Opp[1].Name;
    c.hostPlayerName = p.g.HostPlayerName;
    c.dateText = p.dateText;
    c.timeText = p.timeText;
    return c;
}

bool SaveGameCommand(SavedGamesParts& p) {
    Game& g = p.g;
    if (g.Pturn == 0) {
        Message(p.sv, kNoGameToSave, mb::OkOnly, "Brivo & Tessik");
        return false;
    }
    std::array<std::string, 11> titles{};
    for (int k = 1; k <= save_records::kSlots; ++k) {
        GameStateRecord rec;
        p.records.ReadRecordAt(SnapshotFile::SavedGames, k, rec);
        titles[k] = rec.Title;
    }
    const SaveDialogResult r =
        p.showDialog(SaveListFor(g.NetConnected != 0, titles), SaveContextOf(p));
    if (r.cancelled) {
        g.CancelFlag = VbFalse;
        return false;
    }
    g.CancelFlag = VbFalse;
    g.SaveSlot = static_cast<i16>(r.choice.slot);
    const bool saved = p.records.SaveGameToSlot(r.choice.slot, StoredTitle(r.choice.title));
    g.NetSaveFlag = VbFalse;
    return saved;
}

RestoreOutcome RestoreGameCommand(SavedGamesParts& p) {
    Game& g = p.g;
    g.CancelFlag = VbFalse;
    std::array<GameStateRecord, 12> recs{};
    const long count = StoreRecordCount(p.records);
    for (int k = 1; k <= save_records::kAutoSlot && k <= count; ++k)
        p.records.ReadRecordAt(SnapshotFile::SavedGames, k, recs[k]);
    const SaveDialogResult r = p.showDialog(
        RestoreListFor(recs, count, g.NetConnected != 0, g.TempMovesOpen != 0), SaveContextOf(p));
    if (r.cancelled) {
        g.CancelFlag = VbTrue;
        return {};
    }
    int moveCounter = g.MoveCounter;
    if (r.choice.slot == save_records::kAutoSlot && moveCounter == 0) {
        std::optional<int> asked;
        if (g.DevMode && p.askTurnCount) asked = p.askTurnCount();
        if (!asked) {
            Message(p.sv, kNoMoveToRestore, mb::Critical, "Previous Turn");
            return {};
        }
        moveCounter = *asked;
        g.MoveCounter = static_cast<i16>(moveCounter);
    }
    const std::optional<int> record = RestoreRecordFor(r.choice.slot, moveCounter);
    if (!record) {
        Message(p.sv, kNoMoveToRestore, mb::Critical, "Previous Turn");
        return {};
    }
    if (p.sv.window) p.sv.window->ShowDealButton(false);
    g.SaveSlot = static_cast<i16>(*record);
    RestoreOutcome out;
    out.restored = p.records.RecordToGame(SnapshotFile::SavedGames);
    if (out.restored) {
        g.GameRestored = VbTrue;
        out.secureSave = r.secureSave;
    } else if (g.Pturn == 0 && p.sv.window) {
        // A refused record leaves the table as it was: with no game on, Deal is back.
        p.sv.window->ShowDealButton(true);
    }
    return out;
}
