#include "net/chat_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_util.h"
#include "platform/vb_strings.h"

namespace {

constexpr size_t kMostNameChars = 20;
constexpr std::string_view kForbidden = "!\"*./:<>?\\|";

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace

std::string ChatLogPath(const std::string& appFolder, std::string_view opponent) {
    std::string safe;
    size_t chars = 0;
    for (char c : Trim(opponent)) {
        const bool lead = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (lead && ++chars > kMostNameChars) break;
        safe += IsControl(static_cast<unsigned char>(c)) || kForbidden.find(c) != std::string::npos
                    ? '_'
                    : c;
    }
    safe = Trim(safe);
    if (safe.empty()) safe = "opponent";
    return JoinPath(appFolder, "users/" + safe + ".txt");
}

std::string ChatLogText(std::string_view line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') continue;
        if (c == '\n')
            out += "\r\n";
        else
            out += IsControl(static_cast<unsigned char>(c)) ? ' ' : c;
    }
    return out + "\r\n";
}

bool ChatLog::Start(const std::string& appFolder, std::string_view opponent, std::string_view stamp,
                    std::string* error) {
    if (!on()) {
        path_ = ChatLogPath(appFolder, opponent);
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        if (fd_ < 0) {
            if (error) *error = "cannot open " + path_ + ": " + std::strerror(errno);
            return false;
        }
    }
    Write(" ");
    Write(std::string(stamp) + " Online with " + std::string(opponent));
    Write(" ");
    return true;
}

void ChatLog::Write(std::string_view line) {
    if (!on()) return;
    // One write a line, so that a line is never left half in the file.
    const std::string text = ChatLogText(line);
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

void ChatLog::Stop() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}
