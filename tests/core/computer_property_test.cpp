// Every decision of the computer on many positions dealt from seeded decks: each call ends, its
// results stay within their ranges, and every plan it accepts plays card by card.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "computer_fixture.h"
#include "engine/conservation.h"
#include "engine/opp_swap.h"

namespace {

// Deals a position: centers built in sequence, side piles, hands and hold piles (some of them
// descending runs), the computer seat on turn loaded into the working copy.
class Dealer {
  public:
    Dealer(Game& g, std::uint32_t seed) : g_(g) { rng_.set_state(seed * 7919u + 12345u); }

    void Deal() {
        g_.NumPlayers = static_cast<i16>(2 + R(3));
        g_.NumCards = static_cast<i16>(52 * g_.NumPlayers);
        g_.NumCenters = static_cast<i16>(g_.NumPlayers > 2 ? 4 : 3 + R(2));
        g_.NoWildAce = R(2) ? VbTrue : VbFalse;
        const i16 rules[] = {0, 0, 1, 2, 3, 5, 6, 7};
        g_.ForcedCards = rules[R(8)];
        for (int i = 1; i <= g_.NumCards; ++i) {
            g_.Deck[kId][i] = static_cast<i16>(i);
            g_.Deck[kRank][i] = RankOf(static_cast<i16>(i));
        }
        g_.StockCount = g_.NumCards;
        Shuffle(g_, rng_, 1, g_.NumCards, g_.NumCards);
        for (int k = 1; k <= g_.NumCenters; ++k) DealCenter(k);
        DealHuman();
        for (int k = 1; k < g_.NumPlayers; ++k) DealOpponent(g_.Opp[k]);
        g_.Pturn = static_cast<i16>(2 + R(g_.NumPlayers - 1));
        OppSwap(g_, g_.Pturn - 1, false);
        ShortenHand(static_cast<i16>(1 + R(5)));
    }

    int R(int n) { return rng_.Draw1To(n) - 1; }

  private:
    i16 Take() { return g_.StockCount > 0 ? g_.Deck[kId][g_.StockCount--] : i16{0}; }

    i16 TakeRank(i16 rank) {
        for (int i = g_.StockCount; i >= 1; --i) {
            if (g_.Deck[kRank][i] != rank) continue;
            std::swap(g_.Deck[kId][i], g_.Deck[kId][g_.StockCount]);
            std::swap(g_.Deck[kRank][i], g_.Deck[kRank][g_.StockCount]);
            return Take();
        }
        return Take();
    }

    void DealCenter(int k) {
        int v = R(12);
        for (int n = 1; n <= v; ++n) {
            i16 id = TakeRank(R(8) == 0 ? kKing : static_cast<i16>(n));
            i16 rank = RankOf(id);
            if (id == 0 || (rank != n && rank != kKing)) {
                PutBack(id);
                break;
            }
            g_.Center[kId][k][n] = id;
            g_.Center[kRank][k][n] = rank;
            g_.CenterCount[k] = static_cast<i16>(n);
        }
    }

    void PutBack(i16 id) {
        if (id == 0) return;
        ++g_.StockCount;
        g_.Deck[kId][g_.StockCount] = id;
        g_.Deck[kRank][g_.StockCount] = RankOf(id);
    }

    // A hold pile, bottom first: a descending run now and then, else cards as they come.
    std::vector<i16> HoldPile(int maxCards) {
        std::vector<i16> ids;
        int n = R(maxCards + 1);
        bool run = R(3) == 0;
        i16 start = static_cast<i16>(1 + R(12));
        for (int i = 0; i < n; ++i) {
            i16 want = static_cast<i16>(start - i);
            i16 id = run && want >= 1 ? TakeRank(want) : (R(6) == 0 ? TakeRank(kKing) : Take());
            if (id == 0) break;
            ids.push_back(id);
        }
        return ids;
    }

