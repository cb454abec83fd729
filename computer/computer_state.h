#pragma once
// The computer opponent's working variables: what its decisions report to the turn that plays
// them, and what one decision leaves for the next. They live for the whole session and are
// overwritten at each pass of a turn. Booleans are 0 / -1 like the rest of the game's state.
#include <array>

#include "engine/card_state.h"
#include "platform/vb_types.h"

constexpr int kMaxPlanSteps = 15;

struct ComputerState {
    i16 PlayFlag = 0;    // 1: the plan now held is accepted and is to be played
    i16 TrimPhase = 0;   // planner: 0 extending the target, 1 accept-or-trim, 2 switched back
    i16 BlockValue = 0;  // center value measured against the human's chain to its payoff card
    i16 NoReplan = 0;    // 1: no plan on the human's center after the last play before the drop
    i16 PlanMode = 0;    // 0 normal, 1 forced Ace, 2 forced Two, 12 block plan, 13 wild from hand
    i16 PlanHandCount = 0;  // hand cards left unplanned while a plan is built
    i16 WildSlot = 0;      // slot of the wild King the planner may use (1 payoff, 2-6 hand, 0 none)
    i16 EmptyCenter = 0;   // an empty center (0 none); the discard's counter
    i16 PayoffCenter = 0;  // where the computer's own payoff card goes soonest
    i16 StepSlot = 0;      // source slot of the plan step being appended or played
    i16 DropPile = 0;      // hold pile 1-4 chosen for the discard
    i16 FallbackSlot = 2;  // first hand slot whose card is not a wild King
    i16 MatchSlot = 0;     // planner: first-pass target; discard: hand slot equal to a hold top
    i16 SwitchCenter = 0;  // planner: center to return to after a switch back
    i16 SwitchMark = 0;    // planner: step at which an alternative was taken (14 while switched)
    i16 TryCount = 0;      // shared counter of the discard choice and the turn
    i16 LinkPile = 0;      // hold pile chosen among piles with equal tops (0 none)
    i16 LinkSlot = 0;      // hand slot that goes with LinkPile
    i16 HoldFrom = 0;      // hold pile chosen among piles with equal working tops (0 none)
    i16 DupSlot = 0;       // hand slot of a duplicate to discard (0 none)
    i16 KeptCenter = 0;    // center kept for a second plan before the discard
    i16 KeptTries = 0;     // whether the pass over the centers already began at KeptCenter
    i16 BlockCenter = 0;   // center the human's payoff card goes on next (own payoff wild)
    i16 Refilled = VbFalse;             // the hand ran out during a plan and was refilled
    std::array<i16, 2> NextHoldCard{};  // card uncovered when a hold top is played
    i16 PayoffChoice = 0;               // what the turn does with its payoff card in this pass
    i16 CommentPick = 0;
    i16 LastComment = 0;
    i16 LastSound = 0;
    i16 MoveRecordNo = 0;
    i16 WildPlayed = 0;        // 13 while the card being played is a wild King
    i16 WildPayoff = VbFalse;  // the computer's payoff card is a wild King in this pass
    i16 LowCenter = 0;         // highest center below the human's payoff value (0 none)

    // By center 1-4: the value from which the human can run up to its payoff card (Ruthless).
    std::array<i16, kMaxCenters + 1> CenterReach{};
    // By center: (c, 0) the plan's simulated value, (c, 1) its number of steps.
    std::array<std::array<i16, 2>, kMaxCenters + 1> PlanState{};
    // By center: the source slot of each step 1-15.
    std::array<std::array<i16, kMaxPlanSteps + 1>, kMaxCenters + 1> PlanSlot{};
};
