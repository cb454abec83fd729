// The picture behind the center piles with the wild-count labels, the stock with its frame and
// turn markers, the labels over the hold piles and the window's default size.
#include <algorithm>

#include "board/table_design.h"
#include "board/table_layout.h"

using namespace table_design;

void TableLayout::ClearBoard() {
    // The stock keeps the back its size was given with.
    for (int c = 1; c <= 3; ++c) Ctl("PicCenter", c).Picture = kEmptyPile;
    for (const char* row : {"Picture7", "Picture1"}) {
        // The large back only where the card drawing puts one: the human's row, or both rows of
        // a two-player table, with normal cards.
        const bool large =
            DisplayMode < 2 && (NumPlayers == 2 || std::string_view(row) == "Picture7");
        Ctl(row, 1).Picture = large ? kNormalBack : kSmallBack;
        for (int k = 7; k <= 10; ++k) Ctl(row, k).Picture = kEmptyPile;
    }
}

void TableLayout::PlaceCenterArea() {
    ControlGeom& center = Ctl("imgCenter");
    const bool block = NumCenters == 4;
    const DesignSize size = SmallDisplay
                                ? (block ? kSmallCenterBlockPicture : kSmallCenterRowPicture)
                                : (block ? kCenterBlockPicture : kCenterRowPicture);
    center.Stretch = SmallDisplay;
    center.Width = size.Width;
    center.Height = size.Height;
    if (SmallDisplay && StartingUp) Place_Labels();
    if (PlaceholderStyle)
        center.Picture = block ? kCenterBlockWood : kCenterRowWood;
    else
        center.Picture = block ? kCenterBlockMetal : kCenterRowMetal;

    if (!block) {
        for (int k = 1; k <= 3; ++k) {
            ControlGeom& wild = Ctl("LblWild", k);
            wild.Left = Ctl("PicCenter", k).Left + CardWidthPx / 2.0 - wild.Width / 2;
            wild.Top = center.Top - Ctl("LblWild", 1).Height;
        }
    } else {
        ControlGeom& wild1 = Ctl("LblWild", 1);
        ControlGeom& wild3 = Ctl("LblWild", 3);
        if (NumPlayers > 2) {
            wild1.Left = center.Left - wild1.Width;
            wild1.Top = CenterTop;
            wild3.Left = wild1.Left;
            wild3.Top = Ctl("PicCenter", 3).Top;
            // On a narrow table the line stands beside the stock instead (Place_Labels).
            if (!Narrow()) Ctl("Label9", 1).Top = center.Top + center.Height;
        } else {
            wild1.Left = Ctl("PicCenter", 1).Left + CardWidthPx / 2.0 - wild1.Width / 2;
            wild1.Top = center.Top - wild1.Height;
            wild3.Left = wild1.Left;
            wild3.Top = center.Top + center.Height;
        }
        ControlGeom& wild2 = Ctl("LblWild", 2);
        wild2.Top = CenterTop;
        wild2.Left = center.Left + center.Width;
        Ctl("LblWild", 4).Top = Ctl("PicCenter", 4).Top;
        Ctl("LblWild", 4).Left = wild2.Left;
    }
    for (int k = 1; k <= NumCenters; ++k) Ctl("LblWild", k).Front = true;
}

void TableLayout::PlaceHoldLabels() {
    if (!HoldLabelsLoaded) {
        // The opponent's labels (1 to 4) serve the normal rows of two-player games only.
        for (int j = 2; j <= 8; ++j)
            form_.Load("lblHoldCard", j, Ctl("lblHoldCard", 1)).Visible = j > 4 || NumPlayers == 2;
        HoldLabelsLoaded = true;
    }
    for (int p = 7; p <= 10; ++p) {
        const int j = p - 6;
        for (const auto& [label, row] : {std::pair{j + 4, "Picture7"}, std::pair{j, "Picture1"}}) {
            ControlGeom& over = Ctl("lblHoldCard", label);
            over.Left = Ctl(row, p).Left - 1;
            over.Top = Ctl(row, p).Top - 2;
            over.Width = CardWidthPx + 2;
            over.Height = CardHeightPx + 3;
        }
    }
    Ctl("lblHighlight").Width = CardWidthPx + 10;
    Ctl("lblHighlight").Height = CardHeightPx + 10;
    requests_.RedrawHumanPiles = true;
}

double TableLayout::HoldFramesRight() const {
    double right = 0;
    for (int player = 0; player <= 1; ++player) {
        const ControlGeom& frame = Ctl("Label3", player);
        right = std::max(right, frame.Left + frame.Width);
    }
    return right;
}

