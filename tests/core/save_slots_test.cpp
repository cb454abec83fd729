#include "records/save_slots.h"

#include <gtest/gtest.h>

namespace {

GameStateRecord Game(const std::string& title) {
    GameStateRecord r;
    r.Pturn = 1;
    r.NumPlayers = 2;
    r.Title = title;
    return r;
}

SaveContext Local(int players = 2) {
    SaveContext c;
    c.numPlayers = players;
    return c;
}

}  // namespace

TEST(SaveList, TitlesUntitledSlotsAndDropsTheInternetMark) {
    std::array<std::string, 11> titles{};
    titles[1] = "  Sunday game ";
    titles[2] = "^^NET2P_x";
    SaveDialogState st = SaveListFor(false, titles);
    EXPECT_EQ(st.mode, SaveMode::Save);
    EXPECT_EQ(st.titles[1], "Sunday game");
    EXPECT_EQ(st.titles[2], "NET2P_x");
    EXPECT_EQ(st.titles[3], "game  3");
    EXPECT_EQ(st.boxes[10].text, "game  10");
    EXPECT_FALSE(st.autoSaveShown);
    EXPECT_EQ(SaveListFor(true, titles).mode, SaveMode::NetSave);
}

TEST(RestoreList, OffersOnlySlotsWithAGameAndTheAutoSaveOutsideInternetGames) {
    std::array<GameStateRecord, 12> recs{};
    recs[1] = Game("First");
    recs[4] = Game("^^  NET2P_a");
    recs[11] = Game("AutoSave");
    recs[6] = Game("past the end");
    SaveDialogState st = RestoreListFor(recs, 11, false, true);
    EXPECT_TRUE(st.boxes[1].enabled);
    EXPECT_EQ(st.boxes[1].text, "First");
    EXPECT_FALSE(st.boxes[2].enabled);
    EXPECT_EQ(st.boxes[4].text, "  NET2P_a");  // the mark goes, the rest stays untrimmed
    EXPECT_TRUE(st.boxes[11].enabled);
    EXPECT_EQ(st.boxes[11].text, "AutoSave");
    EXPECT_TRUE(st.autoSaveShown);
    EXPECT_TRUE(st.autoSaveTicked);

    // Slots past the end of the store stay closed, whatever the buffer holds.
    SaveDialogState shortStore = RestoreListFor(recs, 5, true, true);
    EXPECT_FALSE(shortStore.boxes[6].enabled);
    EXPECT_FALSE(shortStore.boxes[11].enabled);
    EXPECT_FALSE(shortStore.autoSaveShown);
    EXPECT_FALSE(shortStore.autoSaveTicked);
}

TEST(SaveDialog, ProposedTitlesForLocalAndInternetSaves) {
    SaveContext host = Local(2);
    host.netConnected = 1;
    host.isHost = true;
    host.opponentName = "Ann";
    host.hostPlayerName = "Bob";
    host.dateText = "3/9/2025";
    host.timeText = "14:05";
    EXPECT_EQ(ProposedTitle(SaveMode::Save, Local(3)), "3P_");
    EXPECT_EQ(ProposedTitle(SaveMode::NetSave, host), "NET2P_3/9/2025_14:05Ann");
    host.isHost = false;
    EXPECT_EQ(ProposedTitle(SaveMode::NetSave, host), "NET2P_3/9/2025_14:05Bob");
}

TEST(SaveDialog, ClickingASlotProposesATitleAndRestoresTheOthers) {
    std::array<std::string, 11> titles{};
    titles[2] = "Old";
    SaveDialogState st = SaveListFor(false, titles);
    bool secure = true;
    SlotPressed(st, 2, Local());
    EXPECT_EQ(st.boxes[2].text, "");
    SlotClicked(st, 2, Local(), {}, secure);
    EXPECT_EQ(st.boxes[2].text, "2P_");
    EXPECT_EQ(st.boxes[2].look, SlotLook::Chosen);
    st.boxes[2].text = "2P_typed";
    SlotClicked(st, 5, Local(), {}, secure);
    EXPECT_EQ(st.boxes[2].text, "Old");
    EXPECT_EQ(st.boxes[2].look, SlotLook::Rest);
    EXPECT_EQ(st.selSlot, 5);
    EXPECT_TRUE(secure);  // only Restore touches it
}

