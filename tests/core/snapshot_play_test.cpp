// Snapshots in a real game: the engine and the computer opponent reach the records through the
// records port, so a dealt game can be undone, restarted, taken back a turn and restarted from
// its first position.
#include <gtest/gtest.h>

#include "engine/conservation.h"
#include "headless_table.h"
#include "position_bytes.h"

namespace {

struct PlayedGame : HeadlessTable {
    PlayedGame() { g.NumPlayers = 2, g.NumCards = 104, g.NumCenters = 4; }

    // Deals from `seed` until the human is on turn with a card that fits a center.
    bool DealWithAPlay() {
        for (int seed = 1; seed < 200; ++seed) {
            g.Rng.Rnd(-1);
            g.Rng.Randomize(seed);
            e.Game_New();
            if (g.Pturn == 1 && FindPlay()) return true;
        }
        return false;
    }
    bool FindPlay() {
        for (int slot = 1; slot <= 10; ++slot)
            for (int k = 1; k <= g.NumCenters; ++k) {
                const i16 rank = g.HumanCards[kRank][slot];
                if (rank != 0 && rank != kKing && rank == g.CenterCount[k] + 1) {
                    g.PickSlot = static_cast<i16>(slot);
                    g.PileSel = static_cast<i16>(k);
                    return true;
                }
            }
        return false;
    }
};

}  // namespace

TEST(SnapshotInPlay, UndoRestartPreviousTurnAndRestartGameInADealtGame) {
    PlayedGame t;
    ASSERT_TRUE(t.records.TempMovesFile(true));
    ASSERT_TRUE(t.DealWithAPlay());
    EXPECT_EQ(t.g.MoveRecordNo, 1);
    const auto dealt = PositionBytes(t.g);

    t.e.Player_Move();
    ASSERT_EQ(CheckConservation(t.g), "");
    EXPECT_EQ(t.g.MoveRecordNo, 2);
    EXPECT_NE(PositionBytes(t.g), dealt);

    t.g.UndoMove = VbTrue;
    t.records.RestartTurn();
    EXPECT_EQ(PositionBytes(t.g), dealt);
    EXPECT_EQ(t.g.MoveRecordNo, 1);
    EXPECT_EQ(CheckConservation(t.g), "");

    // The human's discard hands the turn to the computer, which plays and hands it back.
    t.g.PickSlot = 0;
    for (int s = kFirstHandSlot; s <= kLastHandSlot && !t.g.PickSlot; ++s)
        if (t.g.HumanCards[kId][s]) t.g.PickSlot = static_cast<i16>(s);
    t.g.DropSlot = kFirstHoldSlot;
    t.e.Player_EndTurn();
    ASSERT_EQ(t.g.Pturn, 1);
    ASSERT_EQ(CheckConservation(t.g), "");
    EXPECT_EQ(t.g.MoveCounter, 2);
    const auto secondTurn = PositionBytes(t.g);

    t.g.RestartWholeTurn = VbTrue;
    t.records.RestartTurn();
    EXPECT_EQ(PositionBytes(t.g), secondTurn);

    ASSERT_TRUE(t.records.PreviousTurnRestore());
    EXPECT_EQ(t.g.Pturn, 1);
    EXPECT_EQ(PositionBytes(t.g), dealt);

    ASSERT_TRUE(t.records.RestartCurrentGame());
    EXPECT_EQ(PositionBytes(t.g), dealt);
    EXPECT_EQ(CheckConservation(t.g), "");
}
