#include "records/qt/brivo_picture.h"

#include "platform/file_util.h"

QPixmap BrivoPicture(const std::string& appFolder, int size) {
    QPixmap picture(QString::fromStdString(JoinPath(appFolder, "Avatars/Brivo.jpg")));
    if (picture.isNull()) return picture;
    return picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
