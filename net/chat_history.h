#pragma once
// The chat history: every line shown, one after another, parted by a line break (counted as
// two characters, a carriage return and a line feed). It never grows past 4000 characters:
// a line that would take it further cuts it to its last 3700.
#include <string>
#include <string_view>

class ChatHistory {
  public:
    static constexpr size_t kMost = 4000;
    static constexpr size_t kKept = 3700;

    // Adds a line after a line break.
    void Add(std::string_view line);
    // Replaces the whole history (the host's own address is shown this way).
    void Set(std::string_view text);
    // The history, lines parted by "\r\n".
    const std::string& text() const { return text_; }

  private:
    void Trim();
    std::string text_;
};

// The number of characters of a UTF-8 text.
size_t CharCount(std::string_view utf8);
