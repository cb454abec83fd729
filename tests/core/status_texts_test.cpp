// The status bar's texts, the card counter's grid and the hold-cards window's contents.
#include "mainwindow/status_texts.h"

#include <gtest/gtest.h>

#include "mainwindow/hold_info.h"

namespace {

std::string TextOf(const StatusUpdate& u, int panel) {
    std::string found = "<unset>";
    for (const auto& [p, text] : u.texts)
        if (p == panel) found = text;
    return found;
}

std::string TipOf(const StatusUpdate& u, int panel) {
    std::string found = "<unset>";
    for (const auto& [p, tip] : u.tips)
        if (p == panel) found = tip;
    return found;
}

const std::array<std::string, 3> kLevels{"Level: Average", "Level: Clever", "Level: Ruthless"};

}  // namespace

TEST(StatusTexts, WildPrefixOnlyAboveTheNarrowWidth) {
    EXPECT_EQ(WildText(0, 3, 9600), " 0/ 3");
    EXPECT_EQ(WildText(0, 3, 9601), "Wild:  0/ 3");
    EXPECT_EQ(WildText(2, 11, 15360), "Wild:  2/ 11");
}

TEST(StatusTexts, WildUpdateShowsTheHumanAndThePlayerOnTurn) {
    Game g;
    g.HumanWildSide = 1, g.HumanWildHand = 2, g.CurWildSide = 3, g.CurWildHand = 0;
    const StatusUpdate u = WildStatus(g, 12000);
    EXPECT_EQ(TextOf(u, 4), "Wild:  1/ 2");
    EXPECT_EQ(TextOf(u, 8), "Wild:  3/ 0");
}

TEST(StatusTexts, ClearedForANewDealAndInTheSampleGames) {
    Game g;
    g.PlayerName = "Ada";
    g.Opp[1].Name = "Brivo";
    StatusUpdate u = ClearedStatus(g);
    for (int panel : {2, 3, 4, 6, 7, 8}) EXPECT_EQ(TextOf(u, panel), "") << panel;
    EXPECT_EQ(TextOf(u, 1), "Ada:");
    EXPECT_EQ(TextOf(u, 5), "Brivo:");
    EXPECT_EQ(TipOf(u, 4), "Ada: Side/Hand");
    EXPECT_EQ(TipOf(u, 8), " Opponent: Side/Hand");
    EXPECT_EQ(u.panel5, StatusUpdate::Sizing::Spring);

    g.SampleGamesOn = VbTrue;
    g.SampleGameNumber = 4;
    u = ClearedStatus(g);
    EXPECT_EQ(TextOf(u, 1), "Sample Game 4-  Ada");
    EXPECT_EQ(u.panel5, StatusUpdate::Sizing::Contents);
}

// The "OppName" panel steps through the opponents; each shows its own name, level, best run of
// this game and wild Kings.
TEST(StatusTexts, OpponentStatusForEachSeatOfTwoToFourPlayers) {
    Game g;
    const char* names[] = {"", "Brivo", "Tessik", "Ruun"};
    for (int k = 1; k <= 3; ++k) {
        g.Opp[k].Name = names[k];
        g.Opp[k].Level = static_cast<i16>(k - 1);
        g.Opp[k].WildSide = static_cast<i16>(k);
        g.Opp[k].WildHand = static_cast<i16>(10 * k);
        g.Opp[k].Stats[1] = {static_cast<i16>(k), 2, 0, 9, 9, 9};
    }
    struct Row {
        int players, opp;
        const char *name, *level, *run, *wild;
    };
    const Row rows[] = {
        {2, 1, "Brivo", "Level: Average", " 1- 2- 0- [ 3 ]", "Wild:  1/ 10"},
        {3, 2, "Tessik", "Level: Clever", " 2- 2- 0- [ 4 ]", "Wild:  2/ 20"},
        {4, 3, "Ruun", "Level: Ruthless", " 3- 2- 0- [ 5 ]", "Wild:  3/ 30"},
    };
    for (const Row& r : rows) {
        g.NumPlayers = static_cast<i16>(r.players);
        const StatusUpdate u = OppStatus(g, r.opp, kLevels, 15360);
        EXPECT_EQ(TextOf(u, 5), r.name);
        EXPECT_EQ(TipOf(u, 5), r.level);
        EXPECT_EQ(TextOf(u, 6), "");
        EXPECT_EQ(TextOf(u, 7), r.run);
        EXPECT_EQ(TextOf(u, 8), r.wild);
        EXPECT_EQ(TipOf(u, 8), std::string(r.name) + ": Side/Hand");
    }
    // An Internet opponent has no level to tell; a seat out of range changes nothing.
    g.NetConnected = 1;
    EXPECT_EQ(TipOf(OppStatus(g, 1, kLevels, 9600), 5), "<unset>");
    EXPECT_EQ(TextOf(OppStatus(g, 1, kLevels, 9600), 8), " 1/ 10");
    EXPECT_TRUE(OppStatus(g, 4, kLevels, 15360).texts.empty());
}

TEST(StatusTexts, StockAndUsedCounts) {
    Game g;
    g.StockCount = 37, g.UsedCount = 0;
    EXPECT_EQ(StockCountText(g), "STOCK:  37");
    EXPECT_EQ(UsedCountText(g), "USED:  0");
}

