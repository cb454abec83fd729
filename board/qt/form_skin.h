#pragma once
// The look of the game's small windows: a skin (wood or brushed metal) over the whole window, the
// matching colour of its buttons and labels, a raised frame of light and grey lines along its
// edges, and the placeholder and menu-bar pictures in the same style.
#include <QPainter>
#include <QRect>

#include "board/layout_control.h"

class CardPictures;
class QWidget;

void PaintFormSkin(QPainter& p, const QRect& area, bool wood, qreal dpr);
// Gives every button and label of `form` the skin's control colour.
void PaintFormSkinColours(QWidget* form, bool wood);
void DrawFormFrame(QPainter& p, const QRect& area);

// Chooses the empty-pile placeholders for `wood` and stands the rules and level captions
// right-aligned inside the drawn menu bar (margin 8 for wood, 5 for metal).
void SetPanelImages(FormModel& mainForm, CardPictures& pictures, bool wood);
