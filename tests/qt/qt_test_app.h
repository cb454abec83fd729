#pragma once
// The one application object of the Qt tests, and where they leave pictures to look at.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own static objects (input devices) outlive it at exit otherwise.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Saves a picture under renders/ in the build folder, for a person to look at.
inline void SaveRender(const QImage& img, const QString& name) {
    QDir().mkpath("renders");
    img.save("renders/" + name + ".png");
}
