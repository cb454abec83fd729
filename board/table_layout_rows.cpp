// The small opponent rows of three- and four-player games and the center piles as a block.
#include "board/table_design.h"
#include "board/table_layout.h"

void TableLayout::Layout_SmallCards() {
    for (int k = 0; k <= 10; ++k) {
        Ctl("Picture1", k).Height = kSmallCardHeight;
        Ctl("Picture1", k).Width = kSmallCardWidth;
    }
    SizeDeckAndTurn();
    for (int s = 26; s <= 25 * NumPlayers; ++s) {
        Ctl("Stack", s).Height = kSmallCardHeight;
        Ctl("Stack", s).Width = kSmallCardWidth;
    }
    PlaceSideStack(50, "Picture1");
    Spread_Row("Picture1", 26);
    // The hold-pile count labels serve the normal rows of two-player games only.
    for (int j = 1; j <= 4; ++j)
        if (form_.IsLoaded("lblHoldCard", j)) Ctl("lblHoldCard", j).Visible = false;
}

void TableLayout::Load_PlayerControls(std::string_view row) {
    const bool third = row == "Picture2";
    const int player = third ? 2 : 3;
    const int firstShape = third ? 51 : 76;
    ControlGeom& side = Ctl(row, 1);
    side.Width = kSmallCardWidth;
    side.Height = kSmallCardHeight;
    if (third)
        side.Left = NumPlayers == 3 ? 580 : (Wide() ? 375 : 326);
    else
        side.Left = Wide() ? 664 : 590;
    side.Top = 5;
    side.Visible = true;
    if (!third || !Player3Loaded) {
        form_.Load("Label3", player, Ctl("Label3", 1)).Visible = true;
        ControlGeom& name = form_.Load("Label9", player + 3, Ctl("Label9", 4));
        name.Visible = true;
        name.Caption.clear();
        for (int s = firstShape; s < firstShape + 25; ++s) form_.Load("Stack", s, Ctl("Stack", 0));
        for (int k = 2; k <= 10; ++k) form_.Load(row, k, Ctl(row, 1));
    }
    PlaceSideStack(firstShape + 24, row);
    Spread_Row(row, firstShape);
    Place_PlayerLabel(RoundHalfEven(Ctl(row, 7).Top), RoundHalfEven(Ctl(row, 7).Left), player);
    Ctl("Label9", player + 3).Top = side.Top + side.Height;
    // The redraw shows the side pile again with its card.
    side.Visible = false;
}

void TableLayout::Place_CenterPiles() {
    const double cw = CardWidthPx, ch = CardHeightPx, cl = CenterLeft, ct = CenterTop;
    // Small cards in a block of four sit closer together.
    const bool tight = DisplayMode >= 2 && NumCenters == 4;
    const double left[5] = {0, tight ? cl - 4 : cl, tight ? cl + cw + 4 : cl + cw + 10,
                            tight ? cl - 4 : cl, tight ? cl + cw + 4 : cl + cw + 10};
    const double top[5] = {0, tight ? ct - 4 : ct, tight ? ct - 4 : ct,
                           tight ? ct + ch : ct + ch + 6, tight ? ct + ch : ct + ch + 6};
    for (int c = 1; c <= 4; ++c) {
        if (!form_.IsLoaded("PicCenter", c)) continue;
        Ctl("PicCenter", c).Left = left[c];
        Ctl("PicCenter", c).Top = top[c];
    }
    Ctl("imgCenter").Left = cl - 15;
    Ctl("imgCenter").Top = ct - 16;
    PlaceCenterArea();
}
