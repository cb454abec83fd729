#pragma once
// The main window: the table, its menus and the status bar.
#include <QMainWindow>

class FrmBrivo : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmBrivo(QWidget* parent = nullptr);
};
