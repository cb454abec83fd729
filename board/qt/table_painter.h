#pragma once
// Paints the main window's table from the layout's form model and the drawn boxes: the
// background, the center area, depth shapes, every card box, labels, markers and the avatar, in
// the order they stack. The live window and the picture renderer both paint through it.
#include <QImage>
#include <QPainter>

#include "board/board_looks.h"
#include "board/model_canvas.h"

class CardPictures;

struct TableScene {
    const FormModel& form;
    const ModelCanvas& boxes;
    const CardPictures& pictures;
    const BoardLooks& looks;
    QImage background;  // null: the plain mat colour
    bool stretch = false;
    QImage avatar;
    bool drawTexts = true;  // labels and buttons (the live window has widgets for them)
};

void PaintTable(QPainter& p, const TableScene& scene);

// Where a table label's text stands in its box: at the top left, as the boxes are sized for the
// longest text and a short one centred in them would drift under the Deal button or onto the
// piles around; the wild counts centred over their piles; the status notice at the bottom, over
// the status bar, where a short notice keeps below a hand row that reaches into its box.
Qt::Alignment LabelTextAlignment(const std::string& key);

// Paints `picture` over `area` in cells of its own size from the top-left corner, at least one.
void TilePicture(QPainter& p, const QImage& picture, const QRectF& area);