    void DealSide(SidePile& side, i16& count, PorC& cards, bool wildTop) {
        count = static_cast<i16>(1 + R(20));
        for (int i = 1; i <= count; ++i) {
            i16 id = i == count && wildTop ? TakeRank(kKing) : Take();
            side[kId][i] = id;
            side[kRank][i] = RankOf(id);
        }
        cards[kId][kSideSlot] = side[kId][count];
        cards[kRank][kSideSlot] = side[kRank][count];
        for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
            cards[kId][s] = Take();
            cards[kRank][s] = RankOf(cards[kId][s]);
        }
    }

    void DealHuman() {
        DealSide(g_.HumanSide, g_.HumanSideCount, g_.HumanCards, R(8) == 0);
        for (int p = 1; p <= 4; ++p) {
            std::vector<i16> ids = HoldPile(7);
            g_.HumanHoldCount[p] = static_cast<i16>(ids.empty() ? 0 : ids.size() - 1);
            for (size_t i = 0; i + 1 < ids.size(); ++i) {
                g_.HumanHold[kId][p][i + 1] = ids[i];
                g_.HumanHold[kRank][p][i + 1] = RankOf(ids[i]);
            }
            g_.HumanCards[kId][6 + p] = ids.empty() ? i16{0} : ids.back();
            g_.HumanCards[kRank][6 + p] = RankOf(g_.HumanCards[kId][6 + p]);
        }
    }

    void DealOpponent(OpponentRecord& r) {
        r.Level = static_cast<i16>(R(3));
        DealSide(r.Side, r.SideCount, r.Cards, R(4) == 0);
        for (int p = 1; p <= 4; ++p) {
            std::vector<i16> ids = HoldPile(9);
            std::vector<i16> ranks;
            for (size_t i = 0; i < ids.size(); ++i) {
                r.Hold[kId][p][i + 1] = ids[i];
                r.Hold[kRank][p][i + 1] = RankOf(ids[i]);
                ranks.push_back(RankOf(ids[i]));
                r.HoldPileInfo[p][2] = computer_test::PatternOf(ranks, r.HoldPileInfo[p][2]);
            }
            r.HoldPileInfo[p][1] = static_cast<i16>(ids.size());
            r.Cards[kId][6 + p] = ids.empty() ? i16{0} : ids.back();
            r.Cards[kRank][6 + p] = RankOf(r.Cards[kId][6 + p]);
        }
    }

    // The seat on turn has played some of its hand already this turn.
    void ShortenHand(i16 keep) {
        for (int s = kFirstHandSlot + keep; s <= kLastHandSlot; ++s) {
            PutBack(g_.CurCards[kId][s]);
            g_.CurCards[kId][s] = g_.CurCards[kRank][s] = 0;
        }
        g_.HandCount = keep;
    }

    Game& g_;
    VbRandom rng_;
};

// A copy of a position with its own services and computer player.
struct Copy {
    Copy(const Game& from, const ComputerState& st) : g(from) {
        h.log.enabled = false;
        cp.st = st;
    }
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    ComputerPlayer cp{e};
};

std::string Where(std::uint32_t seed, i16 level, const std::string& what) {
    return "seed " + std::to_string(seed) + " level " + std::to_string(level) + ": " + what;
}

// Plays the accepted plan of PileSel and says what stopped it when it stopped early.
std::string PlayAccepted(Copy& c) {
    const int center = c.g.PileSel;
    if (center < 1 || center > c.g.NumCenters)
        return "accepted plan on center " + std::to_string(center);
    const int n = c.cp.st.PlanState[center][1];
    if (n < 1 || n > kMaxPlanSteps) return "accepted plan of " + std::to_string(n) + " steps";
    c.cp.Comp_Play();
    std::string fault = CheckConservation(c.g);
    if (!fault.empty()) return fault;
    const i16 at = c.cp.st.StepSlot;
    if (at > n || c.cp.st.Refilled) return "";
    if (c.cp.st.PlanSlot[center][at] == kSideSlot) {
        bool usable = !(c.g.NoWildAce && c.g.CenterCount[center] == 0);
        if (c.g.CurCards[kRank][kSideSlot] == kKing && usable) return "";
        return "the payoff card in the plan cannot be played";
    }
    return "step " + std::to_string(at) + " of " + std::to_string(n) + " (slot " +
           std::to_string(c.cp.st.PlanSlot[center][at]) + ") does not fit";
}

