#include "engine/opp_swap.h"
#include "engine_fixture.h"

namespace {

struct PlayTest : EngineFixture {
    void SetUp() override {
        Players(2, 3);
        g.Pturn = 1;
        g.MovePause = 0.5f;
        g.Opp[1].Comments[4] = "Seat1 line";
        g.CosmeticRng.set_state(3);
    }
    void Play(int slot, int pile) {
        g.PickSlot = static_cast<i16>(slot);
        g.PileSel = static_cast<i16>(pile);
        e.Player_Move();
    }
};

}  // namespace

TEST_F(PlayTest, TheLastSideCardEndsTheGameAtOnceEvenOnAFinishedPile) {
    HumanSide({12});
    OppSide(1, {3, 4, 5, 6});
    g.CurSideCount = g.Opp[1].SideCount;  // as the deal and every seat's turn leave it
    Hand({0, 0, 0, 0, 0});                // an empty hand is not refilled either
    Center(1, 11);
    RestToStock();
    const i16 stock = g.StockCount;
    Play(1, 1);
    EXPECT_EQ(g.Pturn, 0);
    EXPECT_EQ(g.CenterCount[1], 12);
    EXPECT_EQ(g.UsedCount, 0);
    EXPECT_EQ(g.StockCount, stock);
    EXPECT_EQ(h.records.profile.PlayerPrefs.GamesWon[0], 1);
    ExpectSound();
}

// The card back over the side pile's depth shapes goes when the play leaves the last card.
TEST_F(PlayTest, TheHoldImageGoesWhenOneSideCardIsLeft) {
    for (const int cards : {2, 3}) {
        Fresh();
        Players(2, 3);
        g.Pturn = 1;
        HumanSide(cards == 2 ? std::initializer_list<i16>{9, 1}
                             : std::initializer_list<i16>{9, 9, 1});
        OppSide(1, {9});
        Hand({5, 5, 5, 5, 5});
        RestToStock();
        h.log.Clear();
        Play(1, 1);
        EXPECT_EQ(g.HumanSideCount, cards - 1);
        EXPECT_EQ(h.log.Contains("HideHoldImage"), cards == 2) << cards;
    }
}

TEST_F(PlayTest, TheFifthHandCardRefillsTheHand) {
    HumanSide({9, 9});
    OppSide(1, {9});
    Hand({0, 0, 0, 0, 3});
    Center(1, 2);
    RestToStock();
    Play(6, 1);
    EXPECT_EQ(CountHand(g.HumanCards), 5);
    EXPECT_EQ(g.HandCount, 5);
    EXPECT_EQ(h.board.messages[1], "\n\nYOU Picked Up");
    EXPECT_EQ(g.Pturn, 1);
    ExpectSound();
}

TEST_F(PlayTest, KingsCountWhereTheyCameFromAndHoldPilesUncoverTheirCards) {
    HumanSide({7, 13});
    OppSide(1, {9});
    Hand({13, 4, 0, 0, 0});
    Put(g.HumanCards, 7, Card(5));
    g.HumanHoldCount[1] = 1;
    g.HumanHold[kId][1][1] = Card(6);
    g.HumanHold[kRank][1][1] = 6;
    Put(g.HumanCards, 8, Card(3));
    Center(1, 1);
    Center(2, 6);
    RestToStock();
    Play(1, 2);  // the side King stands for the Seven and uncovers a Seven: Murphy's Law
    EXPECT_EQ(g.HumanWildSide, 1);
    EXPECT_EQ(h.board.messages[1], "\nMurphy's Law strikes again!");
    Play(2, 1);
    EXPECT_EQ(g.HumanWildHand, 1);
    Play(8, 1);  // hold pile 2 had nothing beneath: it is empty now
    EXPECT_EQ(g.HumanCards[kRank][8], 0);
    EXPECT_TRUE(h.log.Contains("ShowCard 7,8 0 kind 88"));
    Play(3, 1);
    Play(7, 1);  // hold pile 1 shows the Six beneath
    EXPECT_EQ(g.HumanCards[kRank][7], 6);
    EXPECT_EQ(g.HumanHoldCount[1], 0);
    ExpectSound();
}

TEST_F(PlayTest, PlaysWaitForTheHumansTurnAndForLegalCards) {
    HumanSide({9, 5});
    OppSide(1, {9});
    Hand({4, 0, 0, 0, 0});
    Center(1, 2);
    RestToStock();
    const Game before = g;
    g.Pturn = 2;
    Play(1, 1);
    g.Pturn = 1;
    Play(2, 1);  // a Four on a Two
    g.PlayRunning = VbTrue;
    Play(1, 2);
    g.PlayRunning = VbFalse;
    EXPECT_EQ(g.CenterCount, before.CenterCount);
    EXPECT_EQ(g.HumanCards, before.HumanCards);
}

