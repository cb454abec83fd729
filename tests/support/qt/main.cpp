// One machine of the latency benchmark's games between processes, started by the table with its
// setup as arguments: a process of its own, with its own application object and event loop.
#include <QCoreApplication>
#include <cstdio>

#include "tests/support/net_peer_setup.h"
#include "tests/support/qt/net_peer.h"

int main(int argc, char** argv) {
    const auto setup = SetupFromArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (!setup) {
        std::fprintf(stderr, "usage: %s key=value...\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    return RunPeerProcess(*setup);
}
