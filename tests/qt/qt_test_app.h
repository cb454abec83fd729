#pragma once
// The one application object of the Qt tests, and where they leave pictures to look at.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>

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

// The control named `name` of a window, failing the test when there is none.
template <class W>
W* Find(QWidget& form, const QString& name) {
    W* w = form.findChild<W*>(name);
    EXPECT_TRUE(w) << name.toStdString();
    return w;
}
