#include "board/card_geometry.h"

int ReducedCard(int cardId) {
    while (cardId > 52) cardId -= 52;
    return cardId;
}

SheetCell CellOfCard(int cardId) {
    SheetCell c;
    c.card = ReducedCard(cardId);
    c.row = (c.card - 1) / kSheetColumns;
    c.column = (c.card - 1) % kSheetColumns;
    c.x = kCardWidth * c.column + 1;
    c.y = kCardHeight * c.row;
    return c;
}

int RankForDrawing(int cardId) {
    const int r = cardId % 13;
    return r == 0 ? 13 : r;
}
