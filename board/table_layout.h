#pragma once
// The geometry of the main window's table for two to four players, three or four center piles
// and the four display modes. Every control of the table is kept by name and index in a
// FormModel; the procedures below compute into it in the order the table is built, since later
// steps read positions that earlier ones set. Everything is in pixels of the window's client
// area; the screen width alone comes in twips, as the system reports it.
//
// The layout reads the game (names, side-pile depth indexes) and never writes it.
#include <array>
#include <string>
#include <string_view>

#include "board/clear_box.h"
#include "board/label_names.h"
#include "board/layout_control.h"
#include "board/layout_twips.h"
#include "board/table_design.h"
#include "engine/game.h"
#include "platform/vb_types.h"

// A row of Display menu: its caption and whether it can be chosen.
struct DisplayMenuItem {
    std::string Caption;
    bool Enabled = true;
};

// Work a layout step leaves to the rest of the window (drawing, background, status bar); the
// caller does it after the step and clears the flags.
struct LayoutRequests {
    bool ClearBoard = false;
    bool DrawTable = false;
    bool RedrawHumanPiles = false;
    bool LoadBackground = false;
    bool ShowRulesCaption = false;
    bool LoadAvatar = false;
    bool WildUpdate = false;
    bool StopIdleTimer = false;
    bool UnloadCounter = false;
    // The table was laid out for the default window size: the window takes that size where it
    // can, and the table then takes the size the window really has.
    bool WindowSize = false;

    bool operator==(const LayoutRequests&) const = default;
};

inline constexpr int kWideTwips = 12288;    // 2-player rows and 4-player rows spread wider
inline constexpr int kNarrowTwips = 12000;  // at or below: the narrow arrangement
inline constexpr int kMoveUpTwips = 10000;  // at or below: the rows cannot be moved up
inline constexpr int kFanStep = 3;  // each hand card of a small opponent row lower than the last

class TableLayout {
  public:
    TableLayout(i32 screenWidthTwips, bool largeFonts);

    FormModel& Form() { return form_; }
    const FormModel& Form() const { return form_; }
    ControlGeom& Ctl(std::string_view name, int index = -1) { return form_.At(name, index); }
    const ControlGeom& Ctl(std::string_view name, int index = -1) const {
        return form_.At(name, index);
    }
    LayoutRequests TakeRequests();

    // Start-up: depth shapes, the first layout for the game's counts, then the saved display
    // mode, the stock, the window size and the avatar.
    void StartUp(const Game& g, int savedMode);
    void RestoreDisplayMode(int savedMode);

    // Players and centers changed: Players and Centers are the counts the table is laid out for
    // now; the game holds the new ones.
    void Setup_Layout(const Game& g, int Players, int Centers);
    void Layout_TwoPlayers(const Game& g);
    void Layout_Multi(const Game& g, int Players);
    void Layout_Center();
    void Place_OppPiles();

    void Set_PileCoords();
    void Place_PlayerAreas();
    void Place_PlayerLabel(int Top, int Left, int Player);
    void Spread_Row(std::string_view row, int Base);

    void Layout_SmallCards();
    void Load_PlayerControls(std::string_view row);
    void Place_CenterPiles();

    void Place_Labels();
    // The part of the remark box (Label9 2) that the window shows: clear of every pile, frame
    // and text around it.
    BoxRect RemarkBox() const;

    void Change_Display(int Action);
    void SetCardSize();
    void SizePiles();
    void SetDisplaySize(bool Small);
    void SetRowTops(bool Up);

    void InitSideStack();
    void PlaceSideStack(int Base, std::string_view row);
    void ShowSideStack(const Game& g, bool Flag);
    void SizeSideStack(int First, int Last);
    void PlaceHoldImage();
    void SetHoldPicture();
    // The card back under the human's top side card shows while there is a card under it.
    void ShowHoldImage(const Game& g);

