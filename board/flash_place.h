#pragma once
// Where a personality's end-of-game show paints its frames, and which card box it covers, by the
// table's players and centers; and the end-of-game animation's strips of the board.
#include <string>
#include <vector>

#include "board/layout_control.h"
#include "engine/game.h"

struct FlashPlace {
    double x = 0, y = 0;     // pixels
    std::string hiddenName;  // the box hidden during the show ("" none)
    int hiddenIndex = 0;
};

FlashPlace FlashPosition(const FormModel& form, int numPlayers, int numCenters);

// A show's wait ends early when the program stops, or a new game has begun and the human is not
// on turn.
bool FlashInterrupted(const Game& g);

struct StripCopy {
    int destX = 0, destY = 0, width = 0, height = 0;  // source: the buffer's top-left corner
    bool ontoStock = false;
};

// The copies from the end-of-game animation's buffer onto the board: `which` 0 the whole board,
// 1 the two side-pile rows, anything else the stock card.
std::vector<StripCopy> BoardStrips(int which, int displayMode, int numPlayers, int screenWidth,
                                   int topOpp, int topHuman, int boardWidth, int boardHeight);
