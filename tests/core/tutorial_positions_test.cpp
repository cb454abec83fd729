// The shipped tutorial: its script and its prepared positions belong together. Every position
// is a sound game, every step that loads one names the right record, and every move a step asks
// for can be made on the position as the steps before it left it.
#include <gtest/gtest.h>

#include "engine/conservation.h"
#include "engine/snapshot_codec.h"
#include "headless_table.h"
#include "platform/file_util.h"
#include "platform/record_file.h"
#include "records/text_lines.h"
#include "records/tutorial_script.h"
#include "shared/record_io.h"

namespace {

const std::string kStage = QUORVANE_STAGE_DIR;

GameStateRecord Position(int record) {
    GameStateRecord rec;
    ReadRecord(RecordFile(JoinPath(kStage, "Data/backup.sav"), GameStateRecord::kSize), record,
               rec);
    return rec;
}

std::vector<TutorialStepLine> Script() {
    std::vector<TutorialStepLine> steps;
    const auto lines = ReadTextLines(JoinPath(kStage, "tutorial.txt"));
    for (const std::string& line : lines.value_or(std::vector<std::string>{}))
        steps.push_back(ParseTutorialLine(line));
    return steps;
}

// A headless table on which a position is restored and the steps' moves are played.
struct Table : HeadlessTable {
    Table() { g.TutorialOn = VbTrue; }

    // The centers the card in `slot` may go onto.
    std::vector<int> Fits(int slot) const {
        std::vector<int> piles;
        const i16 rank = g.HumanCards[kRank][slot];
        for (int k = 1; k <= g.NumCenters && rank != 0; ++k)
            if (CenterAccepts(g, rank, k)) piles.push_back(k);
        return piles;
    }
};

}  // namespace

TEST(TutorialShipped, EveryPositionIsASoundTwoPlayerGameWithThePlayerOnTurn) {
    for (int record = kFirstTutorialRecord; record <= kLastTutorialRecord; ++record) {
        const GameStateRecord rec = Position(record);
        EXPECT_EQ(ValidateRecord(rec), "") << record;
        EXPECT_EQ(rec.NumPlayers, 2) << record;
        EXPECT_EQ(rec.NumCenters, 3) << record;
        EXPECT_EQ(rec.Pturn, 1) << record;
        EXPECT_EQ(rec.Title, "Tutorial" + std::to_string(record - 30).insert(0, " ")) << record;
        // A turn of the computer's (after a discard) must not be able to end the game.
        EXPECT_GE(rec.OppSideCount[0], 10) << record;
    }
    // The slots in front of the positions are the player's, and start empty.
    for (int slot = 1; slot <= 14; ++slot) EXPECT_EQ(Position(slot).Pturn, 0) << slot;
}

TEST(TutorialShipped, TheScriptLoadsEachPositionWhereItsBackRangeStarts) {
    const std::vector<TutorialStepLine> steps = Script();
    ASSERT_GE(steps.size(), 32u);
    for (size_t i = 0; i < steps.size(); ++i) {
        const int step = static_cast<int>(i) + 1;
        ASSERT_TRUE(steps[i].directive) << "step " << step << " would start a computer turn";
        const TutorialDirective& d = *steps[i].directive;
        const auto range = TutorialBackRangeOf(step);
        if (range && range->first == step) {
            EXPECT_TRUE(d.LoadsPosition()) << step;
            EXPECT_EQ(d.N2, range->record) << step;
        } else {
            EXPECT_FALSE(d.LoadsPosition()) << step;
        }
        // Outside the ranges Back does not reload: those steps only talk.
        if (!range) {
            EXPECT_TRUE(d.ReadOnly()) << step;
        }
        EXPECT_FALSE(steps[i].text.empty()) << step;
    }
}

TEST(TutorialShipped, EveryMoveTheStepsAskForCanBeMade) {
    const std::vector<TutorialStepLine> steps = Script();
    Table t;
    for (size_t i = 0; i < steps.size(); ++i) {
        const int step = static_cast<int>(i) + 1;
        const TutorialDirective& d = *steps[i].directive;
        if (d.LoadsPosition()) {
            t.g.SaveSlot = static_cast<i16>(d.N2);
            ASSERT_TRUE(t.records.RestorePosition(Position(d.N2))) << step;
            continue;
        }
        if (!d.MovesPile()) continue;
        SCOPED_TRACE("step " + std::to_string(step));
        ASSERT_EQ(t.g.Pturn, 1);
        // Hold piles stay open all through the tutorial: none of their tops may offer a play
        // the step does not ask for.
        for (int hold = kFirstHoldSlot; hold <= kLastHoldSlot; ++hold) {
            if (hold == d.N1) continue;
            EXPECT_TRUE(t.Fits(hold).empty()) << "hold slot " << hold;
        }
        ASSERT_NE(t.g.HumanCards[kRank][d.N1], 0);
        t.g.PickSlot = static_cast<i16>(d.N1);
        if (d.L2 == 'H' && d.N1 <= kLastHandSlot) {
            t.g.DropSlot = kFirstHoldSlot;
            t.h.log.Clear();
            t.e.Player_EndTurn();
            EXPECT_EQ(t.g.Pturn, 1) << "the computer's turn came back";
            // The tutorial hears of the computer's turn at its start and its end.
            EXPECT_TRUE(t.h.log.Contains("TutorialTurnStarting"));
            EXPECT_TRUE(t.h.log.Contains("TutorialTurnOver"));
            EXPECT_GT(t.g.HumanSideCount, 0);
            EXPECT_GT(t.g.Opp[1].SideCount, 0);
        } else {
            const std::vector<int> fits = t.Fits(d.N1);
            ASSERT_FALSE(fits.empty()) << "the card does not fit";
            const int before = t.g.HumanSideCount;
            t.g.PileSel = static_cast<i16>(fits.front());
            t.h.log.Clear();
            t.e.Player_Move();
            EXPECT_EQ(t.g.HumanSideCount, before - (d.N1 == kSideSlot ? 1 : 0));
            // The card laid lets the tutorial go on; the player's piles stay as the step set them.
            EXPECT_TRUE(t.h.log.Contains("TutorialCardPlayed"));
            EXPECT_FALSE(t.h.log.Contains("EnableHumanPiles 1 1-10"));
        }
        EXPECT_EQ(CheckConservation(t.g), "");
    }
}
