#pragma once
// A picture of any table state without a screen: the layout's form model drawn from the game
// with the current pictures, at any pixel density. Tests probe it; people look at it.
#include <QImage>

#include "board/board_looks.h"
#include "board/table_layout.h"
#include "engine/game.h"

class CardPictures;

struct RenderExtras {
    QImage background;  // null: the plain mat colour
    bool stretch = false;
    QImage avatar;
};

// Draws the whole table (DrawTable) into the layout's model and paints it.
QImage RenderTable(const Game& g, TableLayout& layout, const BoardLooks& looks,
                   CardPictures& pictures, const RenderExtras& extras = {});
