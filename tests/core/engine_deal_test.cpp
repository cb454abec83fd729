#include <set>

#include "engine_fixture.h"
#include "platform/vb_strings.h"

namespace {

struct DealTest : EngineFixture {
    // The stock as the set-up shuffles it, from a copy of the generator.
    CardState ShuffledCopy() {
        CardState s;
        VbRandom rng = g.Rng;
        for (i16 i = 1; i <= g.NumCards; ++i) s.Deck[kId][i] = i, s.Deck[kRank][i] = RankOf(i);
        if (g.ShuffleSeparately) {
            for (int d = 1; d <= g.NumPlayers; ++d)
                Shuffle(s, rng, 52 * (d - 1) + 1, 52 * d, 52, 52 * (d - 1));
        } else {
            Shuffle(s, rng, 1, g.NumCards, g.NumCards);
        }
        return s;
    }
};

}  // namespace

TEST_F(DealTest, SidePilesComeFromTheTopOfTheStockInTurn) {
    struct Case {
        int players;
        i16 sidePileSize;
        bool separately;
        i16 stockAfter;
    } cases[] = {{2, 19, false, 64}, {2, 19, true, 64}, {4, 25, false, 104}, {3, 9, true, 126}};
    for (const auto& c : cases) {
        Players(c.players);
        g.SidePileSize = c.sidePileSize;
        g.ShuffleSeparately = VbBool(c.separately);
        e.Reset_Table();
        const CardState s = ShuffledCopy();
        e.SetUp();
        EXPECT_EQ(g.StockCount, c.stockAfter);
        const int n = c.players, size = c.sidePileSize + 1;
        for (int pass = 1; pass <= size; ++pass) {
            const int pos = g.NumCards - (pass - 1) * n;
            EXPECT_EQ(g.HumanSide[kId][pass], s.Deck[kId][pos]);
            for (int k = 1; k < n; ++k) EXPECT_EQ(g.Opp[k].Side[kId][pass], s.Deck[kId][pos - k]);
        }
        EXPECT_EQ(g.HumanCards[kId][1], s.Deck[kId][g.NumCards - (size - 1) * n]);
        for (int i = 1; i <= g.StockCount; ++i) EXPECT_EQ(g.Deck[kId][i], s.Deck[kId][i]);
        for (int i = g.StockCount + 1; i <= g.NumCards; ++i) EXPECT_EQ(g.Deck[kId][i], 0);
        if (c.separately && n == 2) {  // both side piles from the second deck
            for (int i = 1; i <= size; ++i) EXPECT_GT(g.HumanSide[kId][i], 52);
        }
        EXPECT_EQ(g.NewDeal, 1);
        EXPECT_EQ(g.NoMissCheck, 2);
        ExpectSound();
    }
}

TEST_F(DealTest, TheHighestSideTopGoesFirstAndTiesAreDrawn) {
    struct Case {
        std::vector<i16> tops;  // players 1..n
        std::set<int> first;
        i16 ties;
    } cases[] = {
        {{13, 12}, {1}, 0},
        {{12, 13}, {2}, 0},
        {{13, 13}, {1, 2}, 2},
        {{5, 9, 9}, {2, 3}, 2},
        {{7, 7, 7, 7}, {1, 2, 3, 4}, 4},
        {{2, 11, 4, 10}, {2}, 0},
    };
    for (const auto& c : cases) {
        std::set<int> seen;
        for (int seed = 0; seed < 200; ++seed) {
            Players(static_cast<int>(c.tops.size()));
            g.HumanCards = {};
            for (auto& o : g.Opp) o.Cards = {};
            g.HumanCards[kRank][1] = c.tops[0];
            for (size_t k = 1; k < c.tops.size(); ++k) g.Opp[k].Cards[kRank][1] = c.tops[k];
            g.Rng.Randomize(seed);
            e.ChooseFirstPlayer();
            EXPECT_EQ(g.TieCount, c.ties);
            seen.insert(g.Pturn);
        }
        EXPECT_EQ(seen, c.first) << "tops starting " << c.tops[0];
    }
}

TEST_F(DealTest, TurnOrderFollowsThePlayerNumbersFromTheFirst) {
    Players(4);
    g.Pturn = 3;
    e.WhosOnFirst();
    EXPECT_EQ((std::array<i16, 5>{0, 3, 4, 1, 2}), g.TurnOrder);
    EXPECT_EQ(g.TurnPos, 1);
    EXPECT_EQ(g.Pturn, 3);
}

