// Whole games by calls: a scripted player 1 against the stand-in seats, every player count and
// rule combination, with the card-conservation check after every step.
#include <gtest/gtest.h>

#include "engine/conservation.h"
#include "engine/engine.h"
#include "engine_fixture.h"
#include "tests/support/headless_services.h"
#include "tests/support/standin_turns.h"

namespace {

// Answers the stalemate question as told (Yes to every other one) and counts the stalemates.
struct CountingDialogs : Dialogs {
    int MsgBox(const std::string&, int, const std::string& title) override {
        if (title != "Stalemate") return mb::Yes;
        ++stalemates;
        return stalemateAnswer;
    }
    int stalemates = 0;
    int stalemateAnswer = mb::Yes;
};

struct Table {
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    StandInTurns seats{e};
    CountingDialogs dialogs;
    std::string fault;

    Table(int players, int centers) {
        h.log.enabled = false;
        h.services.turns = &seats;
        h.services.dialogs = &dialogs;
        SetPlayers(g, players, centers);
        seats.afterStep = [this] { Check("seat"); };
    }
    void Check(const char* where) {
        if (!fault.empty()) return;
        std::string f = CheckConservation(g);
        if (!f.empty()) fault = std::string(where) + ": " + f;
    }
    bool Over() const { return g.Pturn != 1; }
};

// Lays every card that fits, side card first, then hold tops, then the hand; then discards.
void PlayHumanTurn(Table& t) {
    Game& g = t.g;
    static const int kOrder[] = {1, 7, 8, 9, 10, 2, 3, 4, 5, 6};
    for (int plays = 0; plays < 300 && !t.Over(); ++plays) {
        bool played = false;
        for (int slot : kOrder) {
            for (int k = 1; k <= g.NumCenters && !played; ++k) {
                if (!CenterAccepts(g, g.HumanCards[kRank][slot], k)) continue;
                g.PickSlot = static_cast<i16>(slot);
                g.PileSel = static_cast<i16>(k);
                ASSERT_TRUE(t.e.CheckCenterPlay());
                t.e.Player_Move();
                t.Check("play");
                played = true;
            }
            if (played) break;
        }
        if (!played) break;
    }
    // One discard ends the turn; the seats then play until the human is on turn again.
    const int seatTurns = t.seats.turnsPlayed;
    auto turnGoesOn = [&] { return !t.Over() && t.seats.turnsPlayed == seatTurns; };
    for (int slot = kFirstHandSlot; slot <= kLastHandSlot && turnGoesOn(); ++slot) {
        for (int p = 1; p <= 4 && turnGoesOn() && g.HumanCards[kRank][slot] != 0; ++p) {
            g.PickSlot = static_cast<i16>(slot);
            g.DropSlot = static_cast<i16>(6 + p);
            t.e.Player_EndTurn();
            t.Check("discard");
        }
    }
}

}  // namespace

TEST(EngineSoak, SeededWholeGamesKeepEveryCardAndEnd) {
    static const i16 kSides[] = {9, 14, 19, 25};
    int humanWins = 0, seatWins = 0, stalemates = 0;
    int givenUp = 0;
    for (int seed = 0; seed < 300; ++seed) {
        const int players = 2 + seed % 3;
        const int centers = players == 2 && (seed / 3) % 2 ? 3 : 4;
        Table t(players, centers);
        Game& g = t.g;
        const int rules = seed / 3;
        g.ForcedCards = static_cast<i16>(rules % 8);
        g.NoWildAce = VbBool((rules / 8) % 2);
        g.ShuffleSeparately = VbBool((rules / 16) % 2);
        g.SidePileSize = kSides[(rules / 32) % 4];
        if (seed % 10 == 9) t.dialogs.stalemateAnswer = mb::No;
        g.Rng.Rnd(-1);
        g.Rng.Randomize(seed);
        t.e.Game_New();
        t.Check("deal");
        int turns = 0;
        for (; turns < 3000 && g.Pturn == 1 && t.fault.empty(); ++turns) {
            const int before = t.seats.turnsPlayed;
            PlayHumanTurn(t);
            if (g.Pturn == 1 && t.seats.turnsPlayed == before) break;  // the discard was refused
        }
        ASSERT_EQ(t.fault, "") << "seed " << seed;
        ASSERT_EQ(g.Pturn, 0) << "seed " << seed << " did not end after " << turns << " turns";
        stalemates += t.dialogs.stalemates > 0;
        if (g.AbortTurn == 1) {  // the stalemate was answered No
            ++givenUp;
            continue;
        }
        if (g.HumanSideCount == 0)
            ++humanWins;
        else
            ++seatWins;
        EXPECT_EQ(t.h.records.profile.PlayerPrefs.GamesPlayed[0], 1);
    }
    EXPECT_GT(humanWins, 0);
    EXPECT_GT(seatWins, 0);
    RecordProperty("human_wins", humanWins);
    RecordProperty("stalemates", stalemates);
    EXPECT_GT(givenUp, 0);
    std::printf("human wins %d, seat wins %d, given up %d, games with a stalemate %d\n", humanWins,
                seatWins, givenUp, stalemates);
}
