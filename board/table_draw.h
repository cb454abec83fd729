#pragma once
// Drawing cards and whole rows from the game's state: ShowCard for one box, RedrawPileRow for a
// player's eleven boxes, DrawTable for everything after a change that touches many piles, and
// Peek for turning the opponents' hands up or down.
#include "board/box_canvas.h"
#include "engine/game.h"

// What the drawing reads besides the cards: the looks, the layout's display mode and screen.
struct DrawInputs {
    const Game& game;
    const BoardLooks& looks;
    int displayMode = 0;
    int screenWidth = 15360;  // twips
    bool largeFonts = false;

    CardDrawContext Context() const;
};

// Draws a card (0: a back, or with kEmptyPile the placeholder), shows the box and plays the card
// sound of `kind`.
void ShowCard(BoxCanvas& canvas, const CardDrawContext& ctx, PileRow row, int index, int card,
              int kind);

// The cards of opponent `opp` (1-3), from the working copy while it is loaded there.
const PorC& OpponentCards(const Game& g, int opp);

void RedrawPileRow(BoxCanvas& canvas, const DrawInputs& in, PileRow row, const PorC& cards);
void DrawTable(BoxCanvas& canvas, const DrawInputs& in);
void Peek(BoxCanvas& canvas, const DrawInputs& in);
