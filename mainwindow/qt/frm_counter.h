#pragma once
// The card counter: which cards of each deck have been seen, one line per suit, kept above the
// main window. F8 or Enter closes it.
#include <QWidget>

#include "mainwindow/qt/keep_on_top.h"

class QLabel;

class FrmCounter : public QWidget {
    Q_OBJECT
  public:
    // `mainWindow` owns the counter; `largeFonts` rescales it for a large desktop font.
    FrmCounter(int numPlayers, bool largeFonts, QWidget* mainWindow);

    // The grid of counts, one text with a line per suit.
    void SetGrid(const QString& text);
    QLabel* Label1() const { return label1_; }
    QLabel* LblGrid() const { return grid_; }
    QLabel* Image1(int index) const { return index == 0 ? image0_ : image1_; }

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    QLabel* label1_;
    QLabel* grid_;
    QLabel* image0_;
    QLabel* image1_ = nullptr;
    KeepOnTop onTop_;
};
