// Setting the table up for a number of players and centers, and the start-up layout.
#include "board/table_layout.h"

#include <algorithm>
#include <cmath>

#include "board/table_design.h"

int RoundHalfEven(double x) {
    return static_cast<int>(std::nearbyint(x));
}

TableLayout::TableLayout(i32 screenWidthTwips, bool largeFonts)
    : ScreenWidth(screenWidthTwips), LargeFonts(largeFonts), form_(DesignMainForm()) {
    Display[0] = {"Move Cards Up", ScreenWidth > kMoveUpTwips};
    Display[1] = {"Make Display Smaller", true};
    Display[2] = {"Reset Default Window Size", true};
    DefaultWindowWidth = ScreenWidthPx();
    form_.Width = DefaultWindowWidth;
    Ctl("StatusBar1").Width = DefaultWindowWidth;
    if (LargeFonts) {
        // Large system fonts: the long texts get a larger face, the side labels a smaller one.
        Ctl("Label9", 1).FontSize = 10;
        Ctl("Label9", 2).FontSize = 10;
        for (const char* name : {"lblRules", "lblLevel"}) {
            Ctl(name).FontSize = 8;
            Ctl(name).Width = 100;
        }
        Ctl("LabelPeek").FontSize = 8;
    }
}

LayoutRequests TableLayout::TakeRequests() {
    LayoutRequests r = requests_;
    requests_ = {};
    return r;
}

void TableLayout::StartUp(const Game& g, int savedMode) {
    StartingUp = true;
    TakeCounts(g);
    InitSideStack();
    LayoutForCounts(g);
    RestoreDisplayMode(savedMode);
    SizeDeckAndTurn();
    PlaceStatusArea();
    PlaceAvatars();
    // The window is placed after the first layout, and its table takes the size it gets then.
    requests_.WindowSize = false;
    StartingUp = false;
}

// A two-player table with three centers takes the mode back only as small cards: its small
// arrangement is the whole table scaled down, where the raised rows would run into the centers.
static bool KeepsRowsUp(int players, int mode) {
    return mode == 3 && players > 2;
}

void TableLayout::RestoreDisplayMode(int savedMode) {
    if (savedMode < 0 || savedMode > 3) savedMode = 0;
    if (ScreenWidth < kMoveUpTwips && DisplayMode < 2) {
        // Normal cards do not fit a screen this narrow.
        savedMode = 2;
        Display[0].Enabled = false;
    }
    if (savedMode == 1) {
        StartingUp = false;
        Change_Display(0);
    } else if (savedMode >= 2) {
        Change_Display(1);
        DropBase = 66;
        if (KeepsRowsUp(NumPlayers, savedMode)) Change_Display(0);
    }
}

void TableLayout::Setup_Layout(const Game& g, int Players, int Centers) {
    // The table itself knows what it is laid out for; the callers' counts only stand in before
    // the first layout.
    if (!laidOut_) {
        NumPlayers = Players;
        NumCenters = Centers;
    }
    const int savedMode = DisplayMode;
    if (savedMode >= 1) Change_Display(savedMode == 1 ? 0 : 1);
    TakeCounts(g);
    LayoutForCounts(g);
    if (savedMode == 1) {
        Change_Display(0);
    } else if (savedMode >= 2) {
        Change_Display(1);
        if (KeepsRowsUp(NumPlayers, savedMode)) Change_Display(0);
    }
}

// The table has two to four players and three or four centers, four whenever more than two
// play; counts outside that (a damaged record, a bad message) are brought inside.
void TableLayout::TakeCounts(const Game& g) {
    NumPlayers = std::clamp<int>(g.NumPlayers, 2, 4);
    NumCenters = NumPlayers > 2 ? 4 : std::clamp<int>(g.NumCenters, 3, 4);
}

void TableLayout::LayoutForCounts(const Game& g) {
    if (NumPlayers == 2) {
        // The two-player table is built with three centers in a row; a fourth makes a block.
        const int centers = NumCenters;
        NumCenters = 3;
        Layout_TwoPlayers(g);
        NumCenters = centers;
        if (centers == 4) Layout_Center();
    } else {
        Layout_Center();
        Layout_Multi(g, NumPlayers);
    }
    laidOut_ = true;
}

