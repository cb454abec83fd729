#pragma once
// A machine played by a test over a raw socket on the loopback address: a remote connected to a
// host's port, or a host that took a remote's connection. It sends what the test writes and
// reads what the other end says, with time limits.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <utility>

// The peer: what it heard so far, and whether the other end has closed the connection.
class RawPeer {
  public:
    static RawPeer Connect(int port) {
        RawPeer peer(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(peer.fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) peer.closed_ = true;
        return peer;
    }
    static RawPeer Accept(int listenFd) {
        pollfd p{listenFd, POLLIN, 0};
        if (poll(&p, 1, 10000) <= 0) return RawPeer(-1);
        return RawPeer(accept(listenFd, nullptr, nullptr));
    }
    RawPeer(RawPeer&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)), closed_(other.closed_), heard_(other.heard_) {}
    ~RawPeer() {
        if (fd_ >= 0) close(fd_);
    }
    bool connected() const { return fd_ >= 0 && !closed_; }

    void Send(const std::string& text) {
        for (size_t at = 0; at < text.size();) {
            const ssize_t n = ::send(fd_, text.data() + at, text.size() - at, MSG_NOSIGNAL);
            if (n <= 0) return;  // the other end has cut this connection already
            at += static_cast<size_t>(n);
        }
    }
    // Reads until `text` has been heard (true) or the other end closes or `seconds` pass.
    bool Hear(const std::string& text, double seconds) {
        const auto until = Until(seconds);
        while (heard_.find(text) == std::string::npos)
            if (!ReadSome(until)) return false;
        return true;
    }
    // Reads until the other end closes the connection (true) or `seconds` pass (false).
    bool HearClosed(double seconds) {
        const auto until = Until(seconds);
        while (!closed_)
            if (!ReadSome(until)) return closed_;
        return true;
    }
    const std::string& heard() const { return heard_; }
    // Hangs up, as a program that closes its connection.
    void Close() {
        if (fd_ >= 0) close(std::exchange(fd_, -1));
        closed_ = true;
    }
    // Cuts the connection off, as a machine switched off or a program killed in the middle of
    // a game: the other end hears a reset, not a farewell.
    void Cut() {
        const linger now{1, 0};
        if (fd_ >= 0) setsockopt(fd_, SOL_SOCKET, SO_LINGER, &now, sizeof now);
        Close();
    }

  private:
    explicit RawPeer(int fd) : fd_(fd), closed_(fd < 0) {}
    using Clock = std::chrono::steady_clock;
    static Clock::time_point Until(double seconds) {
        return Clock::now() + std::chrono::milliseconds(static_cast<int>(seconds * 1000));
    }
    bool ReadSome(Clock::time_point until) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
        pollfd p{fd_, POLLIN, 0};
        if (closed_ || left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) return false;
        char buf[4096];
        const ssize_t n = recv(fd_, buf, sizeof buf, 0);
        if (n <= 0) {
            closed_ = true;
            return false;
        }
        heard_.append(buf, static_cast<size_t>(n));
        return true;
    }
    int fd_;
    bool closed_ = false;
    std::string heard_;
};
