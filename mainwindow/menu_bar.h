#pragma once
// The drawn menu bar's geometry, in the bar's own pixels: where its four titles take a click,
// the strip above them and the left margin that close an open list, the reveal band at the
// window's top edge, and where each drop-down list opens and how wide its key column stands.
#include "board/table_design.h"
#include "platform/vb_types.h"

namespace menu_bar {
// The bar as drawn and as the table lays it out.
constexpr int kWidth = static_cast<int>(table_design::kMenuPanel.Width);
constexpr int kHeight = static_cast<int>(table_design::kMenuPanel.Height);
// A click counts only from here down to (not including) kBandBottom.
constexpr int kBandTop = 22;
constexpr int kBandBottom = 60;
// A pointer above this height or left of kLeftMargin closes an open drop-down.
constexpr int kStripBottom = 23;
constexpr int kLeftMargin = 10;
// The pointer within this distance of the window's top edge shows the bar.
constexpr int kRevealBand = 5;

struct Band {
    int left, right;  // right is the first position past the title
};
// The title bands of menus 1 (Game) to 4 (Help).
constexpr Band kTitles[4] = {{31, 183}, {195, 335}, {348, 491}, {500, 649}};
}  // namespace menu_bar

// What a press at (x, y) on the bar hits.
enum class BarHit {
    Outside,  // above or below the title band: nothing happens
    Between,  // in the band but on no title: an open list closes
    Title,
};
struct BarPress {
    BarHit hit = BarHit::Outside;
    int menu = 0;  // 1-4 for a title
};
BarPress PressOnBar(int x, int y);

// A pointer move over the bar at (x, y) that closes an open drop-down.
bool ClosesDropDown(int x, int y);

// The drop-down's left edge, in twips from the main window's left: Game opens further right with
// the metallic style (1), and every list sits further left with large fonts.
i32 DropDownLeftTwips(int menu, int menuStyle, bool largeFonts);
// The extra width of the list for menu 1-4 (twips) and its tab stop for the key names (dialog
// units).
i32 ListExtraWidthTwips(int menu);
int ListTabStopDlu(int menu);

// The pointer's passage through the reveal band at the window's top edge: true only on the move
// that enters it, so that a message tied to the band shows once per visit.
class RevealBand {
  public:
    bool Entered(int y);

  private:
    bool inside_ = false;
};

// While the end-of-game animation runs, the pointer stops it once it has moved more than ten
// pixels up or down from where it was first seen; small tremors of the hand do not.
class AnimationPointerWatch {
  public:
    // True on the move that leaves the band; the next move starts a new band.
    bool Left(int y);
    void Forget() { known_ = false; }

  private:
    bool known_ = false;
    int first_ = 0;
};
