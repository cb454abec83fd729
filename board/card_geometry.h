#pragma once
// Card sizes and where a card's face sits in a 52-card face sheet: 13 columns (Ace to King) by
// 4 rows (suits) of 71 x 96 pixel cells, the cell of a card starting one pixel right of its
// column's edge.
#include "platform/vb_types.h"

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
constexpr int kSmallCardWidth = 59;
constexpr int kSmallCardHeight = 80;
constexpr int kSheetColumns = 13;
constexpr int kSheetRows = 4;
constexpr int kSheetWidth = kCardWidth * kSheetColumns + 1;
constexpr int kSheetHeight = kCardHeight * kSheetRows;

struct SheetCell {
    int card = 0;  // 1-52: the id reduced to the first deck
    int row = 0;   // suit 0-3
    int column = 0;
    int x = 0;
    int y = 0;
};

// Ids of the second to fourth decks (53-208) draw as the matching id of the first.
int ReducedCard(int cardId);
// The cell of a card id (1 or more).
SheetCell CellOfCard(int cardId);
// Rank 1 (Ace) to 13 (King) of a card id, regardless of suit and deck.
int RankForDrawing(int cardId);
