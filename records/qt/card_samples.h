#pragma once
// The preferences dialog's sample pictures, made apart from the table's own pictures so that a
// preview never changes what the table shows: a face of any face style, the plain back in a
// colour, an installed deck's back, and the two empty-pile placeholders.
#include <QImage>

#include "platform/vb_types.h"

class ClsDll;

class CardSamples {
  public:
    CardSamples(ClsDll* decks, qreal dpr) : decks_(decks), dpr_(dpr) {}

    // Card 1-52 of face style `faceDeck` at full size: a number design (1-5), the built-in deck
    // (6) or installed deck faceDeck - 7. A deck that cannot be drawn shows the built-in faces;
    // `drawn` says whether the asked deck was.
    QImage Face(int faceDeck, int card, bool* drawn = nullptr);
    // Back style 0: the plain back in `colour` (0xBBGGRR); n: installed back n - 1.
    QImage Back(int backStyle, i32 colour);
    static QImage PlaceholderSample(bool wood, qreal dpr);

  private:
    ClsDll* decks_;
    qreal dpr_;
    int sheetDeck_ = -1;  // the face style whose sheet is kept
    QImage sheet_;
    bool sheetDrawn_ = true;
};
