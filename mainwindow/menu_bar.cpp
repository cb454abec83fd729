#include "mainwindow/menu_bar.h"

BarPress PressOnBar(int x, int y) {
    if (y < menu_bar::kBandTop || y >= menu_bar::kBandBottom) return {};
    for (int i = 0; i < 4; ++i)
        if (x >= menu_bar::kTitles[i].left && x < menu_bar::kTitles[i].right)
            return {BarHit::Title, i + 1};
    return {BarHit::Between, 0};
}

bool ClosesDropDown(int x, int y) {
    return y < menu_bar::kStripBottom || x < menu_bar::kLeftMargin;
}

i32 DropDownLeftTwips(int menu, int menuStyle, bool largeFonts) {
    switch (menu) {
        case 1:
            return menuStyle == 1 ? 600 : 400;
        case 2:
            return largeFonts ? 2200 : 2850;
        case 3:
            return largeFonts ? 4100 : 5200;
        case 4:
            return largeFonts ? 6000 : 7550;
        default:
            return 0;
    }
}

i32 ListExtraWidthTwips(int menu) {
    switch (menu) {
        case 1:
            return 250;
        case 2:
        case 3:
            return 620;
        default:
            return 0;
    }
}

int ListTabStopDlu(int menu) {
    switch (menu) {
        case 2:
            return 100;
        case 3:
            return 115;
        default:
            return 90;
    }
}

bool RevealBand::Entered(int y) {
    const bool inside = y < menu_bar::kRevealBand;
    const bool entered = inside && !inside_;
    inside_ = inside;
    return entered;
}

bool AnimationPointerWatch::Left(int y) {
    if (!known_) {
        known_ = true;
        first_ = y;
        return false;
    }
    if (y > first_ - 10 && y < first_ + 10) return false;
    known_ = false;
    return true;
}
