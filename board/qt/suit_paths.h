#pragma once
// The four suit symbols as outlines, so that they look the same on every machine whatever fonts
// it has. Each fills the given square.
#include <QColor>
#include <QPainterPath>
#include <QRectF>

// Suits in the face sheet's row order.
enum class Suit { Clubs = 0, Diamonds = 1, Hearts = 2, Spades = 3 };

QPainterPath SuitPath(Suit suit, const QRectF& box);
QColor SuitColour(Suit suit);
