// Copies of the whole program, each a process with its own home, joined over the loopback
// address and played through their own menus, dialogs, Deal button and card boxes: a saved
// Internet game sent from the host's Internet menu is taken up by every copy and goes on the
// same everywhere.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "tests/app_machine/machine_setup.h"

#ifndef QUORVANE_APP_MACHINE
#error "The test needs the machine program's path as QUORVANE_APP_MACHINE."
#endif

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// The digest lines of a machine from its resume on.
std::string FromResume(const std::string& digests) {
    const size_t at = digests.find("resumed ");
    return at == std::string::npos ? "" : digests.substr(at);
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
        for (pid_t pid : pids_) kill(pid, SIGKILL), waitpid(pid, nullptr, 0);
        if (!std::getenv("QUORVANE_NET_KEEP")) fs::remove_all(root_);
    }
    fs::path Start(MachineSetup s) {
        const fs::path home = root_ / ("m" + std::to_string(pids_.size()));
        fs::create_directories(home);
        s.folder = home.string();
        s.name = "P" + std::to_string(pids_.size());
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
        pids_.push_back(pid);
        return home;
    }
    // Waits for every copy to end, for up to `seconds`; false when one had to be killed.
    bool WaitAll(double seconds) {
        const auto until =
            std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        bool all = true;
        for (pid_t& pid : pids_) {
            while (pid != 0) {
                if (waitpid(pid, nullptr, WNOHANG) == pid) {
                    pid = 0;
                } else if (std::chrono::steady_clock::now() > until) {
                    kill(pid, SIGKILL), waitpid(pid, nullptr, 0), pid = 0;
                    all = false;
                } else {
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                }
            }
        }
        pids_.clear();
        return all;
    }

  private:
    fs::path root_;
    std::vector<pid_t> pids_;
};

int FreePort() {
    return 42000 + static_cast<int>(getpid() % 8000);
}

}  // namespace

// The host saves its game from the Internet menu, plays on, then sends the saved game from the
// same menu; the remote takes it with Deal. From the resume on, both copies show the same
// position at every turn, and the host ends the Internet game from the menu.
TEST(AppMachine, DISABLED_ASavedGameSentFromTheMenuGoesOnTheSameOnEveryCopy) {
    Copies copies("resume");
    MachineSetup host;
    host.host = true;
    host.players = 2;
    host.port = FreePort();
    host.saveAt = 4;
    host.sendAt = 7;
    host.endAt = 12;
    const fs::path h = copies.Start(host);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    MachineSetup remote;
    remote.port = host.port;
    const fs::path r = copies.Start(remote);
    ASSERT_TRUE(copies.WaitAll(90));
    const std::string fromResume = FromResume(ReadFile(h / "digests"));
    EXPECT_NE(fromResume, "");
    EXPECT_EQ(FromResume(ReadFile(r / "digests")), fromResume);
    EXPECT_GE(std::count(fromResume.begin(), fromResume.end(), '\n'), 4);
}
