// One copy of the program as main() builds it, played by the machine's player for the tests
// between processes. Its home (settings and program folder) is the one the table gives it.
#include <QApplication>
#include <cstdio>

#include "mainwindow/qt/app_root.h"
#include "platform/qt/desktop.h"
#include "tests/app_machine/qt/app_machine.h"

int main(int argc, char** argv) {
    const auto setup = MachineFromArgs(std::vector<std::string>(argv + 1, argv + argc));
    if (!setup) {
        std::fprintf(stderr, "usage: %s key=value...\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setOrganizationName("Quorvane");
    AppRoot root(DefaultAppFolder());
    AppMachine machine(*setup, root);
    machine.Begin();
    if (!root.Start({}, StagedProgramFolder())) return 1;
    machine.Started();
    return app.exec();
}
