#include "mainwindow/card_mouse.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"
#include "layout_fixture.h"
#include "mainwindow/deal_button.h"

namespace {

struct ShellLog : CardMouseShell {
    void BoxMoved(int) override { ++moves; }
    void HomeStepShown(int) override { ++homeSteps; }
    void ShowHumanHidden(int slot) override { hidden.push_back(slot); }
    void CloseMenus() override {}
    void CloseWindow() override { closed = true; }
    bool DealButtonShown() const override { return false; }
    TutorialAsk TutorialAsked() const override { return asked; }
    TutorialAsk asked;
    int moves = 0;
    int homeSteps = 0;
    std::vector<int> hidden;
    bool closed = false;
};

// The human on turn in a two-player game with four centers, on a laid-out table, with the Deal
// button away (a game under way).
struct CardMouseTest : EngineFixture {
    TableLayout t = FreshTable(2, 4, 0, kScreen1024);
    MainWindowState w;
    DragState d;
    ShellLog shell;
    CardMouse mouse{g, e, w, t, d, shell};

    void SetUp() override {
        Players(2, 4);
        g.Pturn = 1;
        g.CurSideCount = 5;
        g.CompComments[34] = "Kings are wild,";
        g.CompComments[35] = "put it where you like.";
    }
    ControlGeom& Box(int slot) { return t.Ctl("Picture7", slot); }
    std::vector<int> HandRanks() const {
        std::vector<int> r;
        for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) r.push_back(g.HumanCards[kRank][s]);
        return r;
    }
    // Press on the box, three moves, and the release with the box's corner at (left, top).
    void DragTo(int slot, double left, double top) {
        mouse.Picture7_MouseDown(slot, mouse_button::kLeft, false, 10, 10);
        const double x0 = Box(slot).Left, y0 = Box(slot).Top;
        for (int i = 1; i <= 3; ++i) {
            const double x = x0 + (left - x0) * i / 3, y = y0 + (top - y0) * i / 3;
            mouse.Picture7_MouseMove(slot, static_cast<int>(10 + x - Box(slot).Left),
                                     static_cast<int>(10 + y - Box(slot).Top));
        }
        mouse.Picture7_MouseUp(slot);
    }
    void DragToCenter(int slot, int k) {
        DragTo(slot, t.Ctl("PicCenter", k).Left, t.Ctl("PicCenter", k).Top);
    }
    void ExpectHome(int slot, double left, double top) {
        EXPECT_EQ(Box(slot).Left, left);
        EXPECT_EQ(Box(slot).Top, top);
        EXPECT_FALSE(Box(slot).Front);
        EXPECT_EQ(d.AwaySlot, 0);
        EXPECT_EQ(g.Dragging, 0);
    }
};

TEST_F(CardMouseTest, RefusedCenterDropGoesHomeAndTheTurnStays) {
    HumanSide({9, 7});
    Hand({5, 6, 8, 10, 11});
    RestToStock();
    const double left = Box(2).Left, top = Box(2).Top;
    DragToCenter(2, 1);
    ExpectHome(2, left, top);
    EXPECT_GT(shell.homeSteps, 1);
    EXPECT_EQ(g.Pturn, 1);
    EXPECT_EQ(g.CenterCount[1], 0);
    EXPECT_EQ(g.HumanCards[kRank][2], 5);
    EXPECT_EQ(h.board.messages[1],
              "Center piles are built up in sequence (Ace to Queen). That card cannot be played "
              "to that Center pile yet.");
    EXPECT_TRUE(h.log.Contains("~108.tmp"));
    ExpectSound();
}

TEST_F(CardMouseTest, AcceptedCenterDropPlaysTheCardAndTheBoxGoesHome) {
    HumanSide({9, 7});
    Hand({1, 6, 8, 10, 11});
    RestToStock();
    const double left = Box(2).Left, top = Box(2).Top;
    DragToCenter(2, 3);
    EXPECT_EQ(g.CenterCount[3], 1);
    EXPECT_EQ(g.HumanCards[kRank][2], 0);
    EXPECT_EQ(shell.homeSteps, 0);
    ExpectHome(2, left, top);
    EXPECT_EQ(g.DroppedByDrag, VbFalse);
    ExpectSound();
}

