// The Save and Restore commands around a scripted saved-game dialog, on a dealt game.
#include "records/saved_games.h"

#include <gtest/gtest.h>

#include "headless_table.h"

namespace {

struct Commands : HeadlessTable {
    SaveDialogState shown;
    SaveDialogResult answer;
    SavedGamesParts parts{g, records, h.services, {}, {}, "3/9/2025", "14:05"};

    Commands() {
        g.NumPlayers = 2, g.NumCards = 104, g.NumCenters = 3;
        parts.showDialog = [this](const SaveDialogState& st, const SaveContext&) {
            shown = st;
            return answer;
        };
        g.Rng.Rnd(-1);
        g.Rng.Randomize(7);
        e.Game_New();
    }
    void Choose(int slot, const std::string& title) {
        answer.cancelled = false;
        answer.choice = {slot, title};
    }
    GameStateRecord Stored(int slot) {
        GameStateRecord rec;
        records.ReadRecordAt(SnapshotFile::SavedGames, slot, rec);
        return rec;
    }
};

}  // namespace

TEST(SaveCommand, WritesTheGameIntoTheChosenSlotUnderItsTitle) {
    Commands c;
    ASSERT_NE(c.g.Pturn, 0);
    c.Choose(3, "2P_Sunday " + std::string(40, 'x'));
    EXPECT_TRUE(SaveGameCommand(c.parts));
    EXPECT_EQ(c.shown.mode, SaveMode::Save);
    EXPECT_EQ(c.shown.titles[3], "game  3");
    const GameStateRecord rec = c.Stored(3);
    EXPECT_EQ(rec.Pturn, c.g.Pturn);
    EXPECT_EQ(rec.Title, ("2P_Sunday " + std::string(40, 'x')).substr(0, 30));
    // The next Save lists it.
    c.answer.cancelled = true;
    c.g.CancelFlag = VbTrue;
    EXPECT_FALSE(SaveGameCommand(c.parts));
    EXPECT_EQ(c.shown.titles[3], rec.Title);
    EXPECT_EQ(c.g.CancelFlag, VbFalse);
}

TEST(SaveCommand, WithNoGameOnThereIsNothingToSave) {
    Commands c;
    c.g.Pturn = 0;
    c.Choose(1, "x");
    EXPECT_FALSE(SaveGameCommand(c.parts));
    EXPECT_EQ(c.h.dialogs.lastText, kNoGameToSave);
    EXPECT_EQ(c.Stored(1).Pturn, 0);
}

TEST(RestoreCommand, TheRecordEachChoiceReads) {
    struct Case {
        int slot;
        int moveCounter;
        bool dev;
        int asked;   // the developer's answer, 0 none
        int record;  // 0: nothing restored
    } cases[] = {{4, 0, false, 0, 4},   {11, 0, false, 0, 0}, {11, 2, false, 0, 12},
                 {11, 3, false, 0, 11}, {11, 0, true, 2, 12}, {11, 0, true, 0, 0}};
    for (const Case& k : cases) {
        Commands c;
        // Every candidate record holds the game under a title naming its record.
        for (int slot : {4, 11, 12})
            c.records.SaveGameToSlot(slot, "record" + std::to_string(slot));
        c.g.MoveCounter = static_cast<i16>(k.moveCounter);
        c.g.DevMode = VbBool(k.dev);
        c.parts.askTurnCount = [&]() -> std::optional<int> {
            return k.asked ? std::optional<int>(k.asked) : std::nullopt;
        };
        c.Choose(k.slot, "");
        const RestoreOutcome out = RestoreGameCommand(c.parts);
        EXPECT_EQ(out.restored, k.record != 0) << k.slot << " " << k.moveCounter;
        if (k.record) {
            EXPECT_EQ(c.g.SaveSlot, k.record);
            EXPECT_EQ(c.g.GameRestored, VbTrue);
        } else {
            EXPECT_EQ(c.h.dialogs.lastText, kNoMoveToRestore);
            EXPECT_EQ(c.h.dialogs.lastTitle, "Previous Turn");
        }
    }
}

TEST(RestoreCommand, ListsOnlySlotsWithAGameAndHonoursCancel) {
    Commands c;
    c.records.SaveGameToSlot(2, "^^NET2P_x");
    c.records.AutoSaveSlots();
    c.g.TempMovesOpen = VbTrue;
    c.answer.cancelled = true;
    EXPECT_FALSE(RestoreGameCommand(c.parts).restored);
    EXPECT_EQ(c.g.CancelFlag, VbTrue);
    EXPECT_EQ(c.shown.mode, SaveMode::Restore);
    EXPECT_FALSE(c.shown.boxes[1].enabled);
    EXPECT_TRUE(c.shown.boxes[2].enabled);
    EXPECT_EQ(c.shown.boxes[2].text, "NET2P_x");
    EXPECT_TRUE(c.shown.boxes[11].enabled);
    EXPECT_TRUE(c.shown.autoSaveTicked);
}
