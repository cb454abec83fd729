// The computer's turn as a whole: what it does with a wild payoff card it cannot place, how a
// stalemate given up in the middle of a plan ends it, the discard's corrections, the blocking
// remarks, the end-of-turn hand-over, the forced cards played before the discard, and the
// guards against a second turn or a new game started from inside one.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string_view>

#include "computer/turn_watcher.h"
#include "computer_fixture.h"
#include "engine/engine.h"

using computer_test::IdOf;
using computer_test::Table;

namespace {

// A two-player table whose computer seat can play a whole turn: the seat was just dealt its
// hand (no refill), the human holds a full hand, and the turn goes back to the human.
struct TurnTable : Table {
    TurnTable() {
        g.TurnOrder = {0, 1, 2, 3, 4};
        g.TurnPos = 2;
        g.NewDeal = 1;
        g.NoMissCheck = 2;
        g.CurName = g.Opp[1].Name = "Brivo";
        g.QuietComp = VbTrue;
        g.SoundMode = 2;
    }
    int HoldTotal() const {
        int n = 0;
        for (int p = 1; p <= 4; ++p) n += g.HoldPileInfo[p][1];
        return n;
    }
    // Pile p holds n cards of value 9 (the record too: the end of the turn stores it back).
    void FullPile(int p, int n) { Hold(p, std::vector<i16>(static_cast<size_t>(n), 9)); }
    // The stock, bottom card first.
    void Stock(std::initializer_list<i16> values) {
        g.StockCount = 0;
        for (i16 v : values) {
            ++g.StockCount;
            g.Deck[kId][g.StockCount] = IdOf(v, 3);
            g.Deck[kRank][g.StockCount] = v;
        }
    }
    // Writes the card of hand slot `slot` onto hold pile `pile`, as the end of the turn does.
    void RecordDiscard(i16 slot, i16 pile) {
        g.PileSel = slot;
        cp.st.DropPile = pile;
        cp.RecordDiscard();
    }
};

}  // namespace

TEST(ComputerTurn, AWildPayoffCardWithNoCenterToGoOnStaysAndTheTurnPlansAndDiscards) {
    TurnTable t;
    t.g.NoWildAce = VbTrue;
    t.Centers({0, 0, 0, 0});
    t.Payoff(kKing);
    t.HumanPayoff(6);
    t.Hand({9, 7, 5});
    t.cp.Computer();
    EXPECT_EQ(t.g.CurSideCount, 10);
    EXPECT_EQ(t.g.Opp[1].Cards[kRank][kSideSlot], kKing);
    EXPECT_EQ(t.g.Opp[1].SideCount, 10);
    EXPECT_EQ(t.g.Pturn, 1);
    EXPECT_EQ(t.HoldTotal(), 1);
}

// The plan empties the hand, the stock is gone and the player gives the game up: the turn ends
// there, without a discard or a hand-over.
TEST(ComputerTurn, AStalemateGivenUpInAPlanEndsTheTurnAtOnce) {
    TurnTable t;
    t.Centers({4, 1, 2, 3});
    t.Payoff(9);
    t.HumanPayoff(11);
    t.Hand({5});
    t.g.StockCount = 0;
    t.g.UsedCount = 0;
    t.h.dialogs.answers.push_back(mb::No);
    t.cp.Computer();
    EXPECT_EQ(t.h.dialogs.lastTitle, "Stalemate");
    EXPECT_EQ(t.g.CenterCount[1], 5);
    EXPECT_EQ(t.HoldTotal(), 0);
    EXPECT_EQ(t.g.Pturn, 0);
    EXPECT_FALSE(t.h.log.Contains("My Turn is over"));
}

