#include "mainwindow/qt/main_window_keys.h"

#include <QPushButton>
#include <QTimer>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "mainwindow/close_guard.h"
#include "mainwindow/help_topics.h"
#include "mainwindow/key_codes.h"
#include "mainwindow/program_version.h"
#include "mainwindow/qt/frm_background.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/frm_help.h"
#include "mainwindow/qt/frm_splash.h"
#include "mainwindow/qt/main_window.h"
#include "mainwindow/qt/qt_key_map.h"
#include "mainwindow/qt/table_controls.h"
#include "mainwindow/startup_rules.h"
#include "mainwindow/startup_texts.h"
#include "platform/file_util.h"
#include "records/qt/records_windows.h"

MainWindowKeys::MainWindowKeys(MainWindowKeysParts parts, KeyCommandCalls menus) : p_(parts) {
    command_ =
        std::make_unique<KeyCommand>(KeyCommandParts{p_.game, p_.engine, p_.records, p_.state,
                                                     p_.board.layout.Form(), p_.services},
                                     WindowCalls(std::move(menus)));
}

MainWindowKeys::~MainWindowKeys() {
    if (help_) delete help_.data();
}

KeyCommandCalls MainWindowKeys::WindowCalls(KeyCommandCalls c) {
    MainWindowKeysParts p = p_;
    auto deal = [p] { return p.window.findChild<QPushButton*>("cmdDeal"); };
    c.stopIdleTimer = [p] { p.window.Timer1()->stop(); };
    c.tutorialOn = [p] { return p.recordsWindows.TutorialOn(); };
    c.dealButtonVisible = [deal] {
        QPushButton* b = deal();
        return b && b->isVisible();
    };
    c.showDealButton = [p](bool visible) {
        if (p.services.window) p.services.window->ShowDealButton(visible);
    };
    c.refresh = [this] {
        PlaceTableEmoticon(p_.board.layout.Form());
        p_.board.ApplyWidgets();
        p_.board.view->update();
    };
    c.cycleBackground = [p](int keyCode) {
        p.looks.StretchBackground = VbFalse;
        p.board.board->CycleBackground(keyCode);
    };
    c.stretchBackground = [p] {
        p.looks.StretchBackground = VbTrue;
        p.board.board->LoadBackground();
    };
    c.animateCardsFlow = [p](int style) {
        if (p.services.window) p.services.window->AnimateCardsFlow(style);
    };
    c.showScores = [p](int statsMode) { p.recordsWindows.ShowScores(statsMode); };
    c.displayStats = [p] { p.main.DisplayStats(); };
    c.toggleLabelNames = [this] {
        p_.board.layout.Toggle_LabelNames();
        p_.board.ApplyWidgets();
        p_.board.view->update();
    };
    // Ctrl+F5: the splash window again, until a key or a click closes it.
    c.showSplash = [p] {
        auto* splash = new FrmSplash(
            QString::fromStdString(JoinPath(p.game.AppFolder, start_files::kSplashPicture)),
            QString::fromStdString(
                SplashVersionText(kVersionMajor, kVersionMinor, kVersionRevision)));
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->show();
    };
    // Ctrl+F9: the table's background picture in a window of its own.
    c.showBackgroundWindow = [p] {
        ShowBackgroundWindow(TableBackgroundPicture(p.looks, p.game.AppFolder), &p.window);
    };
    c.flash = [p] {
        if (p.services.window) p.services.window->Flash(p.game.Opp[1].Name);
    };
    return c;
}

bool MainWindowKeys::KeyPressed(int qtKey, Qt::KeyboardModifiers modifiers) {
    const KeyPress k = KeyPressOf(qtKey, modifiers);
    if (k.code == 0) return false;
    HandlerScope handler(p_.state);
    // Enter outside a keypad move stays with the control that has the focus (the Deal button).
    const bool moving = command_->KeyMoveSlot() != 0;
    command_->Run(k.code, k.shift);
    return k.code != vk::Return || moving;
}

void MainWindowKeys::ShowHelp(const std::string& topic) {
    if (!help_) help_ = new FrmHelp(HelpFolders(shippedFolder_, p_.game.AppFolder), &p_.window);
    help_->ShowTopic(topic);
}
