#include "net/chat_history.h"

size_t CharCount(std::string_view utf8) {
    size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

void ChatHistory::Add(std::string_view line) {
    text_ += "\r\n";
    text_ += line;
    Trim();
}

void ChatHistory::Set(std::string_view text) {
    text_ = text;
    Trim();
}

void ChatHistory::Trim() {
    size_t chars = CharCount(text_);
    if (chars <= kMost) return;
    // Drop characters from the front until the last kKept remain, never splitting one.
    size_t at = 0;
    while (chars > kKept) {
        ++at;
        while (at < text_.size() && (static_cast<unsigned char>(text_[at]) & 0xC0) == 0x80) ++at;
        --chars;
    }
    text_.erase(0, at);
}
