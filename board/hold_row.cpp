#include "board/hold_row.h"

HoldRowLayout LayOutHoldRow(int firstLeft, int cardWidth, int buttonWidth, int overlap,
                            int rightMargin, int buttonMargin) {
    HoldRowLayout r;
    int x = firstLeft;
    r.cardLeft[1] = x;
    for (int i = 2; i <= 10; ++i) {
        x = x + cardWidth - overlap;
        r.cardLeft[i] = x;
    }
    r.windowWidth = x + cardWidth + rightMargin;
    r.hideButtonLeft = r.windowWidth - buttonWidth - buttonMargin;
    r.saveButtonLeft = r.hideButtonLeft - buttonWidth;
    return r;
}
