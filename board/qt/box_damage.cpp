#include "board/qt/box_damage.h"

#include "board/qt/table_view.h"

BoxDamage::BoxDamage(TableView& view, std::initializer_list<const ControlGeom*> boxes)
    : view_(view) {
    for (const ControlGeom* box : boxes)
        if (box) before_.emplace_back(box, BoxRect(*box));
}

BoxDamage::~BoxDamage() {
    // Two areas, not the rectangle around both: a box can jump across the table.
    for (const auto& [box, before] : before_) {
        view_.UpdateArea(before);
        view_.UpdateArea(BoxRect(*box));
    }
}
