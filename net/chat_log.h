#pragma once
// The chat log: an appended text file per opponent in "users/", each line ending in a carriage
// return and a line feed. The file's name comes from the opponent's name, which another player
// chooses, so it is made safe first: the log always lands directly in "users/", and what is
// written to it holds no control characters.
#include <string>
#include <string_view>

// "users/<name>.txt" for the opponent's name, each character that a file name may not hold (and
// each control character) made "_", cut to twenty characters; "opponent" for a name that is
// then empty.
std::string ChatLogPath(const std::string& appFolder, std::string_view opponent);

// A history line as the log keeps it: its line breaks part log lines, and any other control
// character becomes a blank.
std::string ChatLogText(std::string_view line);

class ChatLog {
  public:
    ChatLog() = default;
    ~ChatLog() { Stop(); }
    ChatLog(const ChatLog&) = delete;
    ChatLog& operator=(const ChatLog&) = delete;

    // Opens the log for appending (unless it is open) and writes its opening lines: a blank
    // line, `stamp` (date and time) with "Online with " and the opponent's name, a blank line.
    // False, with `error`, when the file cannot be opened.
    bool Start(const std::string& appFolder, std::string_view opponent, std::string_view stamp,
               std::string* error);
    // Adds a line while the log is on.
    void Write(std::string_view line);
    void Stop();
    bool on() const { return fd_ >= 0; }
    const std::string& path() const { return path_; }

  private:
    int fd_ = -1;
    std::string path_;
};