TEST(CounterGrid, OneLinePerSuitWithTheTenthColumnWider) {
    Game g;
    g.NumPlayers = 2, g.NumCards = 104;
    g.Deck[2][1] = 1;   // Ace of the first suit
    g.Deck[2][10] = 1;  // its Ten
    g.Deck[2][14] = 1;  // Ace of the second suit
    const std::string grid = CounterGrid(g);
    const std::string first = " 1  _  _  _  _  _  _  _  _  1   _  _  _ \n ";
    const std::string second = " 1  _  _  _  _  _  _  _  _  _   _  _  _ \n ";
    EXPECT_EQ(grid.substr(0, first.size()), first);
    EXPECT_EQ(grid.substr(first.size(), second.size()), second);
    size_t lines = 0;
    for (char c : grid) lines += c == '\n';
    EXPECT_EQ(lines, 8u);  // two decks of four suits
    g.NumCards = 208;
    lines = 0;
    for (char c : CounterGrid(g)) lines += c == '\n';
    EXPECT_EQ(lines, 16u);
}

TEST(HoldInfo, AnOpponentsHoldPileShowsTheTenCardsNearestItsTop) {
    HoldPiles hold{};
    HoldInfo info{};
    info[2][1] = 15;  // 14 under the top
    for (int i = 1; i <= 15; ++i) hold[kId][2][i] = static_cast<i16>(100 + i);
    const HoldView v = OppHoldView(hold, info, 8, "Brivo");
    EXPECT_EQ(v.caption, " Brivo's Hold Cards Hidden: 14 ");
    EXPECT_EQ(v.cards[1], 114);
    EXPECT_EQ(v.cards[10], 105);
    EXPECT_EQ(v.cards[0], 0);
}

TEST(HoldInfo, EmptyAndShortPilesLeaveTheOtherBoxesEmpty) {
    Game g;
    HoldView v = HumanHoldView(g, 7);
    EXPECT_EQ(v.caption, " Hold Cards Hidden: 0 ");
    for (int box = 1; box <= 10; ++box) EXPECT_EQ(v.cards[box], 0);

    g.HumanHoldCount[4] = 2;
    g.HumanHold[kId][4][1] = 7, g.HumanHold[kId][4][2] = 8;
    v = HumanHoldView(g, 10);
    EXPECT_EQ(v.caption, " Hold Cards Hidden: 2 ");
    EXPECT_EQ(v.cards[1], 8);
    EXPECT_EQ(v.cards[2], 7);
    EXPECT_EQ(v.cards[3], 0);

    g.StockCount = 3;
    g.Deck[kId][1] = 21, g.Deck[kId][2] = 22, g.Deck[kId][3] = 23;
    v = StockView(g);
    EXPECT_EQ(v.caption, " Stock Cards Hidden: 3 ");
    EXPECT_EQ(v.cards[1], 23);
    EXPECT_EQ(v.cards[3], 21);

    SidePile side{};
    side[kId][1] = 31, side[kId][2] = 32;
    v = SideView(side, 2);  // only the bottom card is hidden
    EXPECT_EQ(v.caption, " Side Cards Hidden: 1 ");
    EXPECT_EQ(v.cards[1], 31);
    EXPECT_EQ(v.cards[2], 0);
    EXPECT_EQ(SideView(side, 0).caption, " Side Cards Hidden: 0 ");
}

TEST(HoldInfo, PileInfoOfAnOpponentRow) {
    Game g;
    g.Opp[2].Name = "Tessik";
    g.Opp[2].SideCount = 12;
    g.HumanSideCount = 5, g.CurSideCount = 9;
    // During play the side pile's count goes to the message line.
    PileInfoAnswer a = ShowPileInfo(g, 2, 1);
    EXPECT_EQ(a.kind, PileInfoAnswer::Kind::Message);
    EXPECT_EQ(a.message, "Tessik SIDE :  12");
    // On turn, the working copy is the live one.
    g.Pturn = 3, g.WorkingOpp = 2;
    EXPECT_EQ(ShowPileInfo(g, 2, 1).message, "Tessik SIDE :  9");
    // In developer mode, and once a side pile is empty, the hidden side cards are shown.
    g.DevMode = VbTrue;
    a = ShowPileInfo(g, 2, 1);
    EXPECT_EQ(a.kind, PileInfoAnswer::Kind::Window);
    EXPECT_EQ(a.view.caption, " Side Cards Hidden: 8 ");
    g.DevMode = VbFalse, g.HumanSideCount = 0;
    EXPECT_EQ(ShowPileInfo(g, 2, 1).kind, PileInfoAnswer::Kind::Window);
    // Hold piles always open the window; hand boxes tell nothing.
    g.HoldPileInfo[1][1] = 3;
    a = ShowPileInfo(g, 2, 7);
    EXPECT_EQ(a.kind, PileInfoAnswer::Kind::Window);
    EXPECT_EQ(a.view.caption, " Tessik's Hold Cards Hidden: 2 ");
    g.Pturn = 1, g.WorkingOpp = 0;
    EXPECT_EQ(ShowPileInfo(g, 2, 7).view.caption, " Tessik's Hold Cards Hidden: 0 ");
    EXPECT_EQ(ShowPileInfo(g, 2, 4).kind, PileInfoAnswer::Kind::Nothing);
}
