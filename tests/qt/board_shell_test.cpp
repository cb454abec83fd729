#include "board/qt/board_shell.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "board/qt/shipped_pictures.h"
#include "board/qt/table_view.h"
#include "engine/engine.h"
#include "tests/qt/qt_test_app.h"
#include "tests/support/headless_services.h"

namespace {
// A shell on a window of its own, for the game and looks a test sets up first.
struct ShellOnWindow {
    ShellOnWindow(Game& g, BoardLooks& looks, int screenTwips = 15360)
        : shell({g, looks, screenTwips, false, clock, pump, nullptr, nullptr,
                 dir.path().toStdString()},
                &window) {}
    QTemporaryDir dir;
    ManualClock clock;
    InstantPump pump{clock};
    QWidget window;
    BoardShell shell;
};

// A table for a count of players and centers, started in a display mode on a screen of a width.
struct StartedTable {
    StartedTable(int players, int centers, int mode, int screenTwips = 15360)
        : g(Counts(players, centers)), on(g, looks, screenTwips) {
        shell.StartUp(mode);
    }
    static Game Counts(int players, int centers) {
        Game g;
        g.NumPlayers = static_cast<i16>(players);
        g.NumCenters = static_cast<i16>(centers);
        return g;
    }
    QApplication& app = TestApp();  // before the window is made
    Game g;
    BoardLooks looks;
    ShellOnWindow on;
    BoardShell& shell = on.shell;
};
}  // namespace

TEST(BoardShell, StartsUpDrawsTheTableAndPutsWidgetsOverIt) {
    TestApp();
    Game g;
    g.NumPlayers = 3;
    g.NumCenters = 4;
    BoardLooks looks;
    looks.BackgroundFiles = {"", "GameBoard.gif"};
    looks.BackgroundCount = 1;
    looks.BackgroundIndex = 1;
    ShellOnWindow on(g, looks);
    ASSERT_TRUE(WriteShippedPictures(on.dir.path()));
    BoardShell& shell = on.shell;
    shell.StartUp(0);
    shell.board->LoadAvatar("Tessik.jpg");
    shell.ApplyWidgets();
    const auto* side = shell.view->findChild<QWidget*>("Picture7_1");
    ASSERT_NE(side, nullptr);
    EXPECT_TRUE(shell.view->findChild<QLabel*>("Label9_2"));
    const QImage img = shell.view->Grab();
    SaveRender(img, "board_shell_start");
    // Before the first deal the side pile shows a back on the deck colour.
    const QColor back = img.pixelColor(side->x() + 2, side->y() + 2);
    EXPECT_GT(back.blue(), back.red() + 40);
}

// The window as the player sees it: the painted table with the label and button widgets over
// it, texts and all.
TEST(BoardShell, WidgetsOverTheTableKeepOffTheCards) {
    TestApp();
    Game g;
    g.NumPlayers = 2;
    g.NumCenters = 3;
    g.Opp[1].Name = "Brivo";
    BoardLooks looks;
    ShellOnWindow on(g, looks);
    BoardShell& shell = on.shell;
    shell.StartUp(0);
    shell.layout.Ctl("Label9", 0).Caption = " CLEARING ";
    shell.layout.Ctl("Label9", 1).Caption = "Brivo plays a 7 on center 3";
    shell.layout.Ctl("Label9", 2).Caption = "Not bad for a beginner. Let's see what you do next.";
    shell.layout.Ctl("cmdDeal").Visible = true;
    shell.ApplyWidgets();
    const QImage img = shell.view->grab().toImage();
    SaveRender(img, "board_shell_widgets");
    // The hold frames' captions are painted beneath the cards, not written over them.
    EXPECT_EQ(shell.view->findChild<QLabel*>("Label3_0"), nullptr);
    ASSERT_NE(shell.view->findChild<QWidget*>("Label3_0"), nullptr);
    const auto* remark = shell.view->findChild<QLabel*>("Label9_2");
    ASSERT_NE(remark, nullptr);
    EXPECT_EQ(remark->alignment(), Qt::AlignTop | Qt::AlignLeft);
    const auto* deal = shell.view->findChild<QPushButton*>("cmdDeal");
    ASSERT_NE(deal, nullptr);
    EXPECT_EQ(deal->text(), "Deal");
}

