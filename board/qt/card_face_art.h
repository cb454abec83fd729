#pragma once
// The faces of the built-in deck, drawn by the program: corner indices, pip layouts and framed
// court cards, and the number-only designs that show the rank alone.
#include <QImage>
#include <QPainter>
#include <QRectF>

// Face of card 1-52 (suit row (n - 1) / 13, rank column (n - 1) % 13) filling `cell`.
void PaintCardFace(QPainter& p, const QRectF& cell, int card);

// The 52-card face sheet: 13 x 4 cells of 71 x 96 at x = 71 column + 1, y = 96 row; `dpr`
// device pixels per pixel keep it sharp on high-density screens.
QImage BuildStandardSheet(qreal dpr);

// Number-only designs 0 (the plain one) to 5 ("Tessik", "Artsy", "Shout", "Brivo's", "Viking").
constexpr int kNumberDesigns = 6;
void PaintNumberCard(QPainter& p, const QRectF& cell, int rank, int design);
QImage NumberCardImage(int rank, int design, qreal dpr);

// The text a card's rank is shown with: "A", "2" ... "10", "J", "Q", "K".
QString RankText(int rank);
