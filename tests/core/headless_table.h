#pragma once
// A whole game with no window: the engine, the computer player and the records on headless
// services, in a program folder of the test's own, with no pauses.
#include "computer/computer_player.h"
#include "engine/engine.h"
#include "records/game_records.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

struct HeadlessTable {
    TempProgramFolder folder;
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    ComputerPlayer cp{e};
    GameRecords records{g, h.services};

    HeadlessTable() {
        g.AppFolder = folder.path();
        g.MovePause = 0;
        g.Opp[1].Name = "Brivo";
        g.Opp[1].CommentFile = "No Comments";
        h.services.records = &records;
        h.services.turns = &cp;
    }
};