TEST(ComputerTurn, AFullHoldPileGivesWayToThePileWithRoom) {
    struct Case {
        std::array<int, 4> counts;
        i16 chosen;
        i16 expected;  // 0: no pile has room
    };
    const Case cases[] = {
        {{29, 10, 10, 10}, 1, 1},  // 29 cards still take one more
        {{30, 10, 28, 10}, 1, 2},  // the next pile with at most 28
        {{10, 29, 30, 28}, 3, 4},  // wrapping from pile 3
        {{30, 29, 30, 29}, 1, 2},  // only 29s left: the fewest cards below 30
        {{30, 30, 29, 30}, 4, 3}, {{30, 30, 30, 30}, 2, 0},
    };
    for (const Case& c : cases) {
        TurnTable t;
        t.Hand({9, 7});
        for (int p = 1; p <= 4; ++p) t.FullPile(p, c.counts[static_cast<size_t>(p - 1)]);
        t.g.PileSel = 2;
        t.cp.st.DropPile = c.chosen;
        t.cp.CorrectDiscard();
        EXPECT_EQ(t.cp.st.DropPile, c.expected) << "chosen " << c.chosen;
    }
}

TEST(ComputerTurn, ADiscardOutsideTheHandOrThePilesIsCorrectedWithBeeps) {
    TurnTable t;
    t.Hand({9, 7});
    t.cp.st.FallbackSlot = 3;
    t.g.PileSel = 8;
    t.cp.st.DropPile = 0;
    t.cp.CorrectDiscard();
    EXPECT_EQ(t.cp.st.DropPile, 1);
    EXPECT_EQ(t.g.PileSel, 3);
    EXPECT_EQ(std::count(t.h.log.lines.begin(), t.h.log.lines.end(), "Beep"), 5);

    // An emptied slot is never discarded: the first card of the hand goes instead.
    t.g.PileSel = 5;
    t.cp.CorrectDiscard();
    EXPECT_EQ(t.g.PileSel, 2);
}

TEST(ComputerTurn, WithEveryHoldPileFullTheSeatKeepsItsCardAndHandsOn) {
    TurnTable t;
    t.Centers({0, 0, 0, 0});
    t.Payoff(9);
    t.HumanPayoff(6);
    t.Hand({11, 8, 7});
    for (int p = 1; p <= 4; ++p) t.FullPile(p, 30);
    t.cp.Computer();
    EXPECT_EQ(t.g.Pturn, 1);
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(t.g.Opp[1].HoldPileInfo[p][1], 30);
    EXPECT_EQ(CountHand(t.g.Opp[1].Cards), 3);

    // Told to write onto a full pile anyway, the discard writes nothing.
    TurnTable u;
    u.Hand({11});
    u.FullPile(2, 30);
    u.RecordDiscard(2, 2);
    EXPECT_EQ(u.cp.st.DropPile, 0);
    EXPECT_EQ(u.g.HoldPileInfo[2][1], 30);
}

TEST(ComputerTurn, TheEndOfTurnCaptionAndTheHumansRefill) {
    struct Case {
        int players;
        i16 noMissCheck;
        const char* caption;
        bool refilled;
    };
    const Case cases[] = {
        {2, 0, "I'll drop a card now...\n     My Turn is over.", true},
        {2, 2, "I'll drop a card now...\n     My Turn is over.", false},
        {3, 0, "Brivo will drop\n a card now...\nBrivo's turn is over.", false},
    };
    for (const Case& c : cases) {
        TurnTable t;
        t.g.NumPlayers = static_cast<i16>(c.players);
        t.g.NoMissCheck = c.noMissCheck;
        t.Hand({9, 7});
        t.g.HumanCards[kRank][2] = 4;
        t.g.HumanCards[kId][2] = IdOf(4);
        t.Stock({1, 2, 3, 4, 5, 6, 7, 8});
        t.RecordDiscard(2, 1);
        t.cp.Move_End_Turn(PileRow::Opp1);
        EXPECT_TRUE(t.h.log.Contains(std::string("Label9(1) ") + c.caption));
        EXPECT_EQ(t.g.Pturn, c.players == 2 ? 1 : 3);
        EXPECT_EQ(t.g.Opp[1].Cards[kRank][7], 9);
        EXPECT_EQ(t.g.Opp[1].HoldPileInfo[1][1], 1);
        EXPECT_EQ(CountHand(t.g.HumanCards), c.refilled ? 5 : 1) << c.players << c.noMissCheck;
        EXPECT_EQ(t.g.NoMissCheck, 0);
    }
}

