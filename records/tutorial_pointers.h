#pragma once
// Where the tutorial's two pointers stand on the main window's table: imgTip points sideways at
// the center piles, the side pile or the hold piles; imgTipUp points up at a card of the
// player's row. Both are placed in the table's layout, which the board draws.
#include "board/table_layout.h"

void PointAtCenterArea(TableLayout& t);
void PointAtSideStack(TableLayout& t);
// Pile 1-6 of the player's row: imgTipUp under the card. Pile 7-10: imgTip beside the hold
// piles.
void PointAtPile(TableLayout& t, int pile);
void HideTutorialPointers(TableLayout& t, bool upOnly = false);
// Both pointers are drawn over the cards and labels they overlap.
void TutorialPointersToFront(TableLayout& t);