    void ClearBoard();
    void PlaceCenterArea();
    void PlaceHoldLabels();
    void SizeDeckAndTurn();
    void PlaceStatusArea();
    void PlaceStatusNotice();
    void PlaceAvatars();
    // The narrowest the table can be: every pile row and hold-pile frame whole, and right of
    // them the stock (two players) or the avatar's column (more players on a wide table).
    double MinTableWidth() const;
    // The lowest the table can be: the player's piles and name whole above the status bar.
    double MinTableHeight() const;

    // An undo (the game's UndoMove) keeps the drawn rows, which the restored position redraws.
    void Reset_Table(const Game& g);
    void Show_PlayerNames(const Game& g);
    // The height the layout gives the information line (Label9(1)) before a text needs more.
    double InfoLabelHeight() const;
    void Show_CenterPiles();

    void Scale_Form(int Mode, int Step);
    void Toggle_LabelNames();

    // The moving card takes the size of the pile it leaves, so a card from the human's normal
    // row does not shrink in flight next to the small opponent rows.
    void Size_MovingCard(std::string_view fromRow, int fromIndex);

    // Inputs.
    i32 ScreenWidth;  // twips
    bool LargeFonts;
    bool StartingUp = false;
    bool PlaceholderStyle = true;  // wood (true) or metallic placeholder pictures
    bool BackgroundShown = false;  // a background picture is in use: reload it after a switch
    double FontSize = 9;           // the player's font size for the remark line
    // One of the welcome, players or rules windows is open: a display switch then leaves the
    // window's state alone.
    bool SetupWindowsOpen = false;

    // The counts the table is laid out for.
    int NumPlayers = 2;
    int NumCenters = 3;

    int DisplayMode = 0;
    bool SmallDisplay = false;
    int CardWidthPx = 71;
    int CardHeightPx = 96;
    int CardWidthTw = 1065;
    int CardHeightTw = 1440;
    int PileStep = 80;
    i16 DropBase = 82;
    i16 DropOffset = 41;

    int HoldRowLeft = 0;
    int HoldRowTop = 0;
    int HandRowLeft = 0;
    int HandRowTop = 0;
    int OppSideLeft = 0;
    int OppSideTop = 0;
    int OppHandLeft = 0;
    int OppHandTop = 0;
    int OppHoldLeft = 0;
    int CenterTop = 0;
    int CenterLeft = 0;

    bool CenterLoaded = false;
    bool Player3Loaded = false;
    bool Player4Loaded = false;
    bool HoldLabelsLoaded = false;

    // The default window size in pixels (32-bit: a 2560- or 4K-pixel screen does not fit the
    // 16-bit twips a settings record holds).
    i32 DefaultWindowWidth = 0;
    i32 DefaultWindowHeight = 0;

    // Display menu: 0 move the rows, 1 card size, 2 reset the window size.
    std::array<DisplayMenuItem, 3> Display;

  private:
    struct HoldFrame {
        DesignSize size;
        int margin;
    };
    HoldFrame HoldFrameFor(int player) const;
    void TakeCounts(const Game& g);
    void LayoutForCounts(const Game& g);
    void PlaceCenterRow();
    void UnloadExtraPlayers();
    void DropPlayer4();
    void HideAbsentRow(std::string_view row);
    void SizeBox(ControlGeom& c) const;
    void PlaceLabelsFourCentersMulti();
    void PlaceRemarkBesideCenter();
    void PlaceLabelsFourCentersTwo();
    void PlaceLabelsThreeCenters();
    void SwitchCardSize();
    void SizeInfoLabel();
    void PlaceAvatarBox();
    // The right edge of the human's and the first opponent's hold-pile frames.
    double HoldFramesRight() const;
    void GoSmall();
    void GoLarge();
    void SetCardVars(bool small);
    void ShowShapeGroup(int base, int shapeIndex, bool flag);
    bool Narrow() const { return ScreenWidth <= kNarrowTwips; }
    bool Wide() const { return ScreenWidth >= kWideTwips; }
    int ScreenWidthPx() const { return TwipsToPixels(ScreenWidth); }

    FormModel form_;
    LabelNames labelNames_;
    LayoutRequests requests_;
    bool laidOut_ = false;
};

// Rounds to the nearest integer, halves to the even neighbour, as the game's integer variables
// take a fractional value.
int RoundHalfEven(double x);
