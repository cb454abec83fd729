#include "tests/support/tcp_link.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <utility>
#include <vector>

namespace {

sockaddr_in Loopback(int port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

void NoDelay(int fd) {
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

}  // namespace

int TcpLink::Listen(int& port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a = Loopback(0);
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || listen(fd, 8) != 0)
        return -1;
    socklen_t len = sizeof a;
    getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return fd;
}

TcpLink TcpLink::Host(int listenFd) {
    TcpLink link;
    link.listen_ = listenFd;
    return link;
}

bool TcpLink::Connect(int port, double seconds) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < until) {
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a = Loopback(port);
        if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
            NoDelay(fd);
            fds_[0] = fd;
            return true;
        }
        close(fd);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

TcpLink::TcpLink(TcpLink&& other) noexcept
    : listen_(other.listen_), fds_(other.fds_), lost_(other.lost_) {
    other.listen_ = -1;
    other.fds_.fill(-1);
}

TcpLink& TcpLink::operator=(TcpLink&& other) noexcept {
    std::swap(listen_, other.listen_);
    std::swap(fds_, other.fds_);
    std::swap(lost_, other.lost_);
    return *this;
}

TcpLink::~TcpLink() {
    if (listen_ >= 0) close(listen_);
    for (int fd : fds_)
        if (fd >= 0) close(fd);
}

void TcpLink::Send(int peer, const std::string& bytes) {
    if (peer < 0 || peer > 4 || fds_[peer] < 0) return;
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = send(fds_[peer], bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
        if (n <= 0) {
            lost_[peer] = true;
            return;
        }
        done += static_cast<size_t>(n);
    }
}

void TcpLink::Close(int peer) {
    if (peer < 0 || peer > 4 || fds_[peer] < 0) return;
    close(fds_[peer]);
    fds_[peer] = -1;
    lost_[peer] = false;
}

TcpLink::Event TcpLink::Next(double seconds) {
    for (int i = 0; i <= 4; ++i)
        if (lost_[i] && fds_[i] >= 0) {
            Close(i);
            return {Event::Lost, i, {}};
        }
    std::vector<pollfd> polls;
    std::vector<int> who;  // -1 the listening socket
    if (listen_ >= 0) {
        polls.push_back({listen_, POLLIN, 0});
        who.push_back(-1);
    }
    for (int i = 0; i <= 4; ++i)
        if (fds_[i] >= 0) {
            polls.push_back({fds_[i], POLLIN, 0});
            who.push_back(i);
        }
    const int ms = static_cast<int>(seconds * 1000);
    if (poll(polls.data(), polls.size(), ms) <= 0) return {};
    for (size_t k = 0; k < polls.size(); ++k) {
        if (polls[k].revents == 0) continue;
        if (who[k] < 0) {
            const int fd = accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) continue;
            NoDelay(fd);
            for (int i = 1; i <= 4; ++i)
                if (fds_[i] < 0) {
                    fds_[i] = fd;
                    return {Event::Accepted, i, {}};
                }
            close(fd);  // no socket left: the table is full
            continue;
        }
        const int i = who[k];
        char buf[65536];
        const ssize_t n = recv(fds_[i], buf, sizeof buf, 0);
        if (n <= 0) {
            Close(i);
            return {Event::Lost, i, {}};
        }
        return {Event::Bytes, i, std::string(buf, static_cast<size_t>(n))};
    }
    return {};
}
