#pragma once
// The main window: the table, its menus and the status bar.
#include <QMainWindow>

class TableLayout;

class FrmBrivo : public QMainWindow {
    Q_OBJECT
  public:
    explicit FrmBrivo(QWidget* parent = nullptr);

    // The table: pile boxes, labels and markers at the places the board layout computes.
    QWidget* Table() const { return table_; }
    // Puts the layout's controls onto the table and gives the window the layout's size.
    void ShowTable(const TableLayout& layout);

  private:
    QWidget* table_;
};