TEST(SaveDialog, ConfirmNeedsASlotAndTitlesABlankOne) {
    SaveDialogState st = SaveListFor(false, {});
    EXPECT_FALSE(Confirm(st, Local()));
    EXPECT_EQ(st.hint, "Select a game slot!");
    bool secure = false;
    SlotClicked(st, 3, Local(), {}, secure);
    st.boxes[3].text = "   ";
    auto choice = Confirm(st, Local());
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->slot, 3);
    EXPECT_EQ(choice->title, "saved game 3");

    SaveContext net = Local();
    net.netConnected = 1;
    SaveDialogState ns = SaveListFor(true, {});
    SlotClicked(ns, 1, net, {}, secure);
    ns.boxes[1].text = " NET2P_x ";
    EXPECT_EQ(Confirm(ns, net)->title, "^^NET2P_x");
}

TEST(SaveDialog, AnInternetSaveIsRestoredOnlyOnlineOrByTheDeveloper) {
    std::array<GameStateRecord, 12> recs{};
    recs[1] = Game("^^NET2P_x");
    recs[2] = Game("local");
    struct Case {
        int net;
        bool dev;
        bool refused;
        bool secure;
    } cases[] = {{0, false, true, false}, {0, true, false, false}, {1, false, false, true}};
    for (const Case& c : cases) {
        SaveDialogState st = RestoreListFor(recs, 2, c.net != 0, false);
        SaveContext ctx = Local();
        ctx.netConnected = c.net;
        ctx.devMode = c.dev;
        bool secure = !c.secure;
        const std::string msg = SlotClicked(st, 1, ctx, recs[1], secure);
        EXPECT_EQ(msg.empty(), !c.refused) << c.net << c.dev;
        EXPECT_EQ(st.selSlot, c.refused ? 0 : 1);
        EXPECT_EQ(secure, c.secure);
        EXPECT_EQ(st.boxes[1].look, c.refused ? SlotLook::Rest : SlotLook::Highlight);
    }
}

TEST(SaveDialog, CancelAsksOnlyAfterChoosingASlotToSaveInto) {
    SaveDialogState st = SaveListFor(false, {});
    EXPECT_FALSE(CancelAsks(st));
    bool secure = false;
    SlotClicked(st, 1, Local(), {}, secure);
    EXPECT_TRUE(CancelAsks(st));
    std::array<GameStateRecord, 12> recs{};
    recs[1] = Game("x");
    SaveDialogState rs = RestoreListFor(recs, 1, false, false);
    SlotClicked(rs, 1, Local(), recs[1], secure);
    EXPECT_FALSE(CancelAsks(rs));
}

TEST(SaveDialog, RecordEachRestoreReads) {
    struct Case {
        int slot;
        int moveCounter;
        std::optional<int> record;
    } cases[] = {{4, 0, 4},   {10, 7, 10}, {11, 0, std::nullopt}, {11, 1, 11}, {11, 2, 12},
                 {11, 5, 11}, {11, 6, 12}};
    for (const Case& c : cases)
        EXPECT_EQ(RestoreRecordFor(c.slot, c.moveCounter), c.record)
            << c.slot << " " << c.moveCounter;
}

TEST(SaveDialog, StoredTitlesKeepThirtyCharacters) {
    EXPECT_EQ(StoredTitle("short"), "short");
    EXPECT_EQ(StoredTitle(std::string(35, 'x')), std::string(30, 'x'));
    EXPECT_EQ(StoredTitle(std::string(29, 'x') + "éé"), std::string(29, 'x') + "é");
}
