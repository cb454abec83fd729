// The four display modes: normal or small cards, the human's rows at their default height or
// moved up. The caption of the card-size menu row records which way the next switch goes.
#include "board/table_design.h"
#include "board/table_layout.h"

namespace {
const char* const kMoveUp = "Move Cards Up";
const char* const kMoveDown = "Move Cards Down";
const char* const kSmaller = "Make Display Smaller";
const char* const kLarger = "Make Display Larger";

// Row heights in pixels: the hold row, the hand row and, with two players, the opponent's
// hold row.
struct RowTops {
    int hold, hand, oppHold;
};
constexpr RowTops kRowsUp{230, 352, 113};
constexpr RowTops kRowsDown{273, 392, 128};
}  // namespace

void TableLayout::SetCardVars(bool small) {
    const DesignSize card = small ? table_design::kSmallCard : table_design::kNormalCard;
    CardWidthPx = static_cast<int>(card.Width);
    CardHeightPx = static_cast<int>(card.Height);
    CardWidthTw = CardWidthPx * table_design::kTwipsPerPixel;
    CardHeightTw = CardHeightPx * table_design::kTwipsPerPixel;
}

void TableLayout::Change_Display(int Action) {
    if (!SetupWindowsOpen) form_.WindowState = 0;
    SmallDisplay = DisplayMode >= 2;
    if (Action == 0) {
        const bool up = DisplayMode % 2 == 0;
        SetRowTops(up);
        DisplayMode += up ? 1 : -1;
        Display[0].Caption = up ? kMoveDown : kMoveUp;
    } else if (Action == 1) {
        SwitchCardSize();
    }
    if (NumPlayers == 2 || DisplayMode < 2) PlaceHoldLabels();
    if (BackgroundShown) requests_.LoadBackground = true;
    Ctl("Label9", 3).Top = Ctl("Picture7", 1).Top + CardHeightPx + 6;
    if (!StartingUp) PlaceStatusArea();
    if (DefaultWindowWidth - form_.Left > ScreenWidthPx()) form_.Left = 0;
    const DesignSize moving =
        DisplayMode < 2 ? table_design::kNormalCard : table_design::kSmallCard;
    Ctl("Picture1", 0).Width = moving.Width;
    Ctl("Picture1", 0).Height = moving.Height;
    DropOffset = static_cast<i16>(71 - RoundHalfEven((142 - DropBase) / 2.0));
    SmallDisplay = DisplayMode >= 2;
    PlaceCenterArea();
    // The labels follow the new card size, so a switch gives the same table as a fresh start.
    if (Action == 1) Place_Labels();
}

void TableLayout::SwitchCardSize() {
    if (DisplayMode % 2 == 1) {
        SetRowTops(false);
        Display[0].Caption = kMoveUp;
    }
    if (Display[1].Caption == kSmaller)
        GoSmall();
    else
        GoLarge();
    // The stock hangs off the center block with three and four players, so it follows the card
    // size with every player count.
    SizeDeckAndTurn();
    Ctl("Label9", 2).FontSize = FontSize;
    if (Narrow()) requests_.ShowRulesCaption = true;
    if (NumPlayers == 2) {
        SetCardSize();
        SizePiles();
        SizeSideStack(1, 50);
        PlaceHoldImage();
    } else {
        SizeInfoLabel();
    }
    requests_.ClearBoard = true;
    requests_.DrawTable = true;
}

void TableLayout::GoSmall() {
    Display[0].Enabled = false;
    if (NumPlayers == 2) Scale_Form(5, 3);
    DisplayMode = 2;
    if (NumPlayers > 2) SetDisplaySize(true);
    Display[1].Caption = kLarger;
    Ctl("Label1").Visible = true;
}

void TableLayout::GoLarge() {
    if (NumPlayers == 2) Scale_Form(5, 2);
    Display[0].Enabled = ScreenWidth > kMoveUpTwips;
    DisplayMode = 0;
    Display[1].Caption = kSmaller;
    form_.Left = 0;
    form_.Top = 0;
    if (NumPlayers > 2) SetDisplaySize(false);
}

void TableLayout::SetCardSize() {
    SetCardVars(DisplayMode >= 2);
    HoldRowTop = RoundHalfEven(Ctl("Picture7", 7).Top);
    HoldRowLeft = RoundHalfEven(Ctl("Picture7", 7).Left);
    // The hand row too: a two-player table scaled to small cards places the Deal button and the
    // Peek label by it, which would otherwise stand over the scaled-down hand.
    HandRowTop = RoundHalfEven(Ctl("Picture7", 2).Top);
    SizeInfoLabel();
}

