#include <QApplication>
#include <QMessageBox>

#include "mainwindow/qt/frm_brivo.h"
#include "platform/program_folder.h"
#include "platform/qt/desktop.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setOrganizationName("Quorvane");

    const ProgramFolderResult folder = SyncProgramFolder(StagedProgramFolder(), DefaultAppFolder());
    if (!folder.error.empty()) {
        QMessageBox::critical(nullptr, "Quorvane",
                              "Unable to start Quorvane!\n" + QString::fromStdString(folder.error));
        return 1;
    }

    FrmBrivo window;
    window.show();
    return app.exec();
}
