// The depth shapes behind the side piles, one group of 25 per player, and the card back that
// lies on the human's band.
#include <algorithm>

#include "board/table_design.h"
#include "board/table_layout.h"

void TableLayout::InitSideStack() {
    ControlGeom& tmpl = Ctl("Stack", 0);
    SizeBox(tmpl);
    // Players 3 and 4 get theirs with their pile boxes.
    for (int s = 50; s >= 1; --s) form_.Load("Stack", s, tmpl);
}

void TableLayout::PlaceSideStack(int Base, std::string_view row) {
    const ControlGeom& side = Ctl(row, 1);
    Ctl("Stack", Base).Left = side.Left - 3;
    Ctl("Stack", Base).Top = side.Top;
    for (int i = Base; i >= Base - 23; --i) {
        Ctl("Stack", i - 1).Left = Ctl("Stack", i).Left - 2.25;
        Ctl("Stack", i - 1).Top = Ctl("Stack", i).Top;
    }
    // An opponent's name stands at the left end of the band.
    if (Base > 25) Ctl("Label9", Base / 25 + 2).Left = Ctl("Stack", Base - 24).Left;
}

// The depth index of opponent k: the working copy while that opponent is loaded there.
static i16 OppSideShape(const Game& g, int k) {
    return g.WorkingOpp == k ? g.CurSideShape : g.Opp[k].SideShape;
}

void TableLayout::ShowSideStack(const Game& g, bool Flag) {
    if (g.CurSideShape == 99) return;  // no deal yet
    if (Player3Loaded) ShowShapeGroup(75, OppSideShape(g, 2), Flag);
    if (Player4Loaded) ShowShapeGroup(100, OppSideShape(g, 3), Flag);
    ShowShapeGroup(50, OppSideShape(g, 1), Flag);
    ShowShapeGroup(25, g.HumanSideShape, Flag);
}

// Shapes index + 1 to base. An index from a bad side-pile size is held inside the group, so
// it never reaches into another player's band.
void TableLayout::ShowShapeGroup(int base, int shapeIndex, bool flag) {
    const int from = std::clamp(shapeIndex, base - 25, base) + 1;
    for (int s = base; s >= from; --s)
        if (form_.IsLoaded("Stack", s)) Ctl("Stack", s).Visible = flag;
}

void TableLayout::SizeSideStack(int First, int Last) {
    for (int s = First; s <= Last; ++s)
        if (form_.IsLoaded("Stack", s)) SizeBox(Ctl("Stack", s));
}

void TableLayout::PlaceHoldImage() {
    ControlGeom& hold = Ctl("ImgHold");
    hold.Left = Ctl("Stack", 25).Left;
    hold.Top = Ctl("Stack", 25).Top;
    SizeBox(hold);
    SetHoldPicture();
}

void TableLayout::SetHoldPicture() {
    Ctl("ImgHold").Picture = DisplayMode < 2 ? table_design::kNormalBack : table_design::kSmallBack;
}

void TableLayout::ShowHoldImage(const Game& g) {
    Ctl("ImgHold").Visible = g.HumanSideCount >= 2;
}
