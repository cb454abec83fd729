#pragma once
// Copies of the whole program for the tests between processes: each copy the machine program
// started afresh (fork and exec) with a home of its own under one temporary root, and the small
// readings the tests make of them - a log file, a free port, a wait for a condition. Not part of
// the program.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_util.h"
#include "tests/app_machine/machine_setup.h"

#ifndef QUORVANE_APP_MACHINE
#error "The copies need the machine program's path as QUORVANE_APP_MACHINE."
#endif

namespace app_copies {

namespace fs = std::filesystem;

// A log the copies write; empty while it does not exist yet.
inline std::string ReadFile(const fs::path& p) {
    return ReadWholeFile(p.string()).value_or("");
}

inline bool Says(const fs::path& file, const std::string& text) {
    return ReadFile(file).find(text) != std::string::npos;
}

// A port of the loopback address that nothing listens on now.
inline int FreePort() {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    close(fd);
    return port;
}

// Waits up to `seconds` for `done`; the seconds it took, or -1.
template <typename Done>
double SecondsUntil(Done done, double seconds) {
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const double took =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (done()) return took;
        if (took > seconds) return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

// Runs `run` for cases 0 to `n` - 1, at most four at a time: each case is a copy of the
// program of its own, and four at once keep the machine's cores for the copies.
inline void ForEachCase(size_t n, const std::function<void(size_t)>& run) {
    std::mutex m;
    size_t next = 0;
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w)
        workers.emplace_back([&] {
            for (;;) {
                size_t i;
                {
                    std::lock_guard<std::mutex> lock(m);
                    if (next == n) return;
                    i = next++;
                }
                run(i);
            }
        });
    for (std::thread& t : workers) t.join();
}

// The copies of one game, each started afresh with a home of its own under one root.
class Copies {
  public:
    explicit Copies(const std::string& name)
        : root_(fs::temp_directory_path() /
                ("quorvane_app_" + name + "_" + std::to_string(getpid()))) {
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~Copies() {
        for (size_t i = 0; i < copies_.size(); ++i) Kill(i);
        if (!std::getenv("QUORVANE_NET_KEEP")) fs::remove_all(root_);
    }
    Copies(const Copies&) = delete;
    Copies& operator=(const Copies&) = delete;

    fs::path Start(MachineSetup s) {
        const fs::path home = root_ / ("m" + std::to_string(copies_.size()));
        fs::create_directories(home);
        s.folder = home.string();
        // Each copy's player is named after its place unless the test names it.
        if (s.name == MachineSetup{}.name) s.name = "P" + std::to_string(copies_.size());
        const std::vector<std::string> args = MachineArgs(s);
        std::vector<std::string> env{"HOME=" + s.folder, "XDG_DATA_HOME=" + s.folder + "/data",
                                     "XDG_CONFIG_HOME=" + s.folder + "/config",
                                     "XDG_CACHE_HOME=" + s.folder + "/cache",
                                     "QT_QPA_PLATFORM=offscreen"};
        std::vector<char*> argv{const_cast<char*>(QUORVANE_APP_MACHINE)}, envp;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        const pid_t pid = fork();
        if (pid == 0) {
            if (chdir(s.folder.c_str()) != 0) _exit(3);
            execve(argv[0], argv.data(), envp.data());
            _exit(3);
        }
        copies_.push_back({pid});
        return home;
    }
    pid_t Pid(size_t copy) const { return copies_.at(copy).pid; }
    const fs::path& root() const { return root_; }

    // Waits up to `seconds` for the copy to end by itself; the seconds it took, or -1.
    double UntilEnded(size_t copy, double seconds) {
        return SecondsUntil([&] { return Reaped(copies_.at(copy)); }, seconds);
    }
    // The copy ended by itself with exit code 0.
    bool EndedCleanly(size_t copy) {
        const Copy& c = copies_.at(copy);
        return Reaped(copies_.at(copy)) && !c.killed && WIFEXITED(c.status) &&
               WEXITSTATUS(c.status) == 0;
    }
    // Ends the copy outright, as a machine that fails or is switched off.
    void Kill(size_t copy) {
        Copy& c = copies_.at(copy);
        if (Reaped(c)) return;
        kill(c.pid, SIGKILL);
        waitpid(c.pid, &c.status, 0);
        c.ended = c.killed = true;
    }
    // Waits for every copy to end, for up to `seconds`; false when one had to be killed.
    bool WaitAll(double seconds) {
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        bool all = true;
        for (size_t i = 0; i < copies_.size(); ++i) {
            while (!Reaped(copies_[i])) {
                if (std::chrono::steady_clock::now() > until) {
                    Kill(i);
                    all = false;
                } else {
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                }
            }
        }
        return all;
    }

  private:
    struct Copy {
        pid_t pid = 0;
        bool ended = false, killed = false;
        int status = 0;  // waitpid's, once ended
    };
    static bool Reaped(Copy& c) {
        if (!c.ended && waitpid(c.pid, &c.status, WNOHANG) == c.pid) c.ended = true;
        return c.ended;
    }

    fs::path root_;
    std::vector<Copy> copies_;
};

}  // namespace app_copies