// The information line under the centers carries the turn notice (two empty lines, then the
// text) and refusals that wrap to three lines: all three show, and clicks go through it.
TEST(BoardShell, TheInformationLineShowsThreeLinesAndLetsClicksThrough) {
    StartedTable table(2, 3, 0);
    BoardShell& shell = table.shell;
    shell.layout.Ctl("Label9", 1).Caption = "\n\n     It's your turn...";
    shell.ApplyWidgets();
    auto* info = shell.view->findChild<QLabel*>("Label9_1");
    ASSERT_NE(info, nullptr);
    EXPECT_GE(info->height(), info->heightForWidth(info->width()));
    // What lies under the line (the Deal button on some tables) takes the click, not the line.
    EXPECT_NE(shell.view->childAt(info->geometry().center()), info);
}

// A peer's broken line is told on the information line with its reason, four lines and more: the
// line grows down to show it whole on every table, and a short text gives it back its 50 pixels.
TEST(BoardShell, TheInformationLineGrowsToShowALongNoticeWhole) {
    const std::string notice =
        "Zed's program sent something this game cannot use (a card move from or to a place that "
        "does not exist). The Internet game with Zed has been ended.";
    for (const auto& [players, centers] : {std::pair{2, 3}, std::pair{2, 4}, std::pair{4, 4}}) {
        StartedTable table(players, centers, 0);
        BoardShell& shell = table.shell;
        shell.ApplyWidgets();
        auto* info = shell.view->findChild<QLabel*>("Label9_1");
        ASSERT_NE(info, nullptr);
        shell.board->SetMessage(1, notice);
        // Under three centers the line is a center row wide: four lines, more than 50 pixels.
        if (centers == 3) {
            EXPECT_GT(info->height(), 50);
        }
        EXPECT_GE(info->height(), info->heightForWidth(info->width())) << players << centers;
        shell.ApplyWidgets();  // laying the widgets out again keeps the grown line
        EXPECT_GE(info->height(), info->heightForWidth(info->width())) << players << centers;
        shell.board->SetMessage(1, "It's NOT your turn.");
        EXPECT_EQ(shell.layout.Ctl("Label9", 1).Height, 50) << players << centers;
    }
}

// The peek notices and the new-record notice start with a line break: both lines show.
TEST(BoardShell, ThePeekNoticeShowsItsTwoLines) {
    for (const auto& [players, centers] : {std::pair{2, 3}, std::pair{2, 4}, std::pair{4, 4}}) {
        StartedTable table(players, centers, 0);
        BoardShell& shell = table.shell;
        for (const char* text :
             {"\nYou're PEEKING!", "\nOpponent is PEEKING!", "\nNew Stats Record!"}) {
            shell.layout.Ctl("LabelPeek").Caption = text;
            shell.layout.Ctl("LabelPeek").Visible = true;
            shell.ApplyWidgets();
            auto* peek = shell.view->findChild<QLabel*>("LabelPeek");
            ASSERT_NE(peek, nullptr);
            EXPECT_GE(peek->height(), peek->heightForWidth(peek->width()))
                << players << centers << text;
        }
    }
}

// The host's rules notice, the longest of the Internet game's notices, shows whole in its box,
// on the normal table and on the two-player table shrunk to small cards.
TEST(BoardShell, TheStatusNoticeShowsTheHostRulesWhole) {
    for (int mode : {0, 2}) {
        StartedTable table(2, 3, mode);
        BoardShell& shell = table.shell;
        shell.board->SetStatusNotice(
            "Number of players is 2\nNumber of centers is 3\nTo change number of players or "
            "centers, go to Internet Menu, Host Setup.\nPress F2 or choose New to start the game.",
            true);
        shell.ApplyWidgets();
        auto* notice = shell.view->findChild<QLabel*>("StatusMsg");
        ASSERT_NE(notice, nullptr);
        EXPECT_TRUE(notice->isVisibleTo(shell.view)) << mode;
        EXPECT_EQ(notice->width(), 220) << mode;
        EXPECT_GE(notice->height(), notice->heightForWidth(notice->width())) << mode;
    }
}