TEST_F(CardMouseTest, TheTutorialLocksTheMenusButNotTheCards) {
    HumanSide({9, 7});
    Hand({1, 2, 8, 10, 11});
    RestToStock();
    g.MenusLocked = VbTrue;
    g.TutorialOn = VbTrue;
    shell.asked = {2, TutorialTarget::Center};
    DragToCenter(2, 3);
    EXPECT_EQ(g.CenterCount[3], 1);
    // Locked menus outside the tutorial (the end of a game) keep the cards where they are.
    g.TutorialOn = VbFalse;
    DragToCenter(3, 3);
    EXPECT_EQ(g.CenterCount[3], 1);
    EXPECT_EQ(g.HumanCards[kRank][3], 2);
}

// In the tutorial only the card its step asks for moves, and only to the kind of place the step
// names; any other drag takes the card home and leaves the prepared position as it was.
TEST(CardMouseTutorial, OnlyTheAskedCardGoesOnlyWhereTheStepSays) {
    enum Place { Center3, Hold8, HandPlace5 };
    struct Case {
        TutorialAsk ask;
        int slot;
        Place to;
        bool moves;
    };
    const Case cases[] = {
        {{2, TutorialTarget::Center}, 2, Center3, true},
        {{3, TutorialTarget::Center}, 2, Center3, false},  // another card than the step's
        {{}, 2, Center3, false},                           // the step asks for no move
        {{2, TutorialTarget::Center}, 2, Hold8, false},
        {{2, TutorialTarget::Center}, 2, HandPlace5, false},
        {{2, TutorialTarget::Hold}, 2, Center3, false},
        {{2, TutorialTarget::Hold}, 2, Hold8, true},
        {{2, TutorialTarget::Anywhere}, 2, HandPlace5, true},
    };
    for (const Case& c : cases) {
        struct Table : CardMouseTest {
            void TestBody() override {}
        } f;
        f.SetUp();
        f.HumanSide({9, 7});
        f.Hand({1, 2, 8, 10, 11});
        f.RestToStock();
        f.h.turns.run = [] {};
        f.g.TurnOrder = {0, 1, 2};
        f.g.TurnPos = 1;
        f.g.MenusLocked = f.g.TutorialOn = VbTrue;
        f.shell.asked = c.ask;
        const double left = f.Box(c.slot).Left, top = f.Box(c.slot).Top;
        if (c.to == Center3) f.DragToCenter(c.slot, 3);
        if (c.to == Hold8) f.DragTo(c.slot, f.Box(8).Left, f.Box(8).Top);
        if (c.to == HandPlace5) f.DragTo(c.slot, f.Box(5).Left, f.Box(5).Top - 40);
        const int at = static_cast<int>(&c - cases);
        EXPECT_EQ(f.g.HumanCards[kRank][c.slot] != 1, c.moves) << "case " << at;
        EXPECT_EQ(f.g.Pturn == 1, c.to != Hold8 || !c.moves) << "case " << at;
        f.ExpectHome(c.slot, left, top);
    }
}

TEST_F(CardMouseTest, AfterTheGameHasEndedADropOnACenterGoesHome) {
    HumanSide({9, 7});
    Hand({1, 6, 8, 10, 11});
    RestToStock();
    g.CurSideCount = 0;  // an opponent has emptied its side pile
    const double left = Box(2).Left, top = Box(2).Top;
    DragToCenter(2, 1);
    EXPECT_EQ(g.CenterCount[1], 0);
    EXPECT_EQ(g.HumanCards[kRank][2], 1);
    ExpectHome(2, left, top);
}

