#pragma once
// The designed sizes of the table's pictures, markers, buttons and labels: the layout places
// them by these sizes and the card drawing makes its art to them, so both read this one table.
// Every size is in pixels.
#include <string>

#include "board/card_geometry.h"
#include "board/layout_control.h"

struct DesignSize {
    double Width;
    double Height;
};

namespace table_design {

inline constexpr int kTwipsPerPixel = 15;

inline constexpr DesignSize kNormalCard{kCardWidth, kCardHeight};
inline constexpr DesignSize kSmallCard{kSmallCardWidth, kSmallCardHeight};

// The picture behind the center piles: three piles in a row, or four as a 2 x 2 block. Small
// cards stretch it to four fifths.
inline constexpr DesignSize kCenterRowPicture{260, 125};
inline constexpr DesignSize kCenterBlockPicture{182, 227};
inline constexpr DesignSize kSmallCenterRowPicture{208, 100};
inline constexpr DesignSize kSmallCenterBlockPicture{145.6, 181.6};

inline constexpr DesignSize kTurnMarker{32, 22};  // ImgTurn1, ImgTurn2
inline constexpr DesignSize kDealButton{75, 28};
inline constexpr DesignSize kWildLabel{25, 17};     // LblWild, over each center pile
inline constexpr DesignSize kNoticeLabel{220, 34};  // Label9(0)
// Label9(1): the turn notice and the refusals run to three lines of its 9-point face.
inline constexpr DesignSize kInfoLabel{220, 50};
inline constexpr DesignSize kRemarkLabel{260, 80};  // Label9(2)
// StatusMsg: the Internet game's notices; the host's rules notice wraps to seven lines of its
// 9-point face at this width, eight leave room for a larger face.
inline constexpr DesignSize kStatusNotice{220, 112};
inline constexpr DesignSize kNameLabel{120, 17};  // Label9(3) to Label9(6)
inline constexpr DesignSize kPeekLabel{150, 34};  // LabelPeek: two lines
inline constexpr DesignSize kIcon{32, 32};        // imgIcon, an emoticon
inline constexpr DesignSize kMenuImage{28, 20};   // imgMenu, reveals the menu bar
// picPanel, the drawn menu bar: wide and tall enough for its four title bands (22 to 60 down,
// 31 to 649 across) and the strip above them.
inline constexpr DesignSize kMenuPanel{664, 62};
inline constexpr DesignSize kAvatarBox{120, 120};
inline constexpr DesignSize kSmallAvatarBox{110, 110};
inline constexpr DesignSize kRulesLabel{100, 45};
inline constexpr DesignSize kLevelLabel{100, 16};
inline constexpr DesignSize kTipPointer{32, 32};  // imgTip, imgTipUp

// The frame label behind a player's hold piles: normal rows, the small opponent rows of three
// and four players, and the human's row with small cards.
inline constexpr DesignSize kHoldFrame{324, 112};
inline constexpr DesignSize kSmallHoldFrame{256, 90};
inline constexpr DesignSize kSmallHumanHoldFrame{262, 93};

inline constexpr double kStatusBarHeight = 22;
inline constexpr double kStockTop = 200;  // the stock's height on a wide table
inline constexpr double kLabelFontSize = 8;
inline constexpr double kMessageFontSize = 9;

// Names of the pictures the controls show; the card drawing supplies them.
inline constexpr const char* kCenterRowWood = "imgCenterH";
inline constexpr const char* kCenterRowMetal = "imgCenterHM";
inline constexpr const char* kCenterBlockWood = "imgCenterV";
inline constexpr const char* kCenterBlockMetal = "imgCenterVM";
inline constexpr const char* kNormalBack = "FilePic0";
inline constexpr const char* kSmallBack = "FilePic5";
inline constexpr const char* kEmptyPile = "EmptyPic";

}  // namespace table_design

// The caption over a player's hold piles: "<owner>'s HOLD piles -right click to see hidden
// cards", without the owner while the seat has no name yet.
std::string HoldFrameCaption(const std::string& owner);

// The main window's table as designed, before the first layout: the designed controls and the
// pile boxes that start-up loads.
FormModel DesignMainForm();

// A designed control as it stands before any layout; used to put back an element that is
// hidden rather than unloaded when its player leaves the table.
ControlGeom DesignControl(std::string_view name, int index = -1);