// On an 800-pixel screen the human's hand row reaches into the status notice's box (down to
// 392 + 96): a short notice, shown while the cards lie there, keeps below the cards.
TEST(BoardShell, AShortStatusNoticeKeepsBelowTheHandOnANarrowTable) {
    StartedTable table(4, 4, 0, 12000);
    BoardShell& shell = table.shell;
    shell.board->SetStatusNotice("Click the Deal button to resume this game.", true);
    shell.ApplyWidgets();
    auto* notice = shell.view->findChild<QLabel*>("StatusMsg");
    ASSERT_NE(notice, nullptr);
    QImage text(notice->size(), QImage::Format_ARGB32_Premultiplied);
    text.fill(Qt::transparent);
    notice->render(&text, {}, {}, QWidget::DrawChildren);
    const auto inked = [&text](int y) {
        for (int x = 0; x < text.width(); ++x)
            if (qAlpha(text.pixel(x, y)) != 0) return true;
        return false;
    };
    int firstInk = 0;
    while (firstInk < text.height() && !inked(firstInk)) ++firstInk;
    ASSERT_LT(firstInk, text.height());
    EXPECT_GE(notice->y() + firstInk, 488);
}

// The messages and names on the table carry what other players typed: markup in them shows as
// the characters it is made of.
TEST(BoardShell, AMessageWithMarkupShowsAsPlainText) {
    StartedTable table(2, 3, 0);
    BoardShell& shell = table.shell;
    shell.board->SetMessage(2, "Hello, <b>good luck</b>!");
    shell.layout.Ctl("Label9", 4).Caption = "<i>Bruno</i>";
    shell.ApplyWidgets();
    for (const char* key : {"Label9_2", "Label9_4"}) {
        auto* label = shell.view->findChild<QLabel*>(key);
        ASSERT_NE(label, nullptr) << key;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << key;
    }
}

// A King laid on a center pile shows the value it stands for under the pile at once, a cleared
// pile loses it, and a table drawn again (a restored game) shows it for a King on top.
TEST(BoardShell, TheValueOfAKingOnACenterPileShowsAtOnce) {
    StartedTable table(2, 3, 0);
    BoardShell& shell = table.shell;
    shell.ApplyWidgets();
    Game& g = table.g;
    HeadlessServices h(g);
    h.services.board = shell.board.get();
    Engine e(g, h.services);
    auto* wild = shell.view->findChild<QLabel*>("LblWild_2");
    ASSERT_NE(wild, nullptr);
    ASSERT_FALSE(wild->isVisibleTo(shell.view));

    g.PileSel = 2;
    g.CenterCount[2] = 4;
    g.MoveCard = {13, kKing};
    e.Add_Center();
    EXPECT_TRUE(wild->isVisibleTo(shell.view));
    EXPECT_EQ(wild->text(), " 5 ");

    e.Add_Used();
    EXPECT_FALSE(wild->isVisibleTo(shell.view));

    g.CenterCount[2] = 7;
    g.Center[kRank][2][7] = kKing;
    g.Center[kId][2][7] = 26;
    shell.board->DrawTable();
    EXPECT_TRUE(wild->isVisibleTo(shell.view));
    EXPECT_EQ(wild->text(), "7");
}

// The remark's widget, filled whole with the font backdrop, takes only the part of its box that
// leaves the center block and the piles free: on the two-player table of three centers it ends
// above the center block, and on a four-player table it keeps off the notice line.
TEST(BoardShell, TheRemarkWidgetStandsClearOfTheCenterBlock) {
    for (const auto& [players, centers] : {std::pair{2, 3}, std::pair{4, 4}}) {
        StartedTable table(players, centers, 0);
        BoardShell& shell = table.shell;
        shell.board->SetMessage(2, "Select NEW from the Game Menu to start a new game.");
        shell.ApplyWidgets();
        auto* remark = shell.view->findChild<QLabel*>("Label9_2");
        ASSERT_NE(remark, nullptr);
        const QRect shown = remark->geometry();
        for (const char* neighbour : {"imgCenter", "Label3_0", "Label9_0", "PicCenter_1"}) {
            const ControlGeom& c = shell.layout.Ctl(neighbour);
            const QRectF at(c.Left, c.Top, c.Width, c.Height);
            EXPECT_FALSE(at.intersects(QRectF(shown))) << players << " players, " << neighbour;
        }
        const BoxRect r = shell.layout.RemarkBox();
        EXPECT_EQ(shown, QRect(int(r.left), int(r.top), int(r.width), int(r.height))) << players;
    }
}
