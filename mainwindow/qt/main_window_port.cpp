#include "mainwindow/qt/main_window_port.h"

#include <QPushButton>
#include <QTimer>

#include "board/table_layout.h"
#include "mainwindow/qt/frm_brivo.h"
#include "records/qt/records_windows.h"

QPushButton* MainWindowPort::DealButton() const {
    return window_.findChild<QPushButton*>("cmdDeal");
}

void MainWindowPort::ShowDealButton(bool visible) {
    // The tutorial deals its own positions: the button stays away while it runs.
    if (visible && records_ && records_->TutorialOn()) return;
    if (layout_ && layout_->Form().IsLoaded("cmdDeal")) layout_->Ctl("cmdDeal").Visible = visible;
    if (QPushButton* deal = DealButton()) deal->setVisible(visible);
}

void MainWindowPort::TutorialTurnOver() {
    if (records_) records_->TutorialTurnOver();
}

void MainWindowPort::TutorialTurnStarting() {
    if (records_) records_->TutorialTurnStarting();
}

void MainWindowPort::TutorialCardPlayed() {
    if (records_) records_->TutorialCardPlayed();
}

void MainWindowPort::StopIdleTimer() {
    window_.Timer1()->stop();
}

void MainWindowPort::StartIdleTimer(int milliseconds) {
    window_.Timer1()->start(milliseconds);
}
