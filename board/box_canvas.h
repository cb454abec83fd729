#pragma once
// The card boxes of the table as the drawing rules see them: each box shows one picture with an
// optional border on a background colour, can be hidden or raised, and the table around them has
// wild-value labels, depth shapes, the hold image and a plain colour. The Qt board implements it
// on widgets; tests record the calls.
#include <string>

#include "board/card_look.h"

class BoxCanvas {
  public:
    virtual ~BoxCanvas() = default;
    virtual void Paint(PileRow row, int index, const CardLook& look) = 0;
    virtual void SetBorder(PileRow row, int index, bool on) = 0;
    virtual void SetVisible(PileRow row, int index, bool on) = 0;
    virtual void BringToFront(PileRow row, int index) = 0;
    // The Data folder's sound file, played without waiting.
    virtual void PlaySound(const std::string& dataFile) = 0;
    // The label over center `center` with the value its wild King stands for (also the pile's
    // tool tip); empty text hides it.
    virtual void SetWildLabel(int center, const std::string& text) = 0;
    // The colour of every side-pile depth shape.
    virtual void SetDepthColour(Rgb colour) = 0;
    // The card back laid on the human's depth shapes: hidden, and its frame.
    virtual void HideHoldImage() = 0;
    virtual void SetHoldImageFrame(bool on) = 0;
    // The table's plain colour, shown when no background picture is.
    virtual void SetTableColour(Rgb colour) = 0;
};
