#pragma once
// Repaints what a change to a few card boxes covers and uncovers: the table within each box's
// rectangle as it was before the change and as it is after it, and nothing else, so that a card
// sliding or turning over does not cost a paint of the whole table.
#include <QRectF>
#include <initializer_list>
#include <utility>
#include <vector>

#include "board/layout_control.h"

class TableView;

class BoxDamage {
  public:
    BoxDamage(TableView& view, std::initializer_list<const ControlGeom*> boxes);
    ~BoxDamage();
    BoxDamage(const BoxDamage&) = delete;
    BoxDamage& operator=(const BoxDamage&) = delete;

  private:
    TableView& view_;
    std::vector<std::pair<const ControlGeom*, QRectF>> before_;
};

// A box's rectangle on the table, in the model's pixels.
inline QRectF BoxRect(const ControlGeom& c) {
    return QRectF(c.Left, c.Top, c.Width, c.Height);
}
