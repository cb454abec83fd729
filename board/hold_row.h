#pragma once
// The hold-cards window's row of ten overlapping small cards: each card covers a thin strip of the
// one before it, and the window and its two buttons are sized to the row.
#include <array>

struct HoldRowLayout {
    std::array<int, 11> cardLeft{};  // 1-10
    int windowWidth = 0;
    int hideButtonLeft = 0;  // button 0: hides the window
    int saveButtonLeft = 0;  // button 1: keeps its position
};

// All in one unit: the first card's designed Left, a card's width, the buttons' width, the strip
// of the previous card each card covers, the room right of the last card and right of the buttons.
HoldRowLayout LayOutHoldRow(int firstLeft, int cardWidth, int buttonWidth, int overlap,
                            int rightMargin, int buttonMargin);
