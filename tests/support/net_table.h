#pragma once
// The machines of one Internet game as child processes on this computer, each with its own
// program folder under one temporary root, over TCP on the loopback address: started, watched
// and read afterwards. For the latency benchmark between processes. Each machine is
// the machine program started afresh (fork and exec), so the process that runs the table may
// hold a Qt application of its own: nothing of it reaches the machines.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/file_util.h"
#include "tests/support/net_peer_setup.h"

#ifndef QUORVANE_NET_MACHINE
#error "The table needs the machine program's path as QUORVANE_NET_MACHINE."
#endif

namespace net_table {

namespace fs = std::filesystem;

// A log the copies write; empty while it does not exist yet.
inline std::string ReadFile(const fs::path& p) {
    return ReadWholeFile(p.string()).value_or("");
}

struct Machine {
    pid_t pid = 0;
    fs::path folder;
    int status = -1;  // waitpid's status once it has ended
};

// The machines of one game, each a child process with a folder of its own under one root.
class Table {
  public:
    explicit Table(const std::string& name) {
        root_ =
            fs::temp_directory_path() / ("quorvane_net_" + name + "_" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    ~Table() {
        for (auto& m : machines_)
            if (m.status < 0) kill(m.pid, SIGKILL), waitpid(m.pid, nullptr, 0);
        // QUORVANE_NET_KEEP leaves the machines' folders (digests, positions, faults) to look at.
        if (!std::getenv("QUORVANE_NET_KEEP")) fs::remove_all(root_);
    }

    // Starts the host (machine 0) or a remote, as `setup` says beyond its place and folder. A
    // remote joins the host started here unless `setup` names another port. The host is started
    // once it listens.
    Machine& Start(NetPeerSetup setup) {
        Machine m;
        m.folder = root_ / ("m" + std::to_string(machines_.size()));
        fs::create_directories(m.folder / "users");
        setup.folder = m.folder.string();
        setup.name = "P" + std::to_string(machines_.size());
        if (setup.host) setup.port = 0;
        if (!setup.host && setup.port == 0) setup.port = port_;
        // Everything the child needs is made before the fork: it only changes folder and execs.
        const std::vector<std::string> args = SetupArgs(setup);
        std::vector<char*> argv{const_cast<char*>(QUORVANE_NET_MACHINE)};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        m.pid = fork();
        if (m.pid == 0) {
            if (chdir(setup.folder.c_str()) != 0) _exit(3);
            execv(argv[0], argv.data());
            _exit(3);
        }
        machines_.push_back(m);
        if (setup.host) port_ = WaitForPort(machines_.back());
        return machines_.back();
    }

    // Starts a game of `players` machines; `tweak` adjusts each machine's setup.
    void StartGame(int players, int seed,
                   const std::function<void(int, NetPeerSetup&)>& tweak = nullptr) {
        for (int i = 0; i < players; ++i) {
            NetPeerSetup s;
            s.host = i == 0;
            s.players = players;
            s.seed = seed;
            if (tweak) tweak(i, s);
            Start(s);
            // The remotes join in order, so that machine i takes seat i.
            if (i > 0) WaitForJoin(i);
        }
    }

    // Waits until every machine has ended, for up to `seconds`; false when one had to be killed.
    bool WaitAll(double seconds) {
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        bool allEnded = true;
        for (auto& m : machines_) {
            while (m.status < 0) {
                int status = 0;
                if (waitpid(m.pid, &status, WNOHANG) == m.pid) {
                    m.status = status;
                } else if (std::chrono::steady_clock::now() > until) {
                    kill(m.pid, SIGKILL);
                    waitpid(m.pid, &m.status, 0);
                    allEnded = false;
                } else {
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
                }
            }
        }
        return allEnded;
    }

    // The port the host listens on (0 when it could not listen).
    int port() const { return port_; }

    const Machine& machine(int i) const { return machines_[i]; }
    size_t size() const { return machines_.size(); }

  private:
    static int WaitForPort(const Machine& host) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < until) {
            if (const int port = std::atoi(ReadFile(host.folder / "port").c_str())) return port;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return 0;
    }

    // A remote has joined once the host has handed it its table.
    void WaitForJoin(int i) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < until &&
               !fs::exists(machines_[i].folder / "joined"))
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }

    fs::path root_;
    int port_ = 0;
    std::vector<Machine> machines_;
};

}  // namespace net_table
