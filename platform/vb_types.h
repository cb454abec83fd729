#pragma once
// Integer widths and truth values of the game's data: numbers are 16-bit unless a field says
// otherwise, and a stored truth value is -1 (true) or 0 (false), in memory and in files.
#include <cstdint>

using i16 = std::int16_t;
using i32 = std::int32_t;

constexpr i16 VbTrue = -1;
constexpr i16 VbFalse = 0;

constexpr i16 VbBool(bool b) {
    return b ? VbTrue : VbFalse;
}
