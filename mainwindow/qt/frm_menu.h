#pragma once
// The drop-down list of one drawn menu: a borderless window above the main window with a title
// strip (imgTop) over a list (List1) that looks like a menu. The row under the pointer is
// selected as it moves; separators take no choice; key names stand in a column of their own.
// The window reports a pressed row and its closing; the menu controller decides what follows.
#include <QWidget>
#include <functional>
#include <vector>

#include "mainwindow/menu_rows.h"

class QLabel;
class QListWidget;

class FrmMenu : public QWidget {
    Q_OBJECT
  public:
    explicit FrmMenu(QWidget* mainWindow);
    ~FrmMenu() override;

    // Fills the list with the rows of `menu` and sizes the window to them.
    void LoadList(int menu, const std::vector<MenuRow>& rows, bool wood);
    int MenuNumber() const { return menu_; }
    QListWidget* List1() const { return list_; }
    // The window's width for the list's text, in pixels.
    int ListWidth() const;

    std::function<void(int row, QPoint globalPos)> onRowPressed;
    std::function<void()> onClosed;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

  private:
    void Track(QPoint pos);

    QLabel* imgTop_;
    QListWidget* list_;
    int menu_ = 0;
    bool wood_ = true;
};