TEST_F(PlayTest, TheBlockedSeatRemarksInItsOwnWordsUnlessItIsQuiet) {
    Players(3);
    HumanSide({9, 2});
    OppSide(1, {2});
    OppSide(2, {2});
    Hand({0, 0, 0, 0, 0});
    g.HandCount = 5;  // no refill wanted here
    Center(1, 1);
    Center(2, 1);
    Center(3, 1);
    Center(4, 1);
    RestToStock();
    for (int r = 1; r <= 10; ++r) {
        g.Opp[1].Comments[r] = "Seat1 line";
        g.Opp[2].Comments[r] = "Seat2 line";
    }
    g.CompComments[1] = "Other personality";
    Play(1, 1);  // both seats waited for that Two: Opp1's remark wins
    EXPECT_EQ(h.board.messages[2], "Seat1 line");
    EXPECT_EQ(g.AvatarSwapped, VbTrue);

    Fresh();
    SetUp();
    Players(3);
    HumanSide({9, 2});
    OppSide(1, {2});
    Hand({0, 0, 0, 0, 0});
    g.HandCount = 5;
    for (int k = 1; k <= 4; ++k) Center(k, 1);
    RestToStock();
    g.Opp[1].CommentFile = "No Comments";
    g.Opp[1].Comments[1] = "Should not be shown";
    h.board.messages[2] = "";
    g.QuietComp = VbFalse;  // the working copy holds a talkative personality meanwhile
    Play(1, 1);
    EXPECT_EQ(h.board.messages[2], "");
    ExpectSound();
}

TEST_F(PlayTest, AnAceDrawsARemarkOnlyWhenItFillsTheLastEmptyCenter) {
    for (bool lastEmpty : {false, true}) {
        Fresh();
        SetUp();
        HumanSide({9, 1});
        OppSide(1, {1});
        Hand({0, 0, 0, 0, 0});
        g.HandCount = 5;
        Center(2, 3);
        if (lastEmpty) Center(3, 4);
        RestToStock();
        for (int r = 1; r <= 10; ++r) g.Opp[1].Comments[r] = "Seat1 line";
        Play(1, 1);
        EXPECT_EQ(h.board.messages[2] == "Seat1 line", lastEmpty);
    }
}

TEST_F(PlayTest, AQuietSeatShowsNoOtherPersonalitysLines) {
    HumanSide({9, 4});
    OppSide(1, {9});
    Hand({0, 4, 0, 0, 0});
    g.HandCount = 5;
    Center(1, 3);
    RestToStock();
    g.Opp[1].CommentFile = "No Comments";
    g.CompComments[33] = "Another personality's line";
    OppSwap(g, 1, false);
    OppSwap(g, 1, true);
    Play(3, 1);  // the hand Four while the side Four could have gone: no remark from a quiet seat
    EXPECT_EQ(h.board.messages[1], "");
    EXPECT_EQ(h.board.messages[2], "");
    EXPECT_FALSE(h.log.Contains("~105.tmp"));
    ExpectSound();
}

TEST_F(PlayTest, ACardPlayedWhereTheSideCardCouldGoDrawsTheOpponentsRemark) {
    struct Case {
        i16 played;  // rank of the hand card laid on a pile of three; the side top is a Four
        i16 soundMode;
        const char* line;
        bool sound;
    } cases[] = {
        {4, 0, "line33", true},
        {4, 1, "line33", false},         // the remark's sound only with every sound on
        {13, 0, "line31 line32", true},  // a wild King took the side card's value
    };
    for (const auto& c : cases) {
        Fresh();
        SetUp();
        g.SoundMode = c.soundMode;
        HumanSide({9, 4});
        OppSide(1, {9});
        Hand({0, c.played, 0, 0, 0});
        g.HandCount = 5;
        Center(1, 3);
        RestToStock();
        for (int i : {31, 32, 33}) g.Opp[1].Comments[i] = "line" + std::to_string(i);
        OppSwap(g, 1, false);
        OppSwap(g, 1, true);
        h.log.Clear();
        Play(3, 1);
        EXPECT_EQ(h.board.messages[1], c.line) << c.played;
        EXPECT_EQ(h.log.Contains("~105.tmp"), c.sound) << c.played;
        ExpectSound();
    }
}

// In an Internet game every move goes to the peers with the slot it left and where it went: a
// center pile for a play, the hold slot for the discard that ends the turn.
TEST_F(PlayTest, InAnInternetGameEachMoveIsSentWithItsFromAndTo) {
    g.NetConnected = 1;
    HumanSide({9, 9, 9});
    OppSide(1, {9});
    Hand({5, 3, 5, 5, 5});
    Center(2, 2);
    RestToStock();
    h.log.Clear();
    Play(3, 2);
    g.PickSlot = 4;
    g.DropSlot = 8;
    e.Player_EndTurn();
    std::vector<std::string> sent;
    for (const std::string& line : h.log.lines)
        if (line.rfind("Move_Transmit", 0) == 0) sent.push_back(line);
    EXPECT_EQ(sent, (std::vector<std::string>{"Move_Transmit 3,2 WT", "Move_Transmit 4,8 OK"}));
}
