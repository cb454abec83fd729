#include "board/avatar_fit.h"

#include <cmath>

AvatarBox AvatarBoxFor(int numPlayers, int screenWidthTwips, int centerTop) {
    AvatarBox box;
    const bool narrow = screenWidthTwips <= 12000;
    if (numPlayers == 4 && narrow) {
        box.width = box.height = 110;
        box.left = 2;
        box.top = centerTop;
        box.atRightEdge = false;
        return box;
    }
    if (numPlayers == 3 && narrow) {
        box.left = 25;
        box.atRightEdge = false;
    }
    return box;
}

AvatarSize FitAvatar(int boxW, int boxH, int pictureW, int pictureH) {
    if (pictureW <= 0 || pictureH <= 0) return {boxW, boxH};
    const double ratio = static_cast<double>(pictureH) / pictureW;
    // 0.82, not 1: a picture slightly wider than tall still takes the full height.
    if (ratio >= 0.82)
        return {static_cast<int>(std::nearbyint(boxW * (static_cast<double>(pictureW) / pictureH))),
                boxH};
    return {boxW, static_cast<int>(std::nearbyint(boxH * ratio))};
}
