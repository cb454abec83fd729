// While the computer players move, the window's events run inside their pauses: a second
// computer turn started from there must not play, and New Game waits until the seats stop.
#include <gtest/gtest.h>

#include <functional>

#include "computer/computer_player.h"
#include "computer/turn_watcher.h"
#include "engine/engine.h"
#include "tests/support/headless_services.h"

namespace {

// Events that arrive during a pause: `onEvent` runs at each of them.
struct EventfulPump : EventPump {
    explicit EventfulPump(ManualClock& c) : clock(c) {}
    void Pump(bool, double maxWait) override {
        clock.Advance(maxWait);
        if (onEvent) onEvent();
    }
    ManualClock& clock;
    std::function<void()> onEvent;
};

struct SeatCounter : TurnWatcher {
    void SeatTurnStarted(int) override { ++started; }
    void Step(const char*) override {}
    void SeatTurnEnded(int) override {}
    int started = 0;
};

// A three-player game dealt from a fixed seed, the human on turn with a full hand.
struct LiveTable {
    Game g;
    HeadlessServices h{g};
    ManualClock clock;
    EventfulPump pump{clock};
    Pauser pauser{clock, pump, g.StopFlag, g.FlipInProgress};
    Engine e{g, h.services};
    ComputerPlayer cp{e};
    SeatCounter seats;

    LiveTable() {
        g.NumPlayers = 3;
        g.NumCards = 156;
        g.NumCenters = 4;
        g.MovePause = 0.1f;
        for (int k = 1; k <= 3; ++k) {
            g.Opp[k].Name = "Seat" + std::to_string(k + 1);
            g.Opp[k].CommentFile = "No Comments";
        }
        h.services.turns = &cp;
        cp.watcher = &seats;
        for (int seed = 1; seed < 50; ++seed) {
            g.Rng.Rnd(-1);
            g.Rng.Randomize(seed);
            e.Game_New();
            if (g.Pturn == 1 && g.TurnOrder[2] == 2) break;
        }
        h.services.pauser = &pauser;
        seats.started = 0;
    }
    // The human discards its first hand card, which hands the turn to the seats.
    void EndHumansTurn() {
        g.PickSlot = 2;
        g.DropSlot = 7;
        e.Player_EndTurn();
    }
};

}  // namespace

TEST(ComputerTurnGuard, ASecondTurnStartedDuringAPauseDoesNotPlay) {
    LiveTable t;
    ASSERT_EQ(t.g.Pturn, 1);
    bool busySeen = false;
    int inner = 0;
    t.pump.onEvent = [&] {
        if (!t.cp.TurnInProgress() || inner++ > 0) return;
        busySeen = t.g.ComputerBusy != VbFalse;
        t.cp.ComputerTurn();
    };
    t.EndHumansTurn();
    EXPECT_TRUE(busySeen);
    EXPECT_EQ(t.seats.started, 2);  // seats 2 and 3, once each
    EXPECT_EQ(t.g.Pturn, 1);
    EXPECT_FALSE(t.g.ComputerBusy);
    EXPECT_FALSE(t.cp.TurnInProgress());
}

TEST(ComputerTurnGuard, NewGameChosenWhileTheSeatsMoveRunsAfterTheyStop) {
    LiveTable t;
    ASSERT_EQ(t.g.Pturn, 1);
    t.pump.onEvent = [&] {
        // The window defers New Game while the computer is busy.
        if (t.g.ComputerBusy && t.cp.TurnInProgress()) t.g.NewGamePending = VbTrue;
    };
    int newGames = 0;
    t.h.window.onMenuNewGame = [&] {
        ++newGames;
        EXPECT_FALSE(t.g.ComputerBusy);
        EXPECT_EQ(t.g.Pturn, 0);
    };
    t.EndHumansTurn();
    EXPECT_EQ(t.seats.started, 1);  // seat 3 never starts
    EXPECT_EQ(newGames, 1);
    EXPECT_FALSE(t.g.NewGamePending);
}

// Online, a turn loop asked for while one runs (a game given again during the hand-over, whose
// remote is on turn) is not lost: the running loop takes that turn up once its own has unwound.
TEST(ComputerTurnGuard, OnlineATurnAskedForDuringARunningOneIsTakenUpAfterIt) {
    struct Remote : RecordingNet {
        using RecordingNet::RecordingNet;
        std::function<void()> onOpponent;
        void Opponent() override { onOpponent(); }
    };
    Game g;
    HeadlessServices h{g};
    Remote net{h.log};
    h.services.net = &net;
    Engine e{g, h.services};
    ComputerPlayer cp{e};
    g.NumPlayers = 2;
    g.NetConnected = 1;
    g.Pturn = 2;
    int turns = 0;
    net.onOpponent = [&] {
        // The first replay is cut short by the new table, which leaves the remote on turn.
        if (++turns == 1)
            cp.ComputerTurn();
        else
            g.Pturn = 1;
    };
    cp.ComputerTurn();
    EXPECT_EQ(turns, 2);
    EXPECT_EQ(g.Pturn, 1);
    EXPECT_FALSE(cp.TurnInProgress());
}