TEST_F(CardMouseTest, ForcedAceRefusesTheDiscardAndTheCardGoesBack) {
    HumanSide({9, 7});
    Hand({1, 6, 8, 10, 11});
    RestToStock();
    g.ForcedCards = 1;
    const double left = Box(3).Left, top = Box(3).Top;
    DragTo(3, Box(8).Left, Box(8).Top);
    EXPECT_EQ(h.dialogs.lastTitle, "Rule Enforced");
    EXPECT_EQ(h.dialogs.lastText, "Forced Ace rule is in effect. You must play your Ace");
    ExpectHome(3, left, top);
    EXPECT_EQ(g.HumanCards[kRank][3], 6);
    EXPECT_EQ(g.HumanCards[kRank][8], 0);
    EXPECT_EQ(g.Pturn, 1);
    EXPECT_TRUE(h.log.Contains("EnableHumanPiles 1 1-10"));
    ExpectSound();
}

TEST_F(CardMouseTest, DiscardOntoAHoldPileEndsTheTurn) {
    HumanSide({9, 7});
    Hand({4, 6, 8, 10, 11});
    RestToStock();
    int computerTurns = 0;
    h.turns.run = [&] { ++computerTurns; };
    g.TurnOrder = {0, 1, 2};
    g.TurnPos = 1;
    const double left = Box(4).Left, top = Box(4).Top;
    DragTo(4, Box(9).Left + 10, Box(9).Top - 20);
    EXPECT_EQ(computerTurns, 1);
    EXPECT_EQ(g.HumanCards[kRank][9], 8);
    EXPECT_EQ(g.HumanCards[kRank][4], 0);
    EXPECT_EQ(g.Pturn, 2);
    ExpectHome(4, left, top);
    ExpectSound();
}

TEST_F(CardMouseTest, HandCardDroppedOnAnotherPlaceReordersTheHand) {
    HumanSide({9, 7});
    Hand({2, 3, 4, 5, 6});
    RestToStock();
    const double left = Box(2).Left, top = Box(2).Top;
    DragTo(2, Box(5).Left, Box(5).Top - 40);
    EXPECT_EQ(HandRanks(), (std::vector<int>{3, 4, 5, 2, 6}));
    ExpectHome(2, left, top);

    g.NumberCards = VbTrue;  // a peer that shows numbers only: the hand keeps its order
    DragTo(2, Box(5).Left, Box(5).Top);
    EXPECT_EQ(HandRanks(), (std::vector<int>{3, 4, 5, 2, 6}));
    ExpectHome(2, left, top);
}

TEST_F(CardMouseTest, MisplacedSideCardAndHoldTopAreExplained) {
    HumanSide({9, 7});
    Hand({2, 3, 4, 5, 6});
    Put(g.HumanCards, 7, Card(8));
    RestToStock();
    DragTo(1, Box(8).Left, Box(8).Top);
    EXPECT_EQ(h.board.messages[1], "\nYour Side card can only be played to a Center pile.");
    DragTo(7, Box(9).Left, Box(9).Top);
    EXPECT_EQ(h.board.messages[1],
              "Once a card has been placed on a Hold pile, it can only be played to the Center "
              "piles.");
    EXPECT_EQ(g.HumanCards[kRank][7], 8);
    EXPECT_EQ(g.HumanCards[kRank][1], 7);
}

TEST_F(CardMouseTest, PressOutOfTurnIsRefusedAndStartsNoDrag) {
    HumanSide({9, 7});
    Hand({2, 3, 4, 5, 6});
    RestToStock();
    g.Pturn = 2;
    mouse.Picture7_MouseDown(3, mouse_button::kLeft, false, 5, 5);
    EXPECT_EQ(h.board.messages[1], "Please stop --\n     It's NOT your turn!");
    EXPECT_EQ(g.Dragging, 0);
    mouse.Picture7_MouseMove(3, 200, 200);
    mouse.Picture7_MouseUp(3);
    EXPECT_EQ(d.AwaySlot, 0);
}

