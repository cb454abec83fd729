#include "platform/qt/desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>

#include "platform/web_address.h"

i16 IsSmallFonts() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return VbTrue;
    return VbBool(qRound(screen->logicalDotsPerInchX()) == 96);
}

void GoWeb(const std::string& address, Dialogs& dialogs) {
    if (IsWebAddress(address) &&
        QDesktopServices::openUrl(QUrl(QString::fromStdString(address), QUrl::StrictMode)))
        return;
    dialogs.MsgBox("Unable to launch default browser", mb::OkOnly, "");
}

std::string DefaultAppFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(base).filePath("Quorvane").toStdString();
}

std::string StagedProgramFolder() {
    const QDir exe(QCoreApplication::applicationDirPath());
    for (const QString& rel : {QStringLiteral("program"), QStringLiteral("../share/quorvane")}) {
        if (QDir(exe.filePath(rel)).exists("Data"))
            return QDir(exe.filePath(rel)).canonicalPath().toStdString();
    }
    return {};
}
