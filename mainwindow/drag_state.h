#pragma once
// The human's card move with the mouse between the press and the release, owned by the main
// window: where the card came from, where in the card the pointer took it, and the way back
// home for a card that may not stay where it was let go.
#include <vector>

#include "mainwindow/drop_target.h"
#include "platform/vb_types.h"

struct DragState {
    // The pressed box's home, in whole pixels and exactly (a pile may stand at a fraction).
    i16 DragStartX = 0;
    i16 DragStartY = 0;
    double HomeLeft = 0;
    double HomeTop = 0;
    // Where inside the box the pointer took the card.
    i16 DragGrabX = 0;
    i16 DragGrabY = 0;
    DropRow LastDropRow = DropRow::None;
    // The last press on the row asked for information with the right button.
    bool RightPressed = false;
    // A box is off its home (AwaySlot) until it is put back; a press meanwhile starts nothing.
    int AwaySlot = 0;
    bool Returning = false;
    // The human's move as an Internet game sends it: from-slot and to-slot (a hand place + 10).
    i16 NetSendFrom = 0;
    i16 NetSendTo = 0;
    // The opponent whose figures the status bar shows (0 until the first click).
    int ShownOpponent = 0;
};

struct PixelPoint {
    i16 x = 0;
    i16 y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The point a fraction t of the way from (x1, y1) to (x2, y2), rounded half up to whole pixels.
PixelPoint InterpolatePoint(i16 x1, i16 y1, i16 x2, i16 y2, float t);

// The places a card passes on its way home from (curX, curY): about 60 pixels apart along the
// longer axis, the last exactly at home.
std::vector<PixelPoint> HomePath(i16 curX, i16 curY, i16 homeX, i16 homeY);