TEST_F(CardMouseTest, PressAndReleaseInPlaceNeitherPlaysNorAnimates) {
    HumanSide({9, 7});
    Hand({1, 3, 4, 5, 6});
    RestToStock();
    mouse.Picture7_MouseDown(2, mouse_button::kLeft, false, 5, 5);
    mouse.Picture7_MouseUp(2);
    EXPECT_EQ(shell.homeSteps, 0);
    EXPECT_EQ(g.HumanCards[kRank][2], 1);
    EXPECT_EQ(d.AwaySlot, 0);
}

TEST_F(CardMouseTest, DoubleClickPlaysToTheFirstFittingCenter) {
    HumanSide({9, 7});
    Hand({2, 13, 4, 5, 6});
    Center(2, 1);
    Center(4, 1);
    RestToStock();
    mouse.Picture7_DblClick(2);
    EXPECT_EQ(g.CenterCount[2], 2);
    EXPECT_EQ(g.CenterCount[4], 1);
    ExpectSound();

    // A King is never played by a double click: the personality says why.
    mouse.Picture7_DblClick(3);
    EXPECT_EQ(g.HumanCards[kRank][3], 13);
    EXPECT_EQ(h.board.messages[1], "Kings are wild,\nput it where you like.");
    EXPECT_TRUE(h.log.Contains("~108.tmp"));

    // A card that fits nowhere is refused for "any" pile.
    mouse.Picture7_DblClick(5);
    EXPECT_EQ(h.board.messages[1],
              "Center piles are built up in sequence (Ace to Queen). That card cannot be played "
              "to any Center pile yet.");
    EXPECT_EQ(g.Pturn, 1);
}

TEST_F(CardMouseTest, DoubleClicksThatDoNothing) {
    HumanSide({9, 1});
    Hand({1, 3, 4, 5, 6});
    RestToStock();
    h.log.lines.clear();
    h.board.messages[1] = "before";
    mouse.Picture7_DblClick(8);  // an empty hold pile: no refusal, no sound
    EXPECT_EQ(h.board.messages[1], "before");
    EXPECT_FALSE(h.log.Contains("~108.tmp"));

    mouse.Picture7_MouseDown(1, mouse_button::kRight, false, 5, 5);
    mouse.Picture7_DblClick(2);  // right after a right press
    EXPECT_EQ(g.HumanCards[kRank][2], 1);

    mouse.Picture7_MouseDown(2, mouse_button::kLeft, false, 5, 5);
    mouse.Picture7_MouseUp(2);
    g.Pturn = 2;  // the computer's turn
    mouse.Picture7_DblClick(2);
    EXPECT_EQ(g.HumanCards[kRank][2], 1);
    EXPECT_EQ(g.CenterCount[1], 0);
}

TEST_F(CardMouseTest, RightPressTellsTheSideCountOrShowsHiddenCards) {
    g.PlayerName = "Ada";
    HumanSide({9, 7, 3});
    Hand({1, 3, 4, 5, 6});
    RestToStock();
    mouse.Picture7_MouseDown(1, mouse_button::kRight, false, 5, 5);
    EXPECT_EQ(h.board.messages[1], "Ada SIDE :  3");
    mouse.Picture7_MouseDown(9, mouse_button::kRight, false, 5, 5);
    g.CurSideCount = 0;  // the game is over: the side cards may be seen
    mouse.Picture7_MouseDown(1, mouse_button::kRight, false, 5, 5);
    EXPECT_EQ(shell.hidden, (std::vector<int>{9, 1}));
    EXPECT_EQ(g.Dragging, 0);
}

struct PanelTest : EngineFixture {
    MainWindowState w;
    DragState d;
    int restarts = 0;
    DealButtonParts parts{g, e, w, d, nullptr, [this] { ++restarts; }, [] {}, [] {}};
    std::vector<std::string> Shown() {
        std::vector<std::string> out;
        for (const std::string& line : h.log.lines)
            if (line.rfind("ShowOppStatus", 0) == 0) out.push_back(line);
        return out;
    }
};

