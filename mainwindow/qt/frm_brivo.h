#pragma once
// The main window: the table (the board's view, with its pile boxes, labels, pictures and the
// Deal button under their own names), the status bar StatusBar1 of eight panels over the table's
// bottom edge, and the idle-remark timer Timer1. The window only shows things and reports what
// the player does to it: the close box, a change of size or state, every key first (before the
// control that has the focus). What those mean is decided by the procedures the composition
// root connects.
#include <QMainWindow>
#include <functional>

#include "platform/hook_check.h"

class QLabel;
class QStatusBar;
class QTimer;

class FrmBrivo : public QMainWindow {
    Q_OBJECT
  public:
    // The hooks the program must set; an unset one is named in `check`.
    void NeedHooks(HookCheck& check) const {
        check.In("FrmBrivo")
            .Need("onQueryUnload", onQueryUnload)
            .Need("onResize", onResize)
            .Need("onKeyPreview", onKeyPreview);
    }
    explicit FrmBrivo(QWidget* parent = nullptr);

    static constexpr int kPanels = 8;
    static constexpr const char* kCaption = "  Quorvane:  Brivo and Tessik             ";

    // The table widget fills the window; the status bar lies over its bottom edge.
    void SetTable(QWidget* table);
    QWidget* Table() const { return table_; }
    QStatusBar* StatusBar1() const { return statusBar_; }
    // Status-bar panel `panel`, 1 to 8.
    QLabel* Panel(int panel) const;
    QTimer* Timer1() const { return timer_; }
    // The inside of the window (the board) in pixels.
    QSize BoardSize() const;

    // What the window reports. A close request asks `onQueryUnload` whether the window may
    // close now; without it the window closes. Each report may go unheard in a bare window (a
    // table shown on its own); the program sets all three and checks them when it starts.
    std::function<bool()> onQueryUnload;
    std::function<void()> onResize;
    // Every key pressed while the window or one of its children has the focus, before the
    // control does; true when the key was used.
    std::function<bool(QKeyEvent*)> onKeyPreview;
    // True when a key press delivered to `receiver` is this window's, arriving there first (the
    // same press is passed on to the receiver's parents).
    bool FirstReceiverOfKey(QWidget* receiver) const;

    // For the play measurement (scripts/measure_play_cpu.sh): the moment the turn marker moves to
    // `pturn`, that is when the deal has ended and when the player's turn comes.
    static void ReportTurn(int pturn);

  protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void PlaceStatusBar();
    void ReportShown();
    void KeepTableWidth();

    QWidget* host_;
    QWidget* table_ = nullptr;
    QStatusBar* statusBar_;
    QLabel* panels_[kPanels] = {};
    QTimer* timer_;
    bool shownReported_ = false;
};
