#pragma once
// The avatar's box on the table and how a picture fits into it: a picture taller than 0.82 of its
// width takes the box's height, a wider one the box's width, each keeping its proportions.

struct AvatarBox {
    int width = 120;
    int height = 120;
    int left = 0;  // meaningful only when !atRightEdge
    int top = 0;
    bool atRightEdge = true;  // Left = the window's width minus the avatar's
};

// `centerTop` is the Top of the center area (the small box stands level with it).
AvatarBox AvatarBoxFor(int numPlayers, int screenWidthTwips, int centerTop);

struct AvatarSize {
    int width = 0;
    int height = 0;
    bool operator==(const AvatarSize&) const = default;
};

// The avatar's size for a picture of w x h in a box of boxW x boxH (any unit).
AvatarSize FitAvatar(int boxW, int boxH, int pictureW, int pictureH);
