#include "mainwindow/qt/main_window_port.h"

#include <QPushButton>
#include <QTimer>

#include "mainwindow/qt/frm_brivo.h"

QPushButton* MainWindowPort::DealButton() const {
    return window_.findChild<QPushButton*>("cmdDeal");
}

void MainWindowPort::ShowDealButton(bool visible) {
    if (QPushButton* deal = DealButton()) deal->setVisible(visible);
}

void MainWindowPort::StopIdleTimer() {
    window_.Timer1()->stop();
}

void MainWindowPort::StartIdleTimer(int milliseconds) {
    window_.Timer1()->start(milliseconds);
}
