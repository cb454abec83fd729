#pragma once
// The off-screen pictures of the end-of-game card animation: a picture loaded from a file, a
// blank picture of the board's size that the animation draws into, and the copying of that
// buffer back onto the board, whole, in the two side-pile rows, or onto the stock.
#include <QPixmap>
#include <string>

#include "platform/dialogs.h"

struct MemBitmap {
    std::string FileName;  // empty for a blank bitmap
    QPixmap pixmap;
    int Width = 0;
    int Height = 0;
};

// Loads Rec.FileName; a missing file leaves Rec untouched, an unreadable one says so.
void LoadBitmapDC(MemBitmap& rec, Dialogs* dialogs);
void FreeBitmapDC(MemBitmap& rec);
MemBitmap MakeMemBitmap(int width, int height, qreal dpr = 1.0);

class TableView;
class TableLayout;

class AnimBuffers {
  public:
    // Measures the board and makes the blank board-size buffer.
    void MakeBoardBuffers(const TableView& view);
    void FreeAnimBitmaps();
    // Copies from the buffer onto the board: 0 the whole board, 1 the side-pile rows, any other
    // value the stock card. `base`, when given, is the board beneath the copies (taken once for
    // a whole animation); otherwise the board as it shows now.
    void RestoreBoardStrip(int which, const TableLayout& layout, TableView& view,
                           const QImage* base = nullptr) const;

    MemBitmap AnimBuffer;
    long BoardWidthPx = 0;
    long BoardHeightPx = 0;
};
