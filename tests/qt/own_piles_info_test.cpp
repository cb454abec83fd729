// A right press on the player's own piles that hold no card, in the whole program after a deal:
// an empty hold pile opens the hold-cards window with its empty boxes, and once the player has
// won, the empty side pile tells its hidden count as the opponent's side pile does.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "board/qt/board_shell.h"
#include "board/qt/frm_hold.h"
#include "board/qt/table_view.h"
#include "engine/engine.h"
#include "tests/qt/dealt_program.h"

namespace {

struct OwnPiles : DealtProgram {
    QWidget& Table() { return *root->Board().view; }
    QPoint Middle(const char* row, int i) {
        const ControlGeom& c = root->Board().layout.Ctl(row, i);
        return QPoint(int(c.Left + c.Width / 2), int(c.Top + c.Height / 2));
    }
    // A right click on the middle of a box, as the platform hands it to what lies there.
    void RightPress(const char* row, int i) {
        const QPoint at = Table().mapTo(&Main(), Middle(row, i));
        QTest::mouseClick(Main().windowHandle(), Qt::RightButton, {}, at);
    }
    // The hold-cards window's caption, or "" while it is not shown.
    std::string HoldCaption() {
        QWidget* hold = Shown("frmHold");
        if (!hold) return "";
        return hold->findChild<QLabel*>("lblHold")->text().toStdString();
    }
    void HideHold() {
        if (QWidget* hold = Shown("frmHold")) hold->hide();
    }
    // One move of the player, with the mouse: a card that fits a center pile, else a discard of
    // the first hand card onto the hold pile with the fewest cards beneath.
    void PlayOne() {
        const Game& g = G();
        for (int s : {1, 7, 8, 9, 10, 2, 3, 4, 5, 6})
            for (int k = 1; k <= g.NumCenters; ++k)
                if (g.HumanCards[kRank][s] != 0 && CenterAccepts(g, g.HumanCards[kRank][s], k))
                    return Drag(Middle("Picture7", s), Middle("PicCenter", k));
        int hand = kFirstHandSlot;
        while (hand < kLastHandSlot && g.HumanCards[kRank][hand] == 0) ++hand;
        int hold = kFirstHoldSlot;
        for (int s = kFirstHoldSlot; s <= kLastHoldSlot; ++s)
            if (g.HumanHoldCount[s - 6] < g.HumanHoldCount[hold - 6]) hold = s;
        Drag(Middle("Picture7", hand), Middle("Picture7", hold));
    }
    void Drag(QPoint from, QPoint to) {
        QTest::mousePress(&Table(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= 4; ++i) QTest::mouseMove(&Table(), from + (to - from) * i / 4);
        QTest::mouseRelease(&Table(), Qt::LeftButton, {}, to);
    }
    bool PlayersTurn() {
        const Game& g = G();
        return g.Pturn == 1 && !g.Dealing && !g.ComputerBusy && !g.PlayRunning;
    }
};

}  // namespace

TEST_F(OwnPiles, AnEmptyHoldPileShowsItsEmptyBoxes) {
    for (int pile = kFirstHoldSlot; pile <= kLastHoldSlot; ++pile) {
        ASSERT_EQ(G().HumanCards[kRank][pile], 0) << "a fresh deal leaves the hold piles empty";
        HideHold();
        RightPress("Picture7", pile);
        EXPECT_EQ(HoldCaption(), " Hold Cards Hidden: 0 ") << pile;
    }
    auto* hold = static_cast<FrmHold*>(Shown("frmHold"));
    ASSERT_TRUE(hold);
    for (int box = 1; box <= 10; ++box) EXPECT_TRUE(hold->Form().At("Picture8", box).Visible);
}

// The player's side pile cut to two cards by the card row's test key (Shift+Ctrl+P) at each
// turn, so that the player empties it first.
TEST_F(OwnPiles, TheEmptySidePileAfterAWinTellsItsCountAsTheOpponentsDoes) {
    for (int moves = 0; moves < 400 && G().HumanSideCount != 0; ++moves) {
        ASSERT_TRUE(WaitFor([&] { return PlayersTurn() || G().Pturn == 0; })) << moves;
        if (G().Pturn == 0) break;
        Key(Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        PlayOne();
    }
    ASSERT_EQ(G().HumanSideCount, 0) << "the player did not win";
    // The end-of-game show runs until a key stops it.
    ASSERT_TRUE(WaitFor([] { return !QApplication::activeModalWidget(); }));
    if (G().AnimationRunning) Key(Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return !G().AnimationRunning; }));
    const int opponentHidden = G().Opp[1].SideCount - 1;
    RightPress("Picture1", 1);
    EXPECT_EQ(HoldCaption(), " Side Cards Hidden: " + std::to_string(opponentHidden) + " ");
    HideHold();
    RightPress("Picture7", 1);
    EXPECT_EQ(HoldCaption(), " Side Cards Hidden: 0 ");
}
