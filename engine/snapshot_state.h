#pragma once
// The state of the position snapshots: the record buffer every save and restore goes through,
// the record chosen, the move history's position and the one-call flags of the restore
// commands.
#include <string>

#include "platform/vb_types.h"
#include "shared/game_state_record.h"

struct SnapshotState {
    GameStateRecord GameRecord;
    i16 SaveSlot = 0;      // record to save or restore
    i16 MoveRecordNo = 0;  // latest record written to the move file

    // Set by the caller for one restore; the restore commands clear them.
    i16 RestartWholeTurn = VbFalse;
    i16 UndoMove = VbFalse;
    i16 PreviousTurn = VbFalse;
    i16 CancelFlag = VbFalse;  // the last restore was refused

    // Internet play: a game being saved, a saved game being resumed.
    i16 NetSaveFlag = VbFalse;
    i16 NetResume = 0;

    // Player and center counts before the latest layout change.
    i16 PrevPlayers = 0;
    i16 PrevCenters = 0;
};
