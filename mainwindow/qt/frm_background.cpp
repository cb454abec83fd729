#include "mainwindow/qt/frm_background.h"

#include <QLabel>
#include <QPixmap>

#include "platform/file_util.h"

QImage TableBackgroundPicture(const BoardLooks& looks, const std::string& appFolder) {
    const int index = looks.BackgroundIndex;
    if (index < 1 || index > looks.BackgroundCount) return {};
    const std::string file = looks.BackgroundFiles[static_cast<size_t>(index)];
    return QImage(QString::fromStdString(JoinPath(appFolder, "backgrounds/" + file)));
}

QWidget* ShowBackgroundWindow(const QImage& picture, QWidget* parent) {
    auto* w = new QLabel(parent, Qt::Window);
    w->setObjectName("frmBackground");
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->setWindowTitle("Background");
    if (picture.isNull()) {
        w->setText("No background picture is in use: the table shows its plain mat.");
        w->setMargin(16);
    } else {
        w->setPixmap(QPixmap::fromImage(picture));
    }
    w->adjustSize();
    w->show();
    return w;
}
