#pragma once
// Window sizes and positions are kept in 32-bit pixels; a settings record stores them as 16-bit
// twips, which end at 32767 (about 2184 pixels): the value is clamped only there.
#include <algorithm>

#include "board/table_design.h"
#include "platform/vb_types.h"

constexpr i32 PixelsToTwips(i32 pixels) {
    return pixels * table_design::kTwipsPerPixel;
}
constexpr i32 TwipsToPixels(i32 twips) {
    return twips / table_design::kTwipsPerPixel;
}

constexpr i16 TwipsForRecord(i32 pixels) {
    return static_cast<i16>(std::clamp<i32>(PixelsToTwips(pixels), -32768, 32767));
}
