#include "mainwindow/qt/frm_brivo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "board/qt/table_view.h"
#include "board/table_design.h"

FrmBrivo::FrmBrivo(QWidget* parent)
    : QMainWindow(parent),
      host_(new QWidget(this)),
      statusBar_(new QStatusBar(host_)),
      timer_(new QTimer(this)) {
    setObjectName("frmBrivo");
    setWindowTitle(kCaption);
    host_->setObjectName("tableHost");
    setCentralWidget(host_);

    statusBar_->setObjectName("StatusBar1");
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setFixedHeight(static_cast<int>(table_design::kStatusBarHeight));
    for (int i = 0; i < kPanels; ++i) {
        auto* panel = new QLabel(statusBar_);
        panel->setTextFormat(Qt::PlainText);  // the panels name the other players
        panel->setObjectName(QString("Panel%1").arg(i + 1));
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setContentsMargins(4, 0, 4, 0);
        statusBar_->addWidget(panel, i == 1 || i == 5 ? 2 : 1);
        panels_[i] = panel;
    }
    statusBar_->hide();

    timer_->setObjectName("Timer1");
    timer_->setSingleShot(true);

    // Keys reach the window before the control with the focus.
    qApp->installEventFilter(this);
}

void FrmBrivo::SetTable(QWidget* table) {
    table_ = table;
    table->setParent(host_);
    table->show();
    KeepTableWidth();
    PlaceStatusBar();
}

QLabel* FrmBrivo::Panel(int panel) const {
    return panel >= 1 && panel <= kPanels ? panels_[panel - 1] : nullptr;
}

QSize FrmBrivo::BoardSize() const {
    return host_->size();
}

void FrmBrivo::PlaceStatusBar() {
    if (table_) table_->setGeometry(host_->rect());
    statusBar_->setGeometry(0, host_->height() - statusBar_->height(), host_->width(),
                            statusBar_->height());
    statusBar_->raise();
}

void FrmBrivo::closeEvent(QCloseEvent* e) {
    if (onQueryUnload && !onQueryUnload()) {
        e->ignore();
        return;
    }
    e->accept();
}

void FrmBrivo::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    PlaceStatusBar();
    if (onResize) onResize();
}

namespace {
// The measurement scripts ask for the moments they time on standard error.
bool ReportAsked() {
    static const bool asked = qEnvironmentVariableIsSet("QUORVANE_REPORT_SHOWN");
    return asked;
}
}  // namespace

// The window keeps the table's narrowest width, but never asks for more than the screen has
// room for inside the window's frame: a maximised window stays as the screen makes it.
void FrmBrivo::KeepTableWidth() {
    int width = table_->property(kMinimumTableWidthProperty).toInt();
    const int frame = frameGeometry().width() - geometry().width();
    if (const QScreen* s = screen())
        width = std::min(width, s->availableGeometry().width() - frame);
    if (host_->minimumWidth() != width) host_->setMinimumWidth(width);
    // Nor shorter than the player's row over the status bar: a low window let the bar cover the
    // hand.
    int height = table_->property(kMinimumTableHeightProperty).toInt();
    if (const QScreen* s = screen())
        height = std::min(height, s->availableGeometry().height() -
                                      (frameGeometry().height() - geometry().height()));
    if (host_->minimumHeight() != height) host_->setMinimumHeight(height);
}

void FrmBrivo::ReportShown() {
    // The start-up measurement (scripts/measure_startup.sh) asks when the table first shows.
    if (!ReportAsked() || shownReported_) return;
    shownReported_ = true;
    std::fprintf(stderr, "shown %lld\n",
                 static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
}

void FrmBrivo::ReportTurn(int pturn) {
    if (!ReportAsked()) return;
    std::fprintf(stderr, "turn %d %lld\n", pturn,
                 static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
}

void FrmBrivo::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && onResize) onResize();
}

// The filter sees a key again at every parent it is passed on to, so only its first receiver
// counts. That is the control with the focus, or the window itself; when the application's focus
// did not come back to this window after another one closed, the platform hands its keys to the
// control that had the focus last (the Deal button, hidden by the deal meanwhile, which then took
// the arrows of every later key press).
bool FrmBrivo::FirstReceiverOfKey(QWidget* receiver) const {
    if (!receiver || receiver->window() != this) return false;
    if (QWidget* focus = QApplication::focusWidget()) return receiver == focus;
    return receiver == this || receiver == focusWidget();
}

bool FrmBrivo::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Paint && watched == table_) ReportShown();
    if (e->type() == QEvent::DynamicPropertyChange && watched == table_) KeepTableWidth();
    if (e->type() == QEvent::KeyPress && onKeyPreview) {
        auto* w = qobject_cast<QWidget*>(watched);
        // Only keys meant for this window, once each.
        if (FirstReceiverOfKey(w)) {
            if (onKeyPreview(static_cast<QKeyEvent*>(e))) return true;
            // A control that has lost the focus or is hidden takes no key: Space on the hidden
            // Deal button dealt anew in the middle of a game.
            if (w != this && (!QApplication::focusWidget() || !w->isVisible())) return true;
        }
    }
    return QMainWindow::eventFilter(watched, e);
}
