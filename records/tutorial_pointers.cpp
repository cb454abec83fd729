#include "records/tutorial_pointers.h"

#include <algorithm>

namespace {

ControlGeom* Pointer(TableLayout& t, const char* name) {
    return t.Form().IsLoaded(name) ? &t.Ctl(name) : nullptr;
}

}  // namespace

void PointAtCenterArea(TableLayout& t) {
    ControlGeom* tip = Pointer(t, "imgTip");
    if (!tip || !t.Form().IsLoaded("imgCenter")) return;
    const ControlGeom& center = t.Ctl("imgCenter");
    // Beside the area, though never off the table's left edge.
    tip->Left = std::max(0.0, center.Left - tip->Width);
    tip->Top = center.Top + (center.Height - tip->Height) / 2;
    tip->Visible = true;
}

void PointAtSideStack(TableLayout& t) {
    ControlGeom* tip = Pointer(t, "imgTip");
    if (!tip || !t.Form().IsLoaded("Stack", 20)) return;
    tip->Left = t.Ctl("Stack", 20).Left - tip->Width;
    tip->Top = t.Ctl("Picture7", 1).Top + tip->Height;
    tip->Visible = true;
}

void PointAtPile(TableLayout& t, int pile) {
    if (pile < 1 || pile > 10) return;
    if (pile < 7) {
        ControlGeom* up = Pointer(t, "imgTipUp");
        if (!up) return;
        const ControlGeom& card = t.Ctl("Picture7", pile);
        up->Left = card.Left + 10;
        up->Top = card.Top + t.CardHeightPx;
        up->Visible = true;
        return;
    }
    ControlGeom* tip = Pointer(t, "imgTip");
    if (!tip || !t.Form().IsLoaded("Label3", 0)) return;
    tip->Left = t.Ctl("Label3", 0).Left - tip->Width;
    tip->Top = t.Ctl("Picture7", 7).Top + tip->Height + t.CardWidthPx / 2;
    tip->Visible = true;
}

void HideTutorialPointers(TableLayout& t, bool upOnly) {
    for (const char* name : {"imgTipUp", "imgTip"}) {
        if (ControlGeom* p = Pointer(t, name)) p->Visible = false;
        if (upOnly) return;
    }
}

void TutorialPointersToFront(TableLayout& t) {
    for (const char* name : {"imgTipUp", "imgTip"})
        if (ControlGeom* p = Pointer(t, name)) p->Front = true;
}
