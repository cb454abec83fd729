// Whole games played with the mouse on the real main window: the table, its card boxes and the
// drag handling, driven by real mouse events on the offscreen screen, against the computer seats.
#include "tests/qt/mouse_game.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "board/qt/table_view.h"
#include "engine/conservation.h"
#include "tests/qt/qt_test_app.h"

namespace {

// The scripted human: a card that fits a center (side, hold tops, hand), else a discard of the
// first hand card onto the hold pile with the fewest cards beneath.
bool PlayOne(MouseGame& m) {
    Game& g = m.g;
    for (int s : {1, 7, 8, 9, 10, 2, 3, 4, 5, 6})
        for (int k = 1; k <= g.NumCenters; ++k)
            if (g.HumanCards[kRank][s] != 0 && CenterAccepts(g, g.HumanCards[kRank][s], k)) {
                m.DragBox(s, m.Middle("PicCenter", k));
                return true;
            }
    int hand = 0;
    for (int s = kFirstHandSlot; s <= kLastHandSlot && hand == 0; ++s)
        if (g.HumanCards[kRank][s] != 0) hand = s;
    if (hand == 0) return false;
    int hold = kFirstHoldSlot;
    for (int s = kFirstHoldSlot; s <= kLastHoldSlot; ++s)
        if (g.HumanHoldCount[s - 6] < g.HumanHoldCount[hold - 6]) hold = s;
    m.DragBox(hand, m.Middle("Picture7", hold));
    return true;
}

TEST(MouseGame, ASeededGameIsPlayedToItsEndWithTheMouse) {
    TestApp();
    MouseGame m(2);
    m.g.Rng.Randomize(7);
    m.Deal();
    ASSERT_NE(m.g.Pturn, 0) << "the Deal button dealt no game";
    int moves = 0;
    while (m.GameOn() && moves < 4000) {
        ASSERT_EQ(m.g.Pturn, 1);
        ASSERT_TRUE(PlayOne(m));
        if (++moves == 30) SaveRender(m.view->Grab(), "mouse_game_middle");
        ASSERT_EQ(CheckConservation(m.g), "") << "after move " << moves;
        // Every box is back home and takes the mouse again.
        EXPECT_EQ(m.drag->Drag().AwaySlot, 0);
        EXPECT_EQ(m.g.Dragging, 0);
    }
    EXPECT_FALSE(m.GameOn()) << "the game did not end in " << moves << " moves";
    EXPECT_GT(moves, 10);
    std::printf("%d moves, side piles %d and %d\n", moves, m.g.HumanSideCount, m.g.CurSideCount);
    SaveRender(m.view->Grab(), "mouse_game_end");
}

// The other seats' turns run on from the Deal button and from the drop that ends the human's
// turn. In an Internet game those turns wait for the other machines; while they run, the lines
// that arrive must be left to those waits, which the program tells from a handler running.
TEST(MouseGame, TheTurnsAClickRunsOnCountAsAHandlerRunning) {
    TestApp();
    MouseGame m(2);
    m.g.Rng.Randomize(7);
    std::vector<int> depths;
    CallbackTurns seats;
    seats.run = [&] {
        depths.push_back(m.state.HandlerDepth);
        m.cp.ComputerTurn();
    };
    m.h.services.turns = &seats;
    m.Deal();
    for (int moves = 0; m.GameOn() && depths.size() < 4 && moves < 400; ++moves)
        ASSERT_TRUE(PlayOne(m));
    ASSERT_GE(depths.size(), 4u);
    for (int d : depths) EXPECT_GT(d, 0);
    EXPECT_EQ(m.state.HandlerDepth, 0);
}

// The card boxes seen over box `slot` of `row` other than the box itself.
std::vector<std::string> BoxesOver(const MouseGame& m, const char* row, int slot) {
    const std::string self = std::string(row) + "_" + std::to_string(slot);
    const ControlGeom& at = m.Ctl(row, slot);
    std::vector<std::string> over;
    for (const auto& [name, c] : m.shell->layout.Form().Controls) {
        const bool card = name.rfind("Picture", 0) == 0 || name.rfind("PicCenter", 0) == 0;
        if (!card || name == self || !c.Visible) continue;
        if (c.Left < at.Left + at.Width && at.Left < c.Left + c.Width &&
            c.Top < at.Top + at.Height && at.Top < c.Top + c.Height)
            over.push_back(name);
    }
    return over;
}

// A hold pile's top card goes to a center and then a hand card follows it, in the player's own
// double clicks and in the replay of another player's turn: each pile the cards left shows what
// the game holds there (the hold pile its placeholder, the hand slot nothing), with no card
// picture of an earlier play left standing over it.
TEST(MouseGame, PilesACardLeftShowOnlyWhatTheyHold) {
    TestApp();
    MouseGame m(2);
    m.g.Rng.Randomize(7);
    m.Deal();
    ASSERT_EQ(m.g.Pturn, 1);
    Game& g = m.g;
    for (int k = 1; k <= g.NumCenters; ++k) g.CenterCount[k] = k == 1 ? 9 : 1;
    // The human's hold pile 1 holds only a club 10, hand slot 4 a club Jack.
    g.HumanHoldCount[1] = 0;
    g.HumanCards[kId][7] = g.HumanCards[kRank][7] = 10;
    g.HumanCards[kId][4] = g.HumanCards[kRank][4] = 11;
    m.shell->board->DrawTable();
    m.shell->board->EnableHumanPiles(true, 1, 10);
    QTest::mouseDClick(m.view, Qt::LeftButton, {}, m.Middle("Picture7", 7));
    ASSERT_EQ(g.CenterCount[1], 10);
    EXPECT_EQ(BoxesOver(m, "Picture7", 7), std::vector<std::string>{});
    QTest::mouseDClick(m.view, Qt::LeftButton, {}, m.Middle("Picture7", 4));
    ASSERT_EQ(g.CenterCount[1], 11);
    EXPECT_FALSE(m.Ctl("Picture7", 4).Visible);
    EXPECT_EQ(BoxesOver(m, "Picture7", 4), std::vector<std::string>{});

    // The other player's same two cards, as its turn is replayed on this machine.
    g.CenterCount[1] = 9;
    m.cp.st.NextHoldCard = {0, 0};
    g.MoveCard = {10, 10};
    m.cp.Comp_Flip(PileRow::Opp1, 7, 1);
    EXPECT_EQ(BoxesOver(m, "Picture1", 7), std::vector<std::string>{});
    g.CurCards[kId][4] = g.CurCards[kRank][4] = 0;
    g.MoveCard = {11, 11};
    m.cp.Comp_Flip(PileRow::Opp1, 4, 1);
    EXPECT_FALSE(m.Ctl("Picture1", 4).Visible);
    EXPECT_EQ(BoxesOver(m, "Picture1", 4), std::vector<std::string>{});
}

TEST(MouseGame, StatusBarPanelsAnswerClicks) {
    TestApp();
    MouseGame m(4);
    m.window.StatusBar1()->show();
    m.h.log.enabled = true;
    for (int i = 0; i < 4; ++i) QTest::mouseClick(m.window.Panel(5), Qt::LeftButton);
    QTest::mouseClick(m.window.Panel(3), Qt::LeftButton);  // a panel without a command
    std::vector<std::string> shown;
    for (const std::string& line : m.h.log.lines)
        if (line.rfind("ShowOppStatus", 0) == 0) shown.push_back(line);
    EXPECT_EQ(shown, (std::vector<std::string>{"ShowOppStatus 1", "ShowOppStatus 2",
                                               "ShowOppStatus 3", "ShowOppStatus 1"}));
}

// Random presses, drags, double clicks, right presses and keys anywhere on the window while the
// games go on (every fourth step the scripted player moves, so that games end): no card is ever
// lost or doubled, every drag ends with its box home, and nothing crashes.
TEST(MouseGame, RandomInputDuringSeededGamesLosesNoCard) {
    TestApp();
    std::mt19937 rnd(20261211);
    int games = 0, events = 0, finished = 0;
    for (int players : {2, 3, 4}) {
        MouseGame m(players);
        m.g.Rng.Randomize(players * 11);
        const QSize size = m.window.size();
        auto anywhere = [&] {
            return QPoint(std::uniform_int_distribution<int>(0, size.width() - 1)(rnd),
                          std::uniform_int_distribution<int>(0, size.height() - 1)(rnd));
        };
        const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space, Qt::Key_A,
                                Qt::Key_Left,   Qt::Key_Up,     Qt::Key_5,     Qt::Key_Backspace};
        for (int game = 0; game < 8; ++game, ++games) {
            m.Deal();
            for (int step = 0; m.GameOn() && step < 6000; ++step, ++events) {
                const int what = std::uniform_int_distribution<int>(0, 7)(rnd);
                const int slot = std::uniform_int_distribution<int>(1, 10)(rnd);
                if (what <= 1 && m.g.Pturn == 1) {
                    PlayOne(m);
                } else if (what == 2) {
                    m.DragBox(slot, anywhere(), 1 + static_cast<int>(rnd() % 5));
                } else if (what == 3) {
                    QTest::mouseDClick(m.view, Qt::LeftButton, {}, m.Middle("Picture7", slot));
                } else if (what == 4) {
                    QTest::mouseClick(m.view, Qt::RightButton, {}, m.Middle("Picture7", slot));
                } else if (what == 5) {
                    QTest::mouseClick(&m.window, Qt::LeftButton, {}, anywhere());
                } else if (what == 6) {
                    QTest::keyClick(&m.window, keys[rnd() % std::size(keys)]);
                } else {
                    const QPoint from = anywhere();
                    QTest::mousePress(&m.window, Qt::LeftButton, {}, from);
                    QTest::mouseMove(&m.window, anywhere());
                    QTest::mouseRelease(&m.window, Qt::LeftButton, {}, anywhere());
                }
                ASSERT_EQ(CheckConservation(m.g), "")
                    << players << " players, game " << game << ", step " << step;
                ASSERT_EQ(m.drag->Drag().AwaySlot, 0) << "a box was left away from home";
                ASSERT_EQ(m.g.Dragging, 0);
            }
            ASSERT_FALSE(m.GameOn()) << players << " players, game " << game << " did not end";
            if (m.g.HumanSideCount == 0 || m.g.CurSideCount == 0) ++finished;
        }
    }
    std::printf("%d games (%d won by a side pile), %d input events\n", games, finished, events);
    EXPECT_GE(finished, games / 2);
}

}  // namespace