void TableLayout::SizeDeckAndTurn() {
    ControlGeom& stock = Ctl("PicCenter", 0);
    const bool normalStock = DisplayMode < 2 && ScreenWidth > kNarrowTwips;
    const DesignSize size = normalStock ? kNormalCard : kSmallCard;
    stock.Width = size.Width;
    stock.Height = size.Height;
    stock.Picture = normalStock ? kNormalBack : kSmallBack;
    if (DisplayMode >= 2 && ScreenWidth <= kWideTwips && StartingUp) Place_Labels();
    if (Narrow()) {
        if (NumPlayers > 2) {
            stock.Left = 25;
            stock.Top = Ctl("PicCenter", 3).Top + Ctl("ImgTurn2").Height;
        } else {
            // Right of the opponent's hold piles.
            const ControlGeom& frame = Ctl("Label3", 1);
            stock.Left = frame.Left + frame.Width + (DisplayMode >= 2 ? 59 : 10);
            if (DisplayMode < 2) stock.Top = 192;
        }
    } else {
        // Under the avatar; a window narrower than the screen brings the avatar over the hold
        // piles of a two-player table, and the stock then keeps right of their frames.
        stock.Left = Ctl("ImgAvatar").Left;
        if (NumPlayers == 2) stock.Left = std::max(stock.Left, HoldFramesRight() + 10);
    }
    ControlGeom& frame = Ctl("Label1");
    frame.Height = stock.Height + 10;
    frame.Width = stock.Width + 10;
    frame.Left = stock.Left - 5;
    frame.Top = stock.Top - 5;
    ControlGeom& above = Ctl("ImgTurn2");
    ControlGeom& below = Ctl("ImgTurn1");
    above.Top = frame.Top - above.Height - 7;
    below.Top = frame.Top + frame.Height + 7;
    for (ControlGeom* marker : {&above, &below})
        marker->Left = frame.Left + frame.Width / 2 - marker->Width / 2;
    stock.Left = frame.Left + 5;
    stock.Top = frame.Top + 5;
}

void TableLayout::PlaceStatusArea() {
    form_.WindowState = 0;
    form_.Left = 0;
    form_.Top = 0;
    const ControlGeom& side = Ctl("Picture7", 1);
    // Room under the human's side pile for the status bar and a margin of 60 pixels.
    DefaultWindowHeight = RoundHalfEven(side.Top + side.Height + Ctl("StatusBar1").Height + 60);
    form_.Height = DefaultWindowHeight;
    DefaultWindowWidth = ScreenWidthPx();
    form_.Width = DefaultWindowWidth;
    requests_.WindowSize = true;
    PlaceAvatars();
    PlaceStatusNotice();
}

// The Internet game's notices, up to seven lines, stand whole in the table's corner over the
// status bar: no name, message or button reaches it on any table of the default size, nor from a
// 1024-pixel screen up any pile. On a narrower screen the hand row reaches into its top; the text
// keeps to the box's bottom, so the short notices shown while cards lie there stay below them.
// A resized window takes the notice along to its own corner, in sight.
void TableLayout::PlaceStatusNotice() {
    constexpr double kMargin = 4;
    ControlGeom& notice = Ctl("StatusMsg");
    notice.Left = form_.Width - notice.Width - kMargin;
    notice.Top = form_.Height - Ctl("StatusBar1").Height - notice.Height - kMargin;
}

double TableLayout::MinTableWidth() const {
    double right = 0;
    for (const auto& [key, c] : form_.Controls) {
        const bool pile = key.rfind("Picture", 0) == 0 && key != ControlKey("Picture1", 0);
        if ((pile || key.rfind("Label3_", 0) == 0) && c.Visible)
            right = std::max(right, c.Left + c.Width);
    }
    // Two players: the stock with its frame keeps right of the hold frames (the avatar above it
    // may stand over the opponent's row, which ends lower). More on a wide table: the avatar's
    // column stands beside the top rows.
    if (NumPlayers == 2) return right + 10 + Ctl("Label1").Width + 10;
    return right + (Narrow() ? 20 : 10 + kAvatarBox.Width);
}

void TableLayout::PlaceAvatars() {
    if (NumPlayers > 2 && Narrow()) return;
    ControlGeom& avatar = Ctl("ImgAvatar");
    avatar.Left = form_.Width - avatar.Width;
    SizeDeckAndTurn();
    Ctl("imgSlap").Left = avatar.Left;
}

double TableLayout::MinTableHeight() const {
    double bottom = 0;
    for (int i = 1; i <= 10; ++i) {
        const ControlGeom& pile = Ctl("Picture7", i);
        bottom = std::max(bottom, pile.Top + pile.Height);
    }
    const ControlGeom& name = Ctl("Label9", 3);
    bottom = std::max(bottom, name.Top + name.Height);
    return bottom + Ctl("StatusBar1").Height;
}
