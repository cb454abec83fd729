#pragma once
// The key codes and modifier bits the keyboard commands are written against: the platform's
// virtual-key numbers, which the Qt shell maps its own keys onto.
#include "platform/vb_types.h"

namespace vk {
constexpr i16 Back = 8, Return = 13, Escape = 27, PageUp = 33, PageDown = 34, End = 35, Home = 36,
              Left = 37, Up = 38, Right = 39, Down = 40, Delete = 46;
constexpr i16 Digit0 = 48, Digit9 = 57;
constexpr i16 A = 65, Z = 90;
// The numeric keypad's digits, apart from the digits of the top row.
constexpr i16 Numpad0 = 96, Numpad9 = 105;
constexpr i16 F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119,
              F9 = 120, F10 = 121, F11 = 122, F12 = 123;
constexpr i16 Equals = 187;
constexpr i16 Key(char letter) {
    return static_cast<i16>(letter);
}
}  // namespace vk

// Modifier bits; only the low three count.
namespace shift_bit {
constexpr i16 Shift = 1, Ctrl = 2, Alt = 4;
constexpr i16 kMask = 7;
}  // namespace shift_bit