void TableLayout::Layout_TwoPlayers(const Game& g) {
    Set_PileCoords();
    Place_OppPiles();
    PlaceCenterRow();
    if (CenterLoaded) {
        form_.Unload("PicCenter", 4);
        form_.Unload("LblWild", 4);
        CenterLoaded = false;
    }
    ControlGeom& center = Ctl("imgCenter");
    center.Left = CenterLeft - 15;
    center.Top = CenterTop - 16;
    PlaceCenterArea();
    SizePiles();
    for (int s = 26; s <= 50; ++s) {
        Ctl("Stack", s).Width = CardWidthPx;
        Ctl("Stack", s).Height = CardHeightPx;
    }
    UnloadExtraPlayers();
    Place_Labels();
    Show_PlayerNames(g);
    HideAbsentRow("Picture2");
    HideAbsentRow("Picture3");
    Player3Loaded = false;
    Player4Loaded = false;
    SizeDeckAndTurn();
    PlaceSideStack(25, "Picture7");
    PlaceSideStack(50, "Picture1");
    PlaceHoldImage();
}

void TableLayout::PlaceCenterRow() {
    for (int c = 1; c <= 3; ++c) {
        ControlGeom& pile = Ctl("PicCenter", c);
        pile.Left = c == 1 ? CenterLeft : Ctl("PicCenter", c - 1).Left + PileStep;
        pile.Top = CenterTop;
        ControlGeom& wild = Ctl("LblWild", c);
        wild.Left = pile.Left + CardWidthPx / 2.0 - wild.Width / 2;
        wild.Top = CenterTop + CardHeightPx + 10;
        wild.Front = true;
    }
}

void TableLayout::UnloadExtraPlayers() {
    for (int k = 2; k <= 10; ++k) {
        if (Player3Loaded) form_.Unload("Picture2", k);
        if (Player4Loaded) form_.Unload("Picture3", k);
    }
    for (int s = 51; s <= 75; ++s) {
        if (Player3Loaded) form_.Unload("Stack", s);
        if (Player4Loaded) form_.Unload("Stack", s + 25);
    }
    if (Player3Loaded) {
        form_.Unload("Label3", 2);
        form_.Unload("Label9", 5);
    }
    if (Player4Loaded) {
        form_.Unload("Label3", 3);
        form_.Unload("Label9", 6);
    }
}

// Element 1 of a row is designed on the form and stays loaded; when its player leaves it is
// hidden and put back as designed, like the elements that are unloaded.
void TableLayout::HideAbsentRow(std::string_view row) {
    Ctl(row, 1) = DesignControl(row, 1);
}

void TableLayout::Layout_Multi(const Game& g, int Players) {
    Layout_Center();
    if (Players > 2) {
        Load_PlayerControls("Picture2");
        Player3Loaded = true;
    }
    if (Players == 3 && Player4Loaded) DropPlayer4();
    if (Players == 4 && !Player4Loaded) {
        Load_PlayerControls("Picture3");
        Player4Loaded = true;
    }
    Show_PlayerNames(g);
    Layout_SmallCards();
    Place_PlayerAreas();
    Place_Labels();
    SetHoldPicture();
}

void TableLayout::DropPlayer4() {
    for (int k = 2; k <= 10; ++k) form_.Unload("Picture3", k);
    HideAbsentRow("Picture3");
    for (int s = 76; s <= 100; ++s) form_.Unload("Stack", s);
    form_.Unload("Label3", 3);
    form_.Unload("Label9", 6);
    Player4Loaded = false;
}

void TableLayout::Layout_Center() {
    Set_PileCoords();
    if (!CenterLoaded) {
        form_.Load("LblWild", 4, Ctl("LblWild", 1));
        ControlGeom& pile = form_.Load("PicCenter", 4, Ctl("PicCenter", 0));
        pile.Picture = table_design::kEmptyPile;
        pile.ToolTip.clear();
        pile.Width = table_design::kNormalCard.Width;
        pile.Height = table_design::kNormalCard.Height;
        // It shows its empty place like the other three: a table laid out again between deals
        // (an Internet game's new layout, the host's setup) is not reset before it is seen.
        pile.Visible = true;
        CenterLoaded = true;
    }
    Place_CenterPiles();
    if (NumPlayers == 2) {
        Place_PlayerAreas();
        Place_Labels();
        // Narrow rows place the opponent's hold piles by the center count.
        if (!Wide()) {
            Place_OppPiles();
            PlaceSideStack(50, "Picture1");
            SizeDeckAndTurn();
        }
    }
}

void TableLayout::Place_OppPiles() {
    for (int k = 3; k <= 10; ++k) {
        ControlGeom& pile = Ctl("Picture1", k);
        if (k != 7) pile.Left = Ctl("Picture1", k - 1).Left + PileStep;
        if (k <= 6) pile.Top = Ctl("Picture1", 2).Top;
        if (k >= 7) pile.Top = 128;
    }
    for (int c = 1; c <= NumCenters; ++c) {
        Ctl("PicCenter", c).Width = CardWidthPx;
        Ctl("PicCenter", c).Height = CardHeightPx;
    }
    Place_PlayerAreas();
}
