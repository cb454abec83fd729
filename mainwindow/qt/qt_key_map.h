#pragma once
// Qt's keys as the keyboard commands know them: the platform's virtual-key codes (keypad digits
// apart from the digits of the top row, letters whatever the Shift state) and the modifier bits
// 1 Shift, 2 Ctrl, 4 Alt.
#include <Qt>

#include "platform/vb_types.h"

struct KeyPress {
    i16 code = 0;  // 0: a key with no command
    i16 shift = 0;
};

KeyPress KeyPressOf(int qtKey, Qt::KeyboardModifiers modifiers);
