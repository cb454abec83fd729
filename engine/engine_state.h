#pragma once
// The main window's fields that the game flow keeps between calls: the turn driver's flags, the
// last remarks made, the sample-game counter, the end-of-game tallies and the Internet session.
#include <array>
#include <string>

#include "platform/vb_types.h"

struct EngineState {
    i16 TieCount = 0;          // players who shared the highest side top at the deal (0: none)
    i16 NoMissCheck = 0;       // 2 right after a deal or recovery: skip the opening remarks
    i16 MissedPlay = VbFalse;  // the human's side top could have been played at the turn's end
    i16 HumanCenter = 0;       // the center the computer expects the human's side card to go to
    i16 LastBlockComment = 0;
    i16 LastBlockSound = 0;
    i16 AvatarSwapped = VbFalse;
    i16 PileLoop = 0;  // 666 after a failed stalemate recovery
    i16 DropSlot = 0;  // the hold slot (7-10) of the human's discard
    i16 Peeking = VbFalse;
    i16 NumberCards = VbFalse;  // the peer shows numbers only: hands are not reordered
    i16 TempMovesOpen = VbFalse;
    i16 TutorialOn = VbFalse;
    i16 PlayRunning = VbFalse;  // a play or discard of the human's is being carried out

    i16 SampleGameNumber = 0;
    i16 NewGameAsked = VbFalse;

    std::string Msg;
    std::string EndMessage;
    i16 LastMargin = 0;
    i16 GamesPlayedTally = 0;
    i16 GamesWonTally = 0;
    i16 MarginTally = 0;

    i16 NetSessionGames = 0;
    i16 NetSessionWins = 0;
    i16 NetSessionMargin = 0;
};
