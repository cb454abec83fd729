#pragma once
// The real main window's table with its drag handling, the engine and the computer seats on
// headless services, shown on the offscreen screen and driven by real mouse events: for the
// whole-game mouse tests and the pointer benchmark.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "board/qt/board_shell.h"
#include "board/qt/table_view.h"
#include "computer/computer_player.h"
#include "engine/engine.h"
#include "mainwindow/qt/frm_brivo.h"
#include "mainwindow/qt/main_window_drag.h"
#include "mainwindow/qt/main_window_port.h"
#include "tests/support/headless_services.h"

// No tutorial runs in these games.
struct NoTutorial : TutorialAsks {
    TutorialAsk Asked() const override { return {}; }
};

struct MouseGame {
    NoTutorial noTutorial;
    QTemporaryDir dir;
    Game g;
    HeadlessServices h{g};
    BoardLooks looks;
    MainWindowState state;
    FrmBrivo window;
    MainWindowPort port{window};
    Engine e{g, h.services};
    ComputerPlayer cp{e};
    std::unique_ptr<BoardShell> shell;
    std::unique_ptr<MainWindowDrag> drag;
    TableView* view = nullptr;

    explicit MouseGame(int players) {
        g.AppFolder = dir.path().toStdString();
        g.MovePause = 0;
        g.NumPlayers = static_cast<i16>(players);
        g.NumCards = static_cast<i16>(52 * players);
        g.NumCenters = 4;
        for (int k = 1; k <= 3; ++k) {
            g.Opp[k].Name = "Seat" + std::to_string(k);
            g.Opp[k].CommentFile = "No Comments";
        }
        g.PlayerName = "Ada";
        h.log.enabled = false;
        shell =
            std::make_unique<BoardShell>(BoardShellParts{g, looks, 15360, false, h.clock, h.pump,
                                                         nullptr, &h.dialogs, g.AppFolder},
                                         &window);
        h.services.board = shell->board.get();
        h.services.turns = &cp;
        h.services.window = &port;
        shell->StartUp(0);
        if (players > 2) {
            shell->layout.Setup_Layout(g, 2, 4);
            shell->layout.TakeRequests();
        }
        window.SetTable(shell->view);
        shell->ApplyWidgets();
        window.resize(int(shell->layout.Form().Width), int(shell->layout.Form().Height));
        window.show();
        view = shell->view;
        drag = std::make_unique<MainWindowDrag>(
            MainWindowDragParts{g, e, state, *shell, window, noTutorial, &looks, [] {}});
        // No menus, hold-cards window or Internet notices on this table.
        drag->showHumanHidden = [](int) {};
        drag->closeMenus = drag->hideNetNotices = [] {};
        port.onReturnDraggedCard = [this](int slot) { drag->Mouse().ReturnDraggedCard(slot); };
        port.onDealButtonClick = [this] { drag->DealClicked(); };
        // No status bar, idle timer or counter beside this table.
        shell->board->SetLayoutFollowers({[] {}, [] {}, [] {}, [] {}, [] {}});
        auto* deal = window.findChild<QPushButton*>("cmdDeal");
        QObject::connect(deal, &QPushButton::clicked, deal, [this] { drag->DealClicked(); });
        deal->show();
    }

    const ControlGeom& Ctl(const char* row, int i) const { return shell->layout.Ctl(row, i); }
    QPoint Middle(const char* row, int i) const {
        const ControlGeom& c = Ctl(row, i);
        return QPoint(int(c.Left + c.Width / 2), int(c.Top + c.Height / 2));
    }
    bool GameOn() const {
        return g.Pturn != 0 && g.HumanSideCount != 0 && g.CurSideCount != 0 && !g.StopFlag;
    }

    void Deal() {
        auto* deal = window.findChild<QPushButton*>("cmdDeal");
        QTest::mouseClick(deal, Qt::LeftButton);
    }

    // Presses in the middle of the human's box `slot`, moves in `steps` steps to `to` and lets
    // go there.
    void DragBox(int slot, QPoint to, int steps = 4) {
        const QPoint from = Middle("Picture7", slot);
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        for (int i = 1; i <= steps; ++i) QTest::mouseMove(view, from + (to - from) * i / steps);
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);
    }
};