// Online the player's own machine confirms the end of its turn; the host of three or four
// passes the word on and waits for the others. A lost connection stops before the hand-over.
TEST(ComputerTurn, OnlineTheEndOfTurnWaitsForTheMachinesToAgree) {
    struct Case {
        i16 isHost;
        i16 answer;
        std::vector<std::pair<int, std::string>> sent;
        i16 nextPturn;
    };
    const Case cases[] = {
        {1, net::OK, {{-2, "OK"}, {2, "OK"}}, 3},
        {0, net::OK, {{2, "OK"}}, 3},
        {1, net::GO, {}, 2},
    };
    for (const Case& c : cases) {
        TurnTable t;
        t.g.NumPlayers = 3;
        t.g.NetConnected = 2;
        t.g.IsHost = c.isHost;
        t.g.CompLevel = 2;  // online: the socket of the player on turn
        t.Hand({9, 7});
        t.RecordDiscard(2, 1);
        t.h.net.replies.push_back([&t, &c] { t.g.NetCode = c.answer; });
        t.h.net.replies.push_back([&t] { t.g.NetAnswers = 2; });
        t.cp.Move_End_Turn(PileRow::Opp1);
        EXPECT_EQ(t.h.net.sent, c.sent) << "host " << c.isHost;
        EXPECT_EQ(t.g.Pturn, c.nextPturn);
        EXPECT_TRUE(t.h.log.Contains("Label9(1) Brivo's turn is over..."));
    }
}

// Online the human's refill at the start of the turn may wait on the host (here for its
// reshuffled stock): meanwhile no pile of the human's can be picked up, the side pile neither,
// for a play sent then would wait on machines that wait on this one.
TEST(ComputerTurn, OnlineTheHumansPilesStayStillWhileTheTurnsRefillWaits) {
    TurnTable t;
    t.g.NetConnected = 1;
    t.g.IsHost = 0;
    t.g.NoMissCheck = 0;
    t.Hand({9, 7});
    t.RecordDiscard(2, 1);
    t.g.HumanCards[kRank][1] = 1;  // an ace on the side pile would fit an empty center
    t.g.StockCount = 0;
    t.g.UsedCount = 1;
    t.g.UsedPile[kId][1] = IdOf(5);
    t.g.UsedPile[kRank][1] = 5;
    // The last switch of the piles' state that took in the side pile (slot 1).
    auto sideEnabled = [&t] {
        for (auto l = t.h.log.lines.rbegin(); l != t.h.log.lines.rend(); ++l) {
            int on = 0, from = 0, to = 0;
            if (std::sscanf(l->c_str(), "EnableHumanPiles %d %d-%d", &on, &from, &to) == 3 &&
                from <= 1 && to >= 1)
                return on == 1;
        }
        return true;
    };
    bool freeWhileWaiting = true;
    int waits = 0;
    t.h.net.replies.push_back([&t] { t.g.NetCode = net::OK; });
    t.h.net.replies.push_back([&] {
        ++waits;
        freeWhileWaiting = sideEnabled();
        t.g.NetCode = net::GO;
    });
    t.cp.Move_End_Turn(PileRow::Opp1);
    EXPECT_EQ(t.g.Pturn, 1);
    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(freeWhileWaiting);
}

namespace {
// Runs `command` from inside the `at`-th pause, as a menu command chosen then does.
class CommandPump : public EventPump {
  public:
    CommandPump(ManualClock& clock, int at, std::function<void()> command)
        : clock_(clock), at_(at), command_(std::move(command)) {}
    void Pump(bool, double wait) override {
        clock_.Advance(wait);
        if (++calls_ == at_) command_();
    }

