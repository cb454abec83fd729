#include <QApplication>

#include "mainwindow/qt/app_root.h"
#include "platform/qt/desktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setOrganizationName("Quorvane");

    std::vector<std::string> args(argv + 1, argv + argc);
    AppRoot root(DefaultAppFolder());
    if (!root.Start(args, StagedProgramFolder())) return 1;
    return app.exec();
}
