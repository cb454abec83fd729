#include "board/flash_place.h"

#include "board/table_design.h"

namespace {
constexpr double kTwip = 1.0 / table_design::kTwipsPerPixel;  // pixels
}

FlashPlace FlashPosition(const FormModel& form, int numPlayers, int numCenters) {
    FlashPlace place;
    const auto at = [&](const char* name, int index = -1) -> const ControlGeom* {
        return form.IsLoaded(name, index) ? &form.At(name, index) : nullptr;
    };
    const ControlGeom* center = at("imgCenter");
    const ControlGeom* remark = at("Label9", 2);
    if (numPlayers > 2) {
        place.hiddenName = "Picture7";
        place.hiddenIndex = 1;
        if (center) place.x = center->Left + center->Width;
        if (remark) place.y = remark->Top - 220 * kTwip;
    } else if (numCenters == 4) {
        place.x = 40 * kTwip;
        if (center) place.y = center->Top;
    } else {
        place.hiddenName = "PicCenter";
        place.hiddenIndex = 1;
        if (remark) place.y = remark->Top;
    }
    return place;
}

bool FlashInterrupted(const Game& g) {
    return g.StopFlag || (g.CurSideCount != 0 && g.Pturn != 1);
}

std::vector<StripCopy> BoardStrips(int which, int displayMode, int numPlayers, int screenWidth,
                                   int topOpp, int topHuman, int boardWidth, int boardHeight) {
    if (which == 0) return {{0, 0, boardWidth, boardHeight, false}};
    if (which == 1) {
        const int h = displayMode < 2 && (numPlayers < 3 || screenWidth >= 12001)
                          ? kCardHeight
                          : kSmallCardHeight;
        return {{150, topOpp, boardWidth - 152, h, false},
                {2, topHuman, boardWidth - 144, h, false}};
    }
    const bool large = numPlayers == 2 || screenWidth > 12000;
    return {
        {0, 0, large ? kCardWidth : kSmallCardWidth, large ? kCardHeight : kSmallCardHeight, true}};
}
