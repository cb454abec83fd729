#include "mainwindow/qt/keep_on_top.h"

#include <QWidget>

void KeepOnTop::TopForm(QWidget* window, QWidget* mainWindow) const {
    if (!window) return;
    const bool shown = window->isVisible();
    const QRect place = window->geometry();
    if (onTop_) {
        if (mainWindow && window->parentWidget() != mainWindow)
            window->setParent(mainWindow, window->windowFlags());
        window->setWindowFlag(Qt::Tool, true);
    } else {
        window->setWindowFlag(Qt::Tool, false);
        window->setWindowFlag(Qt::Window, true);
    }
    // Changing the flags hides a shown window: put it back where it was.
    if (shown) {
        window->setGeometry(place);
        window->show();
    }
}