void CheckPosition(std::uint32_t seed, i16 level, const Game& dealt, int& accepted) {
    Copy base(dealt, ComputerState{});
    Game& g = base.g;
    ComputerPlayer& cp = base.cp;
    g.CompLevel = level;
    cp.Ck_Player();
    ASSERT_GE(cp.st.EmptyCenter, 0);
    ASSERT_LE(cp.st.EmptyCenter, g.NumCenters);
    ASSERT_GE(g.HumanCenter, 0);
    ASSERT_LE(g.HumanCenter, g.NumCenters);
    cp.Find_PayoffCenter();
    ASSERT_GE(cp.st.PayoffCenter, 1);
    ASSERT_LE(cp.st.PayoffCenter, g.NumCenters);
    cp.st.WildPayoff = VbBool(g.CurCards[kRank][kSideSlot] == kKing);

    if (cp.st.WildPayoff) {
        Copy wild(g, cp.st);
        wild.cp.Find_BlockCenter();
        wild.cp.Move_Wild();
        EXPECT_GE(wild.g.PileSel, 1) << Where(seed, level, "wild center");
        EXPECT_LE(wild.g.PileSel, g.NumCenters) << Where(seed, level, "wild center");
        EXPECT_EQ(CheckConservation(wild.g), "") << Where(seed, level, "after the wild plan");
    }

    for (i16 target = 1; target <= g.NumCenters; ++target) {
        Copy plan(g, cp.st);
        plan.g.PileSel = target;
        plan.cp.st.MatchSlot = target;
        plan.cp.st.WildSlot = 2;
        plan.cp.st.TrimPhase = 0;
        plan.cp.Move_Comp();
        if (plan.cp.st.PlayFlag != 1) {
            EXPECT_EQ(plan.g.PileSel, g.NumCenters) << Where(seed, level, "no plan");
            continue;
        }
        ++accepted;
        EXPECT_EQ(PlayAccepted(plan), "")
            << Where(seed, level, "plan for " + std::to_string(target));
    }

    Copy drop(g, cp.st);
    drop.cp.Comp_BeforeDrop();
    ComputerState afterBefore = drop.cp.st;
    if ((drop.cp.st.PlayFlag == 1 && drop.cp.st.PlanMode == 1) || drop.cp.st.PlanMode == 2) {
        Copy forced(drop.g, afterBefore);
        forced.cp.Move_Plan();
        EXPECT_EQ(PlayAccepted(forced), "") << Where(seed, level, "forced card");
    } else if (drop.cp.st.NoReplan == 0) {
        Copy again(drop.g, afterBefore);
        again.g.PileSel = again.g.HumanCenter;
        again.cp.Move_Comp();
        if (again.cp.st.PlayFlag == 1) {
            EXPECT_EQ(PlayAccepted(again), "") << Where(seed, level, "plan before the discard");
        }
    }
    drop.cp.st.PlayFlag = 0;
    drop.cp.Comp_Drop();
    const i16 slot = drop.g.PileSel;
    EXPECT_GE(slot, 2) << Where(seed, level, "discard slot");
    EXPECT_LE(slot, drop.g.HandCount + 1) << Where(seed, level, "discard slot");
    EXPECT_GE(drop.cp.st.DropPile, 1) << Where(seed, level, "discard pile");
    EXPECT_LE(drop.cp.st.DropPile, 4) << Where(seed, level, "discard pile");
}

}  // namespace

TEST(ComputerDecisions, HoldOnManyDealtPositions) {
    int accepted = 0;
    for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
        computer_test::Table t;
        Dealer dealer(t.g, seed);
        dealer.Deal();
        ASSERT_EQ(CheckConservation(t.g), "") << "seed " << seed;
        for (i16 level = 0; level <= 2; ++level) {
            CheckPosition(seed, level, t.g, accepted);
            if (HasFatalFailure()) return;
        }
    }
    EXPECT_GT(accepted, 1500);  // the run exercises the planner, not only its refusals
}
