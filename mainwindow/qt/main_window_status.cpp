#include "mainwindow/qt/main_window_status.h"

#include <QLabel>
#include <QStatusBar>

#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_counter.h"

namespace {

// Panel 5 takes the free width in normal play and fits its text in the sample-games mode.
void SizePanel5(FrmBrivo& window, StatusUpdate::Sizing sizing) {
    if (sizing == StatusUpdate::Sizing::Keep) return;
    QLabel* panel = window.Panel(5);
    QStatusBar* bar = window.StatusBar1();
    if (!panel || !bar) return;
    bar->removeWidget(panel);
    bar->insertWidget(4, panel, sizing == StatusUpdate::Sizing::Spring ? 1 : 0);
    panel->show();
}

}  // namespace

i32 MainWindowStatus::ScreenWidth() const {
    return p_.screenWidth();
}

void MainWindowStatus::Apply(const StatusUpdate& update) {
    SizePanel5(p_.window, update.panel5);
    for (const auto& [panel, text] : update.texts)
        if (QLabel* label = p_.window.Panel(panel)) label->setText(QString::fromStdString(text));
    for (const auto& [panel, tip] : update.tips)
        if (QLabel* label = p_.window.Panel(panel)) label->setToolTip(QString::fromStdString(tip));
}

void MainWindowStatus::StatusBar_Clear() {
    Apply(ClearedStatus(p_.game));
}

void MainWindowStatus::WildUpdate() {
    Apply(WildStatus(p_.game, ScreenWidth()));
}

void MainWindowStatus::ShowOppStatus(int opp) {
    Apply(OppStatus(p_.game, opp, p_.levelNames, ScreenWidth()));
}

void MainWindowStatus::ShowCounter() {
    if (FrmCounter* counter = p_.counter())
        counter->SetGrid(QString::fromStdString(CounterGrid(p_.game)));
}

void MainWindowStatus::SetPanelText(int panel, const std::string& text) {
    if (QLabel* label = p_.window.Panel(panel)) label->setText(QString::fromStdString(text));
}

void MainWindowStatus::StatsNotify() {
    p_.showLabel("LabelPeek", "\nNew Stats Record!");
}
