#include "mainwindow/qt/menu_popups.h"

#include <QMenu>

namespace {

std::optional<int> Choose(QMenu& menu, QPoint at, QAction* defaultItem) {
    QAction* chosen = menu.exec(at, defaultItem);
    if (!chosen) return std::nullopt;
    return chosen->data().toInt();
}

QAction* Add(QMenu& menu, const QString& caption, int index) {
    QAction* a = menu.addAction(caption);
    a->setData(index);
    return a;
}

}  // namespace

std::optional<int> NoiseControl(QWidget* parent, QPoint at, int current) {
    QMenu menu(parent);
    menu.setObjectName("NoiseControl");
    QAction* defaultItem = nullptr;
    int i = 0;
    for (const char* caption : {"Full Sound", "Some Sound", "No Sound"}) {
        QAction* a = Add(menu, caption, i);
        a->setObjectName(QString("mnuNoise_%1").arg(i));
        a->setCheckable(true);
        a->setChecked(i == current);
        if (i == current) {
            defaultItem = a;
            menu.setDefaultAction(a);
        }
        ++i;
    }
    return Choose(menu, at, defaultItem);
}

std::optional<int> DisplaySize(QWidget* parent, QPoint at,
                               const std::array<std::string, 3>& captions,
                               const std::array<bool, 3>& enabled) {
    QMenu menu(parent);
    menu.setObjectName("DisplaySize");
    for (int i = 0; i < 3; ++i) {
        QAction* a = Add(menu, QString::fromStdString(captions[i]), i);
        a->setObjectName(QString("Display_%1").arg(i));
        a->setEnabled(enabled[i]);
    }
    return Choose(menu, at, nullptr);
}

std::optional<int> ToInternet(QWidget* parent, QPoint at) {
    QMenu menu(parent);
    menu.setObjectName("ToInternet");
    int i = 1;
    for (const char* caption :
         {"Brivo's Site", "Quorvane Online Gaming Site", "IP Address Check"}) {
        Add(menu, caption, i)->setObjectName(QString("ToNet_%1").arg(i));
        ++i;
    }
    return Choose(menu, at, nullptr);
}