TEST_F(DealTest, GoDealDealsFiveEachAndAnnouncesTheFirstPlayer) {
    Players(2);
    int computerTurns = 0;
    h.turns.run = [&] { ++computerTurns; };
    e.Reset_Table();
    e.SetUp();
    const i16 stock = g.StockCount;
    e.GoDeal();
    EXPECT_EQ(g.StockCount, stock - 10);
    EXPECT_EQ(CountHand(g.HumanCards), 5);
    EXPECT_EQ(CountHand(g.Opp[1].Cards), 5);
    EXPECT_EQ(g.MoveCounter, 1);
    EXPECT_FALSE(g.ComputerBusy);
    EXPECT_TRUE(h.log.Contains("AutoSave"));
    if (g.Pturn == 1) {
        EXPECT_EQ(h.board.messages[2], "\n\nYOU go first");
        EXPECT_EQ(computerTurns, 0);
    } else {
        EXPECT_EQ(computerTurns, 1);
        if (g.TieCount == 0) {
            EXPECT_EQ(h.board.messages[2], "My" + Str(g.Opp[1].Cards[kRank][1]) + " beats\nyour" +
                                               Str(g.HumanCards[kRank][1]) + "\nSo I go FIRST!");
        }
    }
    ExpectSound();
}

TEST_F(DealTest, AnEmptyTableDealsNothing) {
    Players(2);
    e.Reset_Table();
    e.GoDeal();  // the set-up ended early: nothing was dealt
    EXPECT_EQ(CountHand(g.HumanCards), 0);
    EXPECT_FALSE(g.ComputerBusy);
}

TEST_F(DealTest, ATableOutsideTheGamesLimitsIsRefusedAloud) {
    struct Case {
        int players, centers;
        i16 sidePileSize;
        bool dealt;
        const char* told;  // the refusal's text; empty when dealt
    } cases[] = {
        {5, 4, 19, false, "A game is played by 2 to 4 players.\nThe cards were not dealt."},
        {3, 3, 19, false,
         "4 Center Piles are required for more than 2 players\nThe cards were not dealt."},
        {2, 5, 19, false, "A game is played on 3 or 4 center piles.\nThe cards were not dealt."},
        {1, 4, 19, false, "A game is played by 2 to 4 players.\nThe cards were not dealt."},
        {2, 4, 40, true, ""},
    };
    for (const auto& c : cases) {
        Fresh();
        Players(c.players, c.centers);
        g.SidePileSize = c.sidePileSize;
        h.dialogs.lastText.clear();
        e.SetUp();
        e.GoDeal();
        EXPECT_EQ(g.HumanSideCount != 0, c.dealt) << c.players << " players";
        EXPECT_EQ(h.dialogs.lastText, c.told) << c.players << " players";
        EXPECT_FALSE(g.ComputerBusy);
        if (c.dealt) {
            EXPECT_EQ(g.SidePileSize, 19);  // an impossible size falls back to the default
            ExpectSound();
        }
    }
}

TEST_F(DealTest, TheFirstPlayerIsAnnouncedInTheOpponentsVoice) {
    struct Case {
        int players;
        i16 first, ties, soundMode;
        const char* line1;
        const char* line2;
        int tieSounds;  // the toss sound: always at the tie, the winner's only with sound on
    } cases[] = {
        {2, 2, 2, 0, "It was a tie...\nWe flipped for it.",
         "Seat1 won the toss --\nSo Seat1 goes FIRST!", 2},
        {2, 2, 2, 2, "It was a tie...\nWe flipped for it.",
         "Seat1 won the toss --\nSo Seat1 goes FIRST!", 1},
        {3, 3, 0, 0, " ", "Seat2 has the highest card.\nSeat2 goes FIRST!", 0},
        {4, 1, 3, 2, "It was a tie...\nWe flipped for it.", "\n\nYOU go first", 1},
    };
    for (const auto& c : cases) {
        Fresh();
        Players(c.players);
        g.SoundMode = c.soundMode;
        e.Reset_Table();
        e.SetUp();
        g.Pturn = c.first;
        g.TieCount = c.ties;
        h.log.Clear();
        e.GoDeal();
        EXPECT_EQ(h.board.messages[1], c.line1);
        EXPECT_EQ(h.board.messages[2], c.line2);
        int tossSounds = 0;
        for (const auto& l : h.log.lines)
            if (l.find("~123.tmp") != std::string::npos) ++tossSounds;
        EXPECT_EQ(tossSounds, c.tieSounds) << c.players << " players, sound " << c.soundMode;
        ExpectSound();
    }
}
