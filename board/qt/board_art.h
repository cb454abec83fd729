#pragma once
// The table's own pictures, drawn by the program: the plain card back, the empty-pile
// placeholders, the window skins, the picture behind the center piles, the turn marker and the
// drawn menu bar, each in wood and in metal where the game offers both.
#include <QImage>
#include <QSize>

#include "board/board_looks.h"

QColor ToQColor(Rgb rgb);

QImage PlainBack(Rgb deckColour, QSize size, qreal dpr);
QImage Placeholder(bool wood, bool small, qreal dpr);
QImage SkinImage(bool wood, QSize size, qreal dpr);
// The frame behind the center piles at its design size.
QImage CenterAreaImage(bool wood, QSize size, qreal dpr);
QImage TurnMarker(qreal dpr);
// The tutorial's pointer: pointing right (imgTip) or up (imgTipUp), 32 x 32.
QImage TipPointer(bool up, qreal dpr);
QImage MenuBarImage(bool wood, QSize size, qreal dpr);
