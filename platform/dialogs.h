#pragma once
// Modal message boxes: the game asks, the window (or a test's script) answers.
#include <string>

// Style bits and answers as the game's texts are written against.
namespace mb {
constexpr int OkOnly = 0, OkCancel = 1, YesNoCancel = 3, YesNo = 4, RetryCancel = 5;
constexpr int Critical = 16, Question = 32, Exclamation = 48, Information = 64;
constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}  // namespace mb

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows `text` with `style` (buttons + icon) and `title`; returns the answer (mb::Yes, ...).
    virtual int MsgBox(const std::string& text, int style, const std::string& title) = 0;
};
