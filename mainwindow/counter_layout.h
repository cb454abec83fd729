#pragma once
// The card counter window's layout: one text line per suit of each deck under a header of the
// card values, with a grid picture behind each two decks' lines. With three or four players the
// window grows by half a grid or a whole one.
#include <string>

#include "platform/vb_types.h"

inline constexpr const char* kCounterCaption = "Card Counter";
// The card values, two characters each, separated by blanks exactly so.
inline constexpr const char* kCounterHeader = "1  2  3  4  5  6  7  8  9 10 J  Q  K";

struct CounterDesign {
    int Width = 300;
    int Height = 176;     // the window with two players
    int HeaderTop = 8;    // Label1
    int GridTop = 28;     // LblGrid, and the first grid picture
    int LineHeight = 15;  // one suit of one deck
    int GridLines = 8;    // the lines the first picture covers: two decks
    int PictureGap = 1;   // between the two pictures
};

struct CounterLayout {
    int WindowHeight = 0;
    int GridHeight = 0;  // LblGrid
    int Picture0Top = 0;
    int Picture0Height = 0;
    bool Picture1 = false;  // the second picture is loaded
    int Picture1Top = 0;
    int Picture1Height = 0;
};

CounterLayout LayOutCounter(int numPlayers, const CounterDesign& d = {});

// The grid's lines as the window shows them: each count (or "_") of a line stands under the
// last character of its card value in the header, so no line is wider than the header. The grid
// text puts a blank before every line after the first and widens the tenth column, which in a
// font of one width moves the later values ever further right of their headings.
std::string AlignCounterGrid(const std::string& grid);

// F8 (119) and Enter (13) close the counter; any other key leaves it open.
constexpr bool ClosesCounter(int keyCode) {
    return keyCode == 119 || keyCode == 13;
}
