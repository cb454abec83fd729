// The pile coordinates of each table, the human's row, the hold-pile frames and the fanned
// opponent rows of three- and four-player games.
#include "board/table_design.h"
#include "board/table_layout.h"

void TableLayout::SizeBox(ControlGeom& c) const {
    c.Width = CardWidthPx;
    c.Height = CardHeightPx;
}

void TableLayout::Set_PileCoords() {
    const int cw = CardWidthPx;
    if (NumPlayers == 2) {
        int holdLeft = 300, handLeft = 166, oppHand = 240, rowCenterLeft = 33;
        if (Wide()) {
            holdLeft = 480, handLeft = 346, oppHand = 320;
            rowCenterLeft = RoundHalfEven(346 - 2.5 * cw);
        } else if (NumCenters == 4) {
            holdLeft = 400, handLeft = 266;
        }
        HoldRowLeft = holdLeft, HoldRowTop = 273, HandRowLeft = handLeft, HandRowTop = 392;
        OppSideLeft = RoundHalfEven(oppHand - 1.25 * cw), OppSideTop = 6;
        OppHandLeft = oppHand, OppHandTop = 6, OppHoldLeft = holdLeft;
        if (NumCenters == 4) {
            CenterTop = 153;
            CenterLeft = Wide() ? 225 : 166;
        } else {
            // One row of centers between the players' rows. On a screen too narrow for normal
            // cards it stands a little lower, leaving the player's tally above it three lines.
            CenterTop = 273 - cw + (ScreenWidth < kMoveUpTwips ? 5 : 0);
            CenterLeft = rowCenterLeft;
        }
        Ctl("Picture1", 1).Left = OppSideLeft;
        Ctl("Picture1", 7).Left = OppHoldLeft;
        Ctl("Picture1", 2).Left = OppHandLeft;
        Ctl("Picture1", 1).Top = OppSideTop;
        Ctl("Picture1", 2).Top = OppHandTop;
        return;
    }
    OppSideTop = OppHandTop = 5;
    Ctl("Picture1", 1).Top = 5;
    // The first hand card keeps its step in the fan (Spread_Row), however often the coordinates
    // are set again: a table re-laid for three players shows the same fan as a fresh one.
    Ctl("Picture1", 2).Top = 5 + kFanStep;
    OppSideLeft = NumPlayers == 3 ? 250 : (Wide() ? 80 : 63);
    Ctl("Picture1", 1).Left = OppSideLeft;
    HoldRowLeft = 433, HoldRowTop = 273, HandRowLeft = 433, HandRowTop = 392;
    CenterTop = 213, CenterLeft = 126;
}

void TableLayout::Place_PlayerAreas() {
    ControlGeom& side = Ctl("Picture7", 1);
    side.Top = HandRowTop;
    side.Left = HandRowLeft - 1.25 * CardWidthPx;
    PlaceSideStack(25, "Picture7");
    // The card back lies exactly on the band's nearest shape, as wherever else it is placed.
    Ctl("ImgHold").Left = Ctl("Stack", 25).Left;
    Ctl("ImgHold").Top = HandRowTop;
    const int handStep = NumPlayers == 2 ? PileStep : PileStep - 8;
    for (int k = 2; k <= 6; ++k) {
        Ctl("Picture7", k).Left = HandRowLeft + (k - 2) * handStep;
        Ctl("Picture7", k).Top = HandRowTop;
    }
    for (int k = 7; k <= 10; ++k) {
        Ctl("Picture7", k).Left = HoldRowLeft + (k - 7) * PileStep;
        Ctl("Picture7", k).Top = HoldRowTop;
    }
    Place_PlayerLabel(RoundHalfEven(Ctl("Picture7", 7).Top), RoundHalfEven(Ctl("Picture7", 7).Left),
                      0);
    Place_PlayerLabel(RoundHalfEven(Ctl("Picture1", 7).Top), RoundHalfEven(Ctl("Picture1", 7).Left),
                      1);
    // The stock keeps clear of the frames just placed.
    SizeDeckAndTurn();
    if (NumPlayers == 2)
        for (int j = 1; j <= 4; ++j)
            if (form_.IsLoaded("lblHoldCard", j)) Ctl("lblHoldCard", j).Visible = true;
}

// The frame behind a player's hold piles: normal rows get the large frame, the small opponent
// rows of three and four players the small one.
TableLayout::HoldFrame TableLayout::HoldFrameFor(int player) const {
    const bool normalRow = player == 0 || (player == 1 && NumPlayers == 2);
    if (normalRow) return {table_design::kHoldFrame, 16};
    return {table_design::kSmallHoldFrame, 10};
}

void TableLayout::Place_PlayerLabel(int Top, int Left, int Player) {
    if (Player == 0) PlaceHoldLabels();
    const HoldFrame kind = HoldFrameFor(Player);
    ControlGeom& frame = Ctl("Label3", Player);
    frame.Width = kind.size.Width;
    frame.Height = kind.size.Height;
    frame.Top = Top - kind.margin / 2.0;
    frame.Left = Left - 5;
}

// Fans a small opponent row out behind its side pile. The steps across follow the row's own
// boxes (the small card), whatever size the human's cards have: fanned with the normal card's
// steps the fourth player's last hold pile would run off an 800-pixel table. The hold row stands
// a card height (the human's) below the first hand card, which leaves the fanned hand and the
// player's name under the side pile clear of the hold piles.
void TableLayout::Spread_Row(std::string_view row, int Base) {
    const double w = Ctl(row, 1).Width;
    const double h = CardHeightPx;
    const int fan = RoundHalfEven(w / 4);
    const int start = RoundHalfEven(Ctl(row, 1).Left + w / 2 + 10);
    for (int k = 2; k <= 6; ++k) {
        Ctl(row, k).Left = start + (k - 1) * fan;
        Ctl(row, k).Top = Ctl(row, k - 1).Top + kFanStep;
    }
    Ctl(row, 7).Top = Ctl(row, 2).Top + h;
    Ctl(row, 7).Left = Ctl("Stack", Base).Left;
    for (int k = 8; k <= 10; ++k) {
        Ctl(row, k).Top = Ctl(row, k - 1).Top;
        Ctl(row, k).Left = Ctl(row, k - 1).Left + w + 10;
    }
}
