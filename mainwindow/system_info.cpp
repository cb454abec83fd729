#include "mainwindow/system_info.h"

#include "board/layout_twips.h"
#include "platform/vb_strings.h"

std::string ColorDepthName(i32 bitsPerPixel) {
    switch (bitsPerPixel) {
        case 4:
            return "(16 Color)";
        case 8:
            return "(256 Color)";
        case 16:
            return "(High Color)";
        case 24:
        case 32:
            return "(True Color)";
        default:
            return "";
    }
}

std::string DisplayStatsText(const SystemFacts& f) {
    const std::string lines[] = {
        "Resolution: ",
        Str(TwipsToPixels(f.ScreenWidthTwips)) + " X " + Str(TwipsToPixels(f.ScreenHeightTwips)) +
            " pixels",
        Str(f.ColorDepth) + " bits per pixel  " + ColorDepthName(f.ColorDepth),
        "",
        std::to_string(f.ScreenWidthTwips) + " X " + std::to_string(f.ScreenHeightTwips),
        f.SmallFonts ? "Normal (small fonts)" : "Large Fonts",
        "",
        "This window:",
        Str(f.WindowWidthPx) + " x " + Str(f.WindowHeightPx),
        "Titlebar height: " + Str(f.TitleBarHeight),
        "CPU Speed: " + std::to_string(f.CpuMHz) + " MHz",
    };
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}
