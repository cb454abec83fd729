#pragma once
// The running number of the chat and system lines this program sends. It keeps counting for the
// whole run and is shared by the chat window, the menus, shutdown and the network code; after
// 32767 it starts again at 1, so it never turns negative.
#include "platform/vb_types.h"

class ChatSeq {
  public:
    // The number of the next line sent.
    i16 Next() {
        value_ = value_ >= kLast ? i16{1} : static_cast<i16>(value_ + 1);
        return value_;
    }
    i16 value() const { return value_; }

  private:
    static constexpr i16 kLast = 32767;
    i16 value_ = 0;
};
