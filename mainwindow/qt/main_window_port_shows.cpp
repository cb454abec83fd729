// The window port's markers and shows, handed on to the window's shows once they are connected.
#include "mainwindow/qt/main_window_port.h"
#include "mainwindow/qt/window_shows.h"

void MainWindowPort::ShowTurnMarker(int pturn) {
    if (shows_) shows_->ShowTurnMarker(pturn);
}

void MainWindowPort::ShowSideStack(bool visible) {
    if (shows_) shows_->ShowSideStack(visible);
}

void MainWindowPort::ShowHoldImage(bool visible) {
    if (shows_) shows_->ShowHoldImage(visible);
}

void MainWindowPort::MenuNewGame() {
    if (shows_) shows_->MenuNewGame();
}

void MainWindowPort::Flash(const std::string& personalityName) {
    if (shows_) shows_->Flash(personalityName);
}

void MainWindowPort::AnimateCardsFlow(int style) {
    if (shows_) shows_->AnimateCardsFlow(style);
}

void MainWindowPort::DebugShowDeck() {
    if (shows_) shows_->DebugShowDeck();
}
