#pragma once
// The developer's system-information box: the screen, its colours and fonts, the main window's
// size, the caption height and the processor's clock.
#include <string>

#include "platform/vb_types.h"

struct SystemFacts {
    i32 ScreenWidthTwips = 0;
    i32 ScreenHeightTwips = 0;
    i32 ColorDepth = 0;
    bool SmallFonts = true;
    i32 WindowWidthPx = 0;
    i32 WindowHeightPx = 0;
    i32 TitleBarHeight = 0;
    long CpuMHz = 0;
};

// The colour name of a depth: "(16 Color)", "(256 Color)", "(High Color)", "(True Color)", or
// nothing for other depths.
std::string ColorDepthName(i32 bitsPerPixel);

// The box's text, one fact a line.
std::string DisplayStatsText(const SystemFacts& f);
