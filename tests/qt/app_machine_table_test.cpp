// Two, three and four copies of the whole program, each a process with its own home, joined over
// the loopback address and played through their own menus, dialogs, Deal button and card boxes:
// every copy shows the host's position at the start of every turn.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/app_machine/copies.h"

using namespace app_copies;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

// The host, waiting for `players` - 1 joiners, and the joiners, all started at once once the
// host listens: they join at about the same moment, the host sets its table up for them.
std::vector<fs::path> StartTable(Copies& copies, MachineSetup host) {
    host.host = true;
    host.port = FreePort();
    std::vector<fs::path> homes{copies.Start(host)};
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    MachineSetup remote;
    remote.port = host.port;
    for (int i = 1; i < host.players; ++i) homes.push_back(copies.Start(remote));
    return homes;
}

std::string StepsOf(const std::vector<fs::path>& homes) {
    std::string steps;
    for (const fs::path& home : homes) steps += ReadFile(home / "steps") + "--\n";
    return steps;
}

void NothingRefused(const fs::path& home) {
    const std::string boxes = ReadFile(home / "boxes");
    EXPECT_EQ(boxes.find("cannot use"), std::string::npos) << boxes;
}

}  // namespace

// Three copies: the host lays its table out for three players from Host Setup and Rules once
// the first joiner is in, takes the second, and all three play the same game until the host's
// player ends it from the Internet menu.
TEST(AppMachineTable, ThreeCopiesJoinAndPlayTheSameGame) {
    Copies copies("join3");
    MachineSetup host;
    host.players = 3;
    host.endAt = 9;
    const std::vector<fs::path> homes = StartTable(copies, host);
    const bool ended = copies.WaitAll(60);
    ASSERT_TRUE(ended) << StepsOf(homes);
    EXPECT_NE(ReadFile(homes[0] / "steps").find("menu 3 row 7"), std::string::npos);
    const auto hostTurns = Lines(ReadFile(homes[0] / "digests"));
    ASSERT_GE(hostTurns.size(), 9u) << StepsOf(homes);
    for (size_t copy = 0; copy < homes.size(); ++copy) {
        SCOPED_TRACE("copy " + std::to_string(copy));
        // A remote may not have logged the turn the host's player ended the game in.
        const auto turns = Lines(ReadFile(homes[copy] / "digests"));
        ASSERT_GE(turns.size(), 8u);
        for (size_t i = 0; i < std::min(turns.size(), hostTurns.size()); ++i)
            EXPECT_EQ(turns[i], hostTurns[i]) << i;
        NothingRefused(homes[copy]);
    }
}
