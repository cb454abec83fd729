// The table's look for a new deal: empty piles, hidden depth bands and markers. The counters
// and pile arrays of the same reset belong to the game's state and are reset there.
#include "board/table_design.h"
#include "board/table_layout.h"

void TableLayout::Reset_Table(const Game& g) {
    const bool undo = g.UndoMove != VbFalse;
    Show_CenterPiles();
    requests_.WildUpdate = true;
    for (const char* name : {"ImgTurn2", "ImgTurn1", "ImgHold", "cmdDeal"})
        Ctl(name).Visible = false;
    requests_.StopIdleTimer = true;
    Ctl("LabelPeek").Caption.clear();
    Ctl("LabelPeek").Visible = false;
    if (g.NetConnected == 0) {
        Ctl("Label9", 2).Caption.clear();
        Ctl("Label9", 1).Caption.clear();
    }
    if (DisplayMode == 0 && !undo) {
        Set_PileCoords();
        Place_PlayerAreas();
    }
    for (int s = 1; s <= 100; ++s)
        if (form_.IsLoaded("Stack", s)) Ctl("Stack", s).Visible = false;
    if (undo) return;  // the restored position redraws the rows

    for (int slot = 1; slot <= 10; ++slot) Ctl("Picture7", slot).Enabled = false;
    const char* rows[] = {"Picture7", "Picture1", "Picture2", "Picture3"};
    for (int r = 0; r < NumPlayers; ++r) {
        for (int slot = 1; slot <= 10; ++slot) {
            ControlGeom& pile = Ctl(rows[r], slot);
            if (slot <= 6) {
                pile.Visible = false;
            } else {
                pile.Picture = table_design::kEmptyPile;
                pile.Visible = true;
            }
        }
    }
    for (int c = 1; c <= NumCenters; ++c) {
        Ctl("PicCenter", c).Picture = table_design::kEmptyPile;
        Ctl("LblWild", c).Visible = false;
    }
    Ctl("PicCenter", 0).Visible = true;
    Ctl("Label1").Visible = true;
    requests_.UnloadCounter = true;
}

void TableLayout::Show_PlayerNames(const Game& g) {
    Ctl("Label9", 4).Caption = g.Opp[1].Name;
    if (NumPlayers > 2) Ctl("Label9", 5).Caption = g.Opp[2].Name;
    if (NumPlayers == 4) Ctl("Label9", 6).Caption = g.Opp[3].Name;
    // Each opponent's hold piles carry that player's name.
    for (int p = 1; p < NumPlayers; ++p)
        if (form_.IsLoaded("Label3", p))
            Ctl("Label3", p).Caption = HoldFrameCaption(g.Opp[static_cast<size_t>(p)].Name);
    if (g.Pturn == 0) {
        PlaceAvatarBox();
        requests_.LoadAvatar = true;
    }
}

// The avatar's box by players and screen; the picture loaded into it is fitted to the box.
void TableLayout::PlaceAvatarBox() {
    ControlGeom& avatar = Ctl("ImgAvatar");
    if (NumPlayers == 4 && Narrow()) {
        avatar.Width = table_design::kSmallAvatarBox.Width;
        avatar.Height = table_design::kSmallAvatarBox.Height;
        avatar.Top = Ctl("imgCenter").Top;
        avatar.Left = 2;
    } else {
        avatar.Width = table_design::kAvatarBox.Width;
        avatar.Height = table_design::kAvatarBox.Height;
        avatar.Top = 0;
        // Against the window's right edge, except on a narrow three-player table.
        avatar.Left = NumPlayers == 3 && Narrow() ? 25 : form_.Width - avatar.Width;
    }
    Ctl("imgSlap").Left = avatar.Left;
    Ctl("imgSlap").Top = avatar.Top;
}

void TableLayout::Show_CenterPiles() {
    for (int k = 1; k <= NumCenters; ++k) Ctl("PicCenter", k).Visible = true;
}

void TableLayout::Size_MovingCard(std::string_view fromRow, int fromIndex) {
    const ControlGeom& from = Ctl(fromRow, fromIndex);
    Ctl("Picture1", 0).Width = from.Width;
    Ctl("Picture1", 0).Height = from.Height;
}
