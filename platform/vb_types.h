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

// A 16-bit count that stops at its limits instead of wrapping round.
constexpr i16 Saturated16(long long v) {
    return static_cast<i16>(v < -32768 ? -32768 : v > 32767 ? 32767 : v);
}