TEST_F(PanelTest, OpponentNamePanelCyclesThroughTheOpponents) {
    Players(4);
    for (int i = 0; i < 4; ++i) StatusBar1_PanelClick(parts, 5);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"ShowOppStatus 1", "ShowOppStatus 2",
                                                 "ShowOppStatus 3", "ShowOppStatus 1"}));
    h.log.lines.clear();
    Players(2);
    for (int i = 0; i < 3; ++i) StatusBar1_PanelClick(parts, 5);
    EXPECT_EQ(Shown(), (std::vector<std::string>(3, "ShowOppStatus 1")));
}

// The tutorial deals its own positions and takes no play back: the Deal button's click and the
// Undo panel do nothing while it runs.
TEST_F(PanelTest, TheTutorialRefusesDealAndUndo) {
    g.TutorialOn = VbTrue;
    g.Pturn = 1;
    g.MoveRecordNo = 3;
    const i16 stock = g.StockCount;
    cmdDeal_Click(parts);
    StatusBar1_PanelClick(parts, 2);
    EXPECT_FALSE(h.log.Contains("HideDeal"));
    EXPECT_EQ(g.StockCount, stock);
    EXPECT_EQ(g.Pturn, 1);
    EXPECT_EQ(restarts, 0);
    EXPECT_EQ(g.UndoMove, VbFalse);
}

TEST_F(PanelTest, UndoOnlyAfterAPlayOfTheHumansTurn) {
    g.Pturn = 1;
    g.MoveRecordNo = 0;
    StatusBar1_PanelClick(parts, 2);
    g.Pturn = 2;
    g.MoveRecordNo = 3;
    StatusBar1_PanelClick(parts, 2);
    EXPECT_EQ(restarts, 0);
    g.Pturn = 1;
    StatusBar1_PanelClick(parts, 2);
    EXPECT_EQ(restarts, 1);
    EXPECT_EQ(g.UndoMove, VbTrue);
    StatusBar1_PanelClick(parts, 3);  // no key
    EXPECT_EQ(restarts, 1);
}

// A remote's player took up a game to resume, and the host went away before saying go: nothing
// is left to resume, so that the next Internet game's Deal deals instead of waiting.
TEST_F(PanelTest, AResumeBrokenOffLeavesNothingToResume) {
    g.NetConnected = 1;
    g.IsHost = 0;
    g.PeerVersion = "84";
    g.NetResume = 1;
    g.NetCode = net::RC;
    cmdDeal_Click(parts);
    EXPECT_TRUE(h.log.Contains("SendNet 0 RC"));
    EXPECT_EQ(g.NetResume, 0);
}

// A remote's player takes up the game given to resume with Deal: once the host says go, the
// player on turn may move its cards; another player's turn is awaited.
TEST_F(PanelTest, AResumedGameGoesOnWithThePlayerOnTurn) {
    for (const i16 pturn : {1, 2}) {
        SCOPED_TRACE(pturn);
        g.NetConnected = 1;
        g.IsHost = 0;
        g.PeerVersion = "84";
        g.NetResume = 1;
        g.NetCode = net::RC;
        g.Pturn = pturn;
        h.net.replies = {[this] { g.NetCode = net::RS; }};
        h.log.Clear();
        cmdDeal_Click(parts);
        EXPECT_EQ(g.NetResume, 0);
        EXPECT_EQ(h.log.Contains("EnableHumanPiles 1 1-10"), pturn == 1);
        EXPECT_EQ(h.board.messages[1],
                  pturn == 1 ? "     It's still your turn.\n" : "     It's NOT your turn.\n");
    }
}

TEST_F(PanelTest, DealDuringTheAnimationOnlyAsksItToStop) {
    g.AnimationRunning = VbTrue;
    cmdDeal_Click(parts);
    EXPECT_TRUE(w.AnimationStop);
    EXPECT_TRUE(w.DealAfterAnimation);
    EXPECT_FALSE(h.log.Contains("HideDeal"));
}

}  // namespace