  private:
    ManualClock& clock_;
    int at_;
    std::function<void()> command_;
    int calls_ = 0;
};
}  // namespace

// Online the Internet game ended, or given anew (its new table's lines handled since, so that
// no break code is left), during the hand-over's pauses (after the machines agreed the turn was
// over) begins no turn of the human's: no refill, no freed piles.
TEST(ComputerTurn, OnlineAGameEndedOrGivenAnewDuringTheHandOverBeginsNoTurnOfTheHumans) {
    struct Case {
        const char* what;
        std::function<void(Game&)> command;
    } cases[] = {
        {"ended", [](Game& g) { g.NetConnected = 0; }},
        {"given anew",
         [](Game& g) {
             ++g.NetTable;
             g.NetCode = net::RC;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TurnTable t;
        t.g.NetConnected = 1;
        t.g.IsHost = 0;
        t.g.NoMissCheck = 0;
        t.g.MovePause = 0.5;
        t.Hand({9, 7});
        t.RecordDiscard(2, 1);
        t.Stock({1, 2, 3, 4, 5, 6, 7, 8});
        ManualClock clock;
        // The first pause comes before the machines agree.
        CommandPump pump(clock, 2, [&] { c.command(t.g); });
        const i16 flip = VbFalse;
        Pauser pauser(clock, pump, t.g.StopFlag, flip);
        t.h.services.pauser = &pauser;
        t.h.net.replies.push_back([&t] { t.g.NetCode = net::OK; });
        t.cp.Move_End_Turn(PileRow::Opp1);
        EXPECT_EQ(t.g.Pturn, 1);
        EXPECT_EQ(t.g.StockCount, 8);
        EXPECT_FALSE(t.h.log.Contains("It's your turn"));
        EXPECT_FALSE(t.h.log.Contains("EnableHumanPiles 1"));
    }
}

// A plan that empties the hand refills it at once and gives the turn a new pass; a plan that
// ends with the wild payoff card plays every step before it and leaves that card to the turn.
TEST(ComputerTurn, PlayingAPlanRefillsAnEmptiedHandAndLeavesThePayoffCardToTheTurn) {
    TurnTable t;
    t.Centers({2, 0, 0, 0});
    t.Payoff(9);
    t.HumanPayoff(11);
    t.Hand({3, 4, 5});
    t.Stock({7, 8, 9, 10, 11, 12});
    t.Plan(1, {2, 3, 4});
    t.cp.Comp_Play();
    EXPECT_EQ(t.g.CenterCount[1], 5);
    EXPECT_EQ(t.g.HandCount, 5);
    EXPECT_EQ(CountHand(t.g.CurCards), 5);
    EXPECT_EQ(t.cp.st.PayoffChoice, 88);
    EXPECT_TRUE(t.cp.st.Refilled);
    EXPECT_EQ(t.Steps(1), 0);

    TurnTable w;
    w.Centers({2, 0, 0, 0});
    w.Payoff(kKing);
    w.HumanPayoff(11);
    w.Hand({3, 4, 9});
    w.Plan(1, {2, 3, 1});
    w.cp.Comp_Play();
    EXPECT_EQ(w.g.CenterCount[1], 4);
    EXPECT_EQ(w.g.CurCards[kRank][kSideSlot], kKing);
    EXPECT_EQ(w.cp.st.PlanSlot[1][w.cp.st.StepSlot], kSideSlot);
}

// The forced-card rules bind a seat as they bind the human: whatever the seat planned, it never
// discards while an Ace or a Two it must play is left, and the forced card goes to the center.
TEST(ComputerTurn, ASeatPlaysItsForcedCardBeforeItDiscards) {
    struct Case {
        const char* name;
        i16 rule;
        std::initializer_list<i16> centers, hand;
        std::vector<i16> pile1;  // the seat's first hold pile
        i16 payoff, humanPayoff;
        int center;   // where the forced card goes
        i16 reaches;  // that center's value after the turn
    } cases[] = {
        // A Ruthless block plan on the human's center plays nothing; a Two in hand is owed.
        {"block plan first", 3, {1, 0, 0, 0}, {kKing, 12, 7, 2, 2}, {}, 9, 7, 1, 2},
        // The Ace chosen for a pile of Aces is kept back under the visible-cards rule and gives
        // way to the highest card, a Two that must go onto the center standing at Ace.
        {"Ace kept, Two owed", 7, {1, 3, 4, 5}, {2, 1}, {1}, 9, 3, 1, 2},
    };
    struct OwedAtDiscard : TurnWatcher {
        explicit OwedAtDiscard(const Game& g) : g(g) {}
        void SeatTurnStarted(int) override {}
        void SeatTurnEnded(int) override {}
        void Step(const char* what) override {
            if (std::string_view(what) == "discard") owed = ForcedCardOwed(g, g.CurCards, 0);
        }
        const Game& g;
        i16 owed = -1;
    };
    for (const Case& c : cases) {
        TurnTable t;
        t.g.CompLevel = t.g.Opp[1].Level = 2;
        t.g.ForcedCards = c.rule;
        t.Centers(c.centers);
        t.Payoff(c.payoff);
        t.HumanPayoff(c.humanPayoff);
        t.g.NoWildAce = VbTrue;
        t.Hand(c.hand);
        t.Hold(1, c.pile1);
        OwedAtDiscard watch(t.g);
        t.cp.watcher = &watch;
        t.cp.Computer();
        EXPECT_EQ(watch.owed, 0) << c.name;
        EXPECT_EQ(t.g.CenterCount[c.center], c.reaches) << c.name;
        EXPECT_EQ(t.g.Pturn, 1) << c.name;
    }
}

// A seat's turn starts with its hand filled up to five from the top of the stock, the empty
// slots in slot order and the cards it kept where they lie, whatever the hand held before.
TEST(ComputerTurn, TheTurnStartsWithTheHandRefilledToFiveFromTheStocksTop) {
    struct HandAtRefill : TurnWatcher {
        explicit HandAtRefill(const Game& g) : g(g) {}
        void SeatTurnStarted(int) override {}
        void SeatTurnEnded(int) override {}
        void Step(const char* what) override {
            if (std::string_view(what) != "refill" || !hand.empty()) return;
            for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s)
                hand.push_back(g.CurCards[kRank][s]);
            stock = g.StockCount;
            count = g.HandCount;
        }
        const Game& g;
        std::vector<i16> hand;
        int stock = -1, count = -1;
    };
    const struct {
        const char* before;  // slots 2-6: Q a Queen kept from the last turn, . empty
        std::vector<i16> after;
        int stockLeft;
    } cases[] = {
        {".....", {10, 9, 8, 7, 6}, 5},     {"Q....", {12, 10, 9, 8, 7}, 6},
        {"QQ...", {12, 12, 10, 9, 8}, 7},   {"QQQ..", {12, 12, 12, 10, 9}, 8},
        {"QQQQ.", {12, 12, 12, 12, 10}, 9}, {"QQQQQ", {12, 12, 12, 12, 12}, 10},
        {".Q.Q.", {10, 12, 9, 12, 8}, 7},
    };
    for (const auto& c : cases) {
        TurnTable t;
        t.g.NewDeal = 0;
        t.Centers({11, 11, 11, 11});
        t.Payoff(11);
        t.HumanPayoff(11);
        t.Hand({});
        int kept = 0;
        for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s)
            if (c.before[s - kFirstHandSlot] == 'Q') {
                Table::Put(t.g.CurCards, s, 12, s);
                ++kept;
            }
        t.g.HandCount = static_cast<i16>(kept);
        t.Stock({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
        HandAtRefill watch(t.g);
        t.cp.watcher = &watch;
        t.cp.Computer();
        EXPECT_EQ(watch.hand, c.after) << c.before;
        EXPECT_EQ(watch.stock, c.stockLeft) << c.before;
        EXPECT_EQ(watch.count, 5) << c.before;
    }
}
