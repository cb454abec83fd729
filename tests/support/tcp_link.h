#pragma once
// Plain TCP on the loopback address for games between test processes: the host listens and
// takes up to four connections as sockets 1-4, a remote has the host as socket 0. Not part of
// the program, whose connections are the window's sockets.
#include <array>
#include <string>

class TcpLink {
  public:
    struct Event {
        enum Kind { Bytes, Accepted, Lost, Timeout } kind = Timeout;
        int peer = 0;
        std::string bytes;
    };

    // A listening socket on 127.0.0.1 and a free port, made before the host's process starts so
    // that the remotes know where to connect.
    static int Listen(int& port);
    // Host: takes connections on `listenFd` (owned from now on).
    static TcpLink Host(int listenFd);
    // Remote: connects to the host, trying for up to `seconds`; false when it could not.
    bool Connect(int port, double seconds);

    TcpLink() = default;
    TcpLink(TcpLink&& other) noexcept;
    TcpLink& operator=(TcpLink&& other) noexcept;
    TcpLink(const TcpLink&) = delete;
    ~TcpLink();

    // Writes `bytes` whole; a peer that has gone is reported by the next Next.
    void Send(int peer, const std::string& bytes);
    void Close(int peer);
    // The next event, waiting up to `seconds`.
    Event Next(double seconds);
    bool Open(int peer) const { return fds_[peer] >= 0; }

  private:
    int listen_ = -1;
    std::array<int, 5> fds_{-1, -1, -1, -1, -1};
    std::array<bool, 5> lost_{};
};
