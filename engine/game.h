#pragma once
// The whole state of a game and its session, owned in one place and passed to every procedure
// that plays on it. The parts are plain structs so that the game's variables read by their
// usual names (game.Pturn, game.CurCards, game.StopFlag).
#include <array>

#include "engine/card_state.h"
#include "engine/engine_state.h"
#include "engine/flow_state.h"
#include "engine/net_state.h"
#include "engine/opponent_record.h"
#include "engine/snapshot_state.h"
#include "platform/vb_random.h"
#include "shared/stats_table.h"

struct Game : CardState, WorkingCopy, FlowState, PlayOptions, EngineState, SnapshotState, NetState {
    // Opp[1] to Opp[3] are players 2 to 4; Opp[0] is unused.
    std::array<OpponentRecord, 4> Opp{};
    // The play counts of this game; column 4 is the player on turn's.
    StatsTableArray StatsTable{};

    // Deals and play draw from Rng; remarks, sounds and animation styles from CosmeticRng, so a
    // seeded game plays the same whatever the sound and comment settings.
    VbRandom Rng;
    VbRandom CosmeticRng;

    OpponentRecord& Opp1() { return Opp[1]; }
    OpponentRecord& Opp2() { return Opp[2]; }
    OpponentRecord& Opp3() { return Opp[3]; }
};
