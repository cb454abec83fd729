#include "mainwindow/qt/qt_key_map.h"

#include <array>
#include <utility>

#include "mainwindow/key_codes.h"

namespace {
constexpr std::array<std::pair<int, i16>, 14> kNamedKeys{{
    {Qt::Key_Backspace, vk::Back},
    {Qt::Key_Return, vk::Return},
    {Qt::Key_Enter, vk::Return},
    {Qt::Key_Escape, vk::Escape},
    {Qt::Key_PageUp, vk::PageUp},
    {Qt::Key_PageDown, vk::PageDown},
    {Qt::Key_End, vk::End},
    {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left},
    {Qt::Key_Up, vk::Up},
    {Qt::Key_Right, vk::Right},
    {Qt::Key_Down, vk::Down},
    {Qt::Key_Delete, vk::Delete},
    // The "=" key, also when Shift makes it "+".
    {Qt::Key_Equal, vk::Equals},
}};

i16 CodeOf(int key, bool keypad) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<i16>((keypad ? vk::Numpad0 : vk::Digit0) + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<i16>(vk::A + (key - Qt::Key_A));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<i16>(vk::F1 + (key - Qt::Key_F1));
    if (key == Qt::Key_Plus && !keypad) return vk::Equals;
    for (const auto& [qt, code] : kNamedKeys)
        if (qt == key) return code;
    return 0;
}
}  // namespace

KeyPress KeyPressOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    KeyPress k;
    k.code = CodeOf(qtKey, modifiers.testFlag(Qt::KeypadModifier));
    if (modifiers.testFlag(Qt::ShiftModifier)) k.shift |= shift_bit::Shift;
    if (modifiers.testFlag(Qt::ControlModifier)) k.shift |= shift_bit::Ctrl;
    if (modifiers.testFlag(Qt::AltModifier)) k.shift |= shift_bit::Alt;
    return k;
}