// On a very narrow screen the information line reaches down over the human's hold frame.
double TableLayout::InfoLabelHeight() const {
    return ScreenWidth < kMoveUpTwips ? CardHeightPx + Ctl("Label3", 0).Height
                                      : table_design::kInfoLabel.Height;
}

void TableLayout::SizeInfoLabel() {
    Ctl("Label9", 1).Height = InfoLabelHeight();
}

void TableLayout::SizePiles() {
    if (NumPlayers > 2) Ctl("Picture1", 2).Top = Ctl("Picture1", 1).Top + kFanStep;
    for (int i = 0; i <= 10; ++i) {
        SizeBox(Ctl("Picture1", i));
        if (i >= 1) SizeBox(Ctl("Picture7", i));
    }
}

void TableLayout::SetDisplaySize(bool Small) {
    SetCardVars(Small);
    for (int i = 1; i <= 10; ++i) SizeBox(Ctl("Picture7", i));
    for (int c = 1; c <= NumCenters; ++c) SizeBox(Ctl("PicCenter", c));
    SizeSideStack(1, 25);
    if (!Small) {
        Place_PlayerAreas();
        Place_PlayerLabel(RoundHalfEven(Ctl("Picture7", 7).Top),
                          RoundHalfEven(Ctl("Picture7", 7).Left), 0);
        PlaceHoldImage();
        Layout_Center();
        return;
    }
    ControlGeom& side = Ctl("Picture7", 1);
    const int handBase = RoundHalfEven(CardWidthPx / 2.0 + side.Left + 6);
    side.Top -= CardHeightPx / 3.0;
    Ctl("Picture7", 2).Top = side.Top;
    // The hand cards touch each other, the hold piles stand 3 apart.
    for (int slot = 2; slot <= 6; ++slot) {
        Ctl("Picture7", slot).Left = handBase + CardWidthPx * (slot - 1);
        Ctl("Picture7", slot).Top = Ctl("Picture7", slot - 1).Top;
    }
    for (int k = 8; k <= 10; ++k)
        Ctl("Picture7", k).Left = Ctl("Picture7", k - 1).Left + CardWidthPx + 3;
    for (int k = 2; k <= 10; ++k) Ctl("Picture7", k).Visible = true;
    Ctl("Label3", 0).Height = table_design::kSmallHumanHoldFrame.Height;
    Ctl("Label3", 0).Width = table_design::kSmallHumanHoldFrame.Width;
    PlaceSideStack(25, "Picture7");
    PlaceHoldImage();
    PlaceHoldLabels();
    Layout_Center();
}

void TableLayout::SetRowTops(bool Up) {
    const RowTops rows = Up ? kRowsUp : kRowsDown;
    HoldRowTop = rows.hold;
    HandRowTop = rows.hand;
    for (int k = 1; k <= 6; ++k) Ctl("Picture7", k).Top = rows.hand;
    for (int k = 7; k <= 10; ++k) Ctl("Picture7", k).Top = rows.hold;
    if (NumPlayers == 2)
        for (int k = 7; k <= 10; ++k) Ctl("Picture1", k).Top = rows.oppHold;
    Ctl("Label3", 0).Top = Ctl("Picture7", 7).Top - HoldFrameFor(0).margin / 2.0;
    if (NumPlayers == 2)
        Ctl("Label3", 1).Top = Ctl("Picture1", 7).Top - HoldFrameFor(1).margin / 2.0;
    PlaceSideStack(25, "Picture7");
    Ctl("ImgHold").Left = Ctl("Stack", 25).Left;
    Ctl("ImgHold").Top = Ctl("Stack", 25).Top;
    if (!Up) {
        if (NumPlayers == 2 && NumCenters == 4) {
            CenterTop = 153;
            Place_CenterPiles();
        }
        Place_Labels();
        return;
    }
    if (NumPlayers == 2 && NumCenters == 4) {
        Ctl("Label9", 1).Top = Ctl("Picture7", 1).Top + 10;
        CenterTop = RoundHalfEven(Ctl("Picture1", 7).Top + 10);
        Place_CenterPiles();
    } else if (NumPlayers == 2) {
        // The Deal button and the Peek label stand by the hand row: they follow it up.
        Place_Labels();
    } else if (NumPlayers > 2) {
        PlaceRemarkBesideCenter();
    }
}
