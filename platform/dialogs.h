#pragma once
// Modal message boxes, input boxes and choosers: the game asks, the window (or a test's script)
// answers. Every ask but MsgBox has a do-nothing answer here (the player cancelled), so a port
// without a window still answers.
#include <optional>
#include <string>

#include "platform/vb_types.h"

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

    // A line of text asked for under `prompt`, offered as `defaultText`; nothing when the player
    // cancelled (an empty line typed and confirmed is an empty text, not a cancel).
    virtual std::optional<std::string> InputBox(const std::string& prompt, const std::string& title,
                                                const std::string& defaultText) {
        (void)prompt, (void)title, (void)defaultText;
        return std::nullopt;
    }
    // A file to open, starting in `folder`. `filter` lists the choices as
    // "Name (*.ext *.ext)" entries joined by ";;" ("Pictures (*.bmp *.jpg);;All files (*)").
    // The full path chosen; nothing when the player cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const std::string& title,
                                                      const std::string& folder,
                                                      const std::string& filter) {
        (void)title, (void)folder, (void)filter;
        return std::nullopt;
    }
    // A colour, as the profile keeps colours (0x00BBGGRR), starting from `initial`; nothing when
    // the player cancelled.
    virtual std::optional<i32> ChooseColor(i32 initial) {
        (void)initial;
        return std::nullopt;
    }
};
