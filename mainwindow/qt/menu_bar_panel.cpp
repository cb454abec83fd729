#include "mainwindow/qt/menu_bar_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "mainwindow/menu_bar.h"
#include "mainwindow/qt/menu_art.h"

MenuBarPanel::MenuBarPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("picPanel");
    setFixedSize(menu_bar::kWidth, menu_bar::kHeight);
    setMouseTracking(true);
    hide();
}

void MenuBarPanel::SetWood(bool wood) {
    if (wood == wood_ && !art_.isNull()) return;
    wood_ = wood;
    art_ = QImage();
    update();
}

void MenuBarPanel::SetHot(int menu) {
    if (menu == hot_) return;
    hot_ = menu;
    art_ = QImage();
    update();
}

void MenuBarPanel::paintEvent(QPaintEvent*) {
    if (art_.isNull()) art_ = MenuBarArt(wood_, hot_, devicePixelRatioF());
    QPainter(this).drawImage(QPoint(0, 0), art_);
}

void MenuBarPanel::mouseMoveEvent(QMouseEvent* e) {
    onMove(e->position().toPoint());
}

void MenuBarPanel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) onPress(e->position().toPoint());
}

void MenuBarPanel::leaveEvent(QEvent*) {
    SetHot(0);
}

MenuReveal::MenuReveal(QWidget* parent) : QWidget(parent) {
    setObjectName("imgMenu");
    setMouseTracking(true);
    setToolTip("Menus");
}

void MenuReveal::SetWood(bool wood) {
    wood_ = wood;
    update();
}

void MenuReveal::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(QPoint(0, 0), MenuRevealArt(wood_, size(), devicePixelRatioF()));
}

void MenuReveal::enterEvent(QEnterEvent*) {
    onHover();
}

void MenuReveal::mouseMoveEvent(QMouseEvent*) {
    onHover();
}
