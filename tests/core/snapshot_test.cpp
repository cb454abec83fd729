// Saving and restoring positions: the round trip through the record for every table size, the
// autosave's record choice, undo and whole-turn restart through the move history, and the
// refusal of every damaged record with the running game left as it was.
#include <gtest/gtest.h>

#include <functional>

#include "engine/engine.h"
#include "engine/opp_swap.h"
#include "engine/snapshot_codec.h"
#include "position_bytes.h"
#include "position_fixture.h"
#include "records/game_records.h"
#include "shared/record_io.h"
#include "temp_folder.h"
#include "tests/support/headless_services.h"

namespace {

struct Table {
    explicit Table(int players = 2) : g(MidGamePosition(players)), h(g), records(g, h.services) {
        g.AppFolder = folder.path();
        h.services.records = &records;
        OppSwap(g, 1, false);  // as after a deal or a restore
    }
    GameStateRecord Slot(int n, SnapshotFile f = SnapshotFile::SavedGames) {
        GameStateRecord r;
        records.ReadRecordAt(f, n, r);
        return r;
    }
    TempProgramFolder folder;
    Game g;
    HeadlessServices h;
    GameRecords records;
};

// The human lays the wild King of slot 2 on center 1, as a play would.
void PlayKing(Game& g) {
    const i16 n = ++g.CenterCount[1];
    g.Center[kId][1][n] = g.HumanCards[kId][2];
    g.Center[kRank][1][n] = kKing;
    g.HumanCards[kId][2] = g.HumanCards[kRank][2] = 0;
    --g.HandCount;
    ++g.StatsTable[1][1];
}

// The human plays a hand card onto a hold pile's top position without ending the turn: enough
// to change the position for the move history.
void MoveHandCard(Game& g) {
    std::swap(g.HumanCards[kId][3], g.HumanCards[kId][4]);
    std::swap(g.HumanCards[kRank][3], g.HumanCards[kRank][4]);
}

}  // namespace

TEST(Snapshot, RoundTripKeepsEveryPileForTwoThreeAndFourPlayers) {
    for (int players = 2; players <= 4; ++players) {
        Game g = MidGamePosition(players, 11 + players);
        ASSERT_EQ(CheckConservation(g), "");
        GameStateRecord rec;
        GameToRecord(g, rec);
        RecordBuffer buf(GameStateRecord::kSize);
        rec.Encode(buf);
        GameStateRecord back;
        back.Decode(buf);
        ASSERT_EQ(ValidateRecord(back), "") << players;

        Game r = MidGamePosition(players == 4 ? 2 : 4, 99);  // another table size
        RecordToState(back, r);
        EXPECT_EQ(CheckConservation(r), "");
        EXPECT_EQ(PositionBytes(r), PositionBytes(g)) << players;
        EXPECT_EQ(r.NumCards, 52 * players);
        for (int k = 1; k < players; ++k) {
            EXPECT_EQ(r.Opp[k].Hold, g.Opp[k].Hold);
            EXPECT_EQ(r.Opp[k].HoldPileInfo[4][2], 10 * k + 4);  // pattern flags per opponent
            EXPECT_EQ(r.Opp[k].WildHand, 2 * k + 2);
            EXPECT_EQ(r.Opp[k].SideShape, g.Opp[k].SideShape);
        }
        EXPECT_EQ(r.HumanWildSide, 1);
        EXPECT_EQ(r.NoWildAce, VbTrue);
        EXPECT_EQ(r.Deck[2][r.UsedPile[kId][5]], 1);  // seen marks are rebuilt
        EXPECT_EQ(r.Deck[2][r.Deck[kId][1]], 0);
        EXPECT_EQ(r.TurnOrder[players], players);
    }
}

TEST(Snapshot, EntriesThePositionDoesNotUseKeepWhatTheRecordHeld) {
    namespace off = game_record_offsets;
    struct Case {
        const char* what;
        int players;
        size_t offset;
    } cases[] = {
        {"first reserved area", 2, 26},
        {"second reserved area", 2, off::kReserved2},
        {"stock entry 0", 2, off::kStock},
        {"stock past the decks", 2, off::kStock + 4 * 105},
        {"human side entry 0", 4, off::kSide},
        {"Opp1 side entry 0", 4, off::kSide + 108 + 2},
        {"Opp3 side entry 0", 4, off::kSide + 3 * 108},
        {"absent Opp2 side pile", 2, off::kSide + 2 * 108 + 4},
        {"Opp1 card slot 0", 4, off::kCards + 44},
        {"absent Opp3 cards", 3, off::kCards + 3 * 44 + 4},
        {"absent center 4", 2, off::kCenter + 4 * 4 + 20},
        {"absent Opp2 hold pile", 2, off::kOppHold + 2 + 12 + 60},
        {"absent Opp3 wild counter", 3, 5310 + 20 * 6},
        {"absent Opp3 hold count", 3, off::kOppHoldCount + 4 + 6},
    };
    for (const Case& c : cases) {
        RecordBuffer buf(GameStateRecord::kSize);
        std::fill(buf.bytes().begin(), buf.bytes().end(), std::uint8_t{0xA5});
        GameStateRecord rec;
        rec.Decode(buf);
        GameToRecord(MidGamePosition(c.players), rec);
        rec.Encode(buf);
        EXPECT_EQ(buf.GetI16(c.offset), static_cast<i16>(0xA5A5)) << c.what;
    }
}

TEST(Snapshot, AutoSaveChoosesItsRecordsByTheTurnCount) {
    Table t;
    t.g.MoveCounter = 0;
    t.records.AutoSave();
    for (int slot : {11, 12, 13, 14}) {
        EXPECT_EQ(t.Slot(slot).Title, "AutoSave") << slot;
        EXPECT_EQ(t.Slot(slot).Pturn, 1);
    }
    struct Case {
        i16 moveCounter;
        int written;
        int untouched;
    } cases[] = {{1, 12, 11}, {2, 11, 12}, {3, 12, 11}};
    for (const Case& c : cases) {
        t.g.MoveCounter = c.moveCounter;
        t.g.HandCount = c.moveCounter;  // marks the position of this turn
        t.records.AutoSave();
        EXPECT_EQ(t.Slot(c.written).HandCount, c.moveCounter);
        EXPECT_EQ(t.Slot(14).HandCount, c.moveCounter);
        EXPECT_NE(t.Slot(c.untouched).HandCount, c.moveCounter);
        EXPECT_EQ(t.Slot(13).HandCount, 4);  // the game's start stays
    }
}

TEST(Snapshot, UndoStepsBackOnePlayAndRestartGoesBackToTheTurnsStart) {
    Table t;
    ASSERT_TRUE(t.records.TempMovesFile(true));
    t.g.GameStarted = VbTrue;
    t.g.MoveCounter = 1;
    t.records.AutoSave();
    EXPECT_EQ(t.g.MoveRecordNo, 1);
    const auto start = PositionBytes(t.g);

    // Undo right at the start of the turn has nothing to undo.
    t.g.UndoMove = VbTrue;
    t.records.RestartTurn();
    EXPECT_EQ(PositionBytes(t.g), start);
    EXPECT_EQ(t.g.UndoMove, VbFalse);

    PlayKing(t.g);
    t.records.SaveMove();
    const auto afterFirst = PositionBytes(t.g);
    MoveHandCard(t.g);
    t.records.SaveMove();
    EXPECT_EQ(t.g.MoveRecordNo, 3);

    ASSERT_FALSE(t.h.log.Contains("HideCard 7,2"));
    t.g.UndoMove = VbTrue;
    t.records.RestartTurn();
    EXPECT_EQ(PositionBytes(t.g), afterFirst);
    EXPECT_EQ(t.g.MoveRecordNo, 2);
    EXPECT_TRUE(t.h.log.Contains("HideCard 7,2"));  // the King's slot was empty there
    EXPECT_EQ(t.g.StatsTable[1][1], 1);             // the turn's counts come back with the position
    EXPECT_TRUE(t.h.log.Contains("Panel 2  0- 1- 0- [ 1 ]"));
    EXPECT_EQ(t.g.GameRestored, VbTrue);
    EXPECT_EQ(CheckConservation(t.g), "");

    t.g.RestartWholeTurn = VbTrue;
    t.records.RestartTurn();
    EXPECT_EQ(PositionBytes(t.g), start);
    EXPECT_EQ(t.g.MoveRecordNo, 1);
    EXPECT_EQ(t.g.RestartWholeTurn, VbFalse);
    // The history starts again: an undo now finds nothing before the start.
    t.g.UndoMove = VbTrue;
    t.records.RestartTurn();
    EXPECT_EQ(PositionBytes(t.g), start);
}

TEST(Snapshot, RestartTurnRefusesWithItsMessages) {
    Table t;
    struct Case {
        std::function<void(Game&)> set;
        const char* text;
    } cases[] = {
        {[](Game& g) { g.NetConnected = 1; },
         "Restart turn cannot be used during an Internet game"},
        {[](Game& g) { g.TempMovesOpen = VbFalse; }, "must be checked to use this option."},
        {[](Game& g) { g.TempMovesOpen = VbTrue, g.GameStarted = VbFalse; },
         "Huh? No turn to restart! (?)"},
    };
    for (const auto& c : cases) {
        c.set(t.g);
        t.g.RestartWholeTurn = VbTrue;
        const auto before = PositionBytes(t.g);
        t.records.RestartTurn();
        EXPECT_NE(t.h.dialogs.lastText.find(c.text), std::string::npos) << c.text;
        EXPECT_EQ(t.h.dialogs.lastTitle, "Restart Turn");
        EXPECT_EQ(PositionBytes(t.g), before);
        t.g.NetConnected = 0;
    }
}

TEST(Snapshot, RestoreLaysOutTheTableForTheRecordThenHandsOverTheTurn) {
    Table four(4);
    four.g.Pturn = 3;
    ASSERT_TRUE(four.records.SaveGameToSlot(2, "Four at the table"));

    Table t;  // two players, move history on
    std::filesystem::copy_file(four.records.SavedGamesPath(), t.records.SavedGamesPath());
    ASSERT_TRUE(t.records.TempMovesFile(true));
    t.g.MoveRecordNo = 5;
    bool computerPlayed = false;
    t.h.turns.run = [&] { computerPlayed = true; };
    t.g.SaveSlot = 2;
    ASSERT_TRUE(t.records.RecordToGame(SnapshotFile::SavedGames));

    EXPECT_EQ(t.g.NumPlayers, 4);
    EXPECT_EQ(t.g.Opp[3].HoldPileInfo[2][2], 32);
    EXPECT_EQ(t.g.WorkingOpp, 1);  // Opp1 is loaded into the working copy
    EXPECT_TRUE(computerPlayed);
    EXPECT_EQ(t.g.MoveRecordNo, 1);  // the restored position starts the move history
    EXPECT_EQ(t.Slot(1, SnapshotFile::MoveHistory).Pturn, 3);
    EXPECT_EQ(t.Slot(11).Title, "Four at the table");  // Previous Turn starts from here
    const auto& log = t.h.log.lines;
    auto at = [&](const std::string& s) {
        return std::find(log.begin(), log.end(), s) - log.begin();
    };
    EXPECT_LT(at("SetupLayout 2,3"), at("ResetTable"));
    EXPECT_LT(at("ResetTable"), at("DrawTable"));
    EXPECT_EQ(t.h.board.messages[1], "\nIt's NOT your turn.");
}

TEST(Snapshot, TheHoldImageIsHiddenOnlyOverTheLastSideCard) {
    for (const bool lastCard : {false, true}) {
        Table t;
        if (lastCard) {  // the cards under the side top go to the used pile
            const i16 n = t.g.HumanSideCount;
            for (int j = 1; j < n; ++j) {
                ++t.g.UsedCount;
                for (int c = 0; c < 2; ++c) t.g.UsedPile[c][t.g.UsedCount] = t.g.HumanSide[c][j];
            }
            for (int c = 0; c < 2; ++c) t.g.HumanSide[c][1] = t.g.HumanSide[c][n];
            t.g.HumanSideCount = 1;
        }
        ASSERT_EQ(CheckConservation(t.g), "");
        ASSERT_TRUE(t.records.SaveGameToSlot(1, "Side"));
        t.g.SaveSlot = 1;
        ASSERT_TRUE(t.records.RecordToGame(SnapshotFile::SavedGames));
        EXPECT_EQ(t.h.log.Contains("HideHoldImage"), lastCard);
        EXPECT_EQ(t.h.log.Contains("ShowHoldImage"), !lastCard);
    }
}

// The hand count of the player on turn is taken from the cards: a record whose counter is at
// odds with the hand still plays on, refilling when the hand runs out.
TEST(Snapshot, TheRestoredHandCountIsTheCardsInTheHandOnTurn) {
    for (const i16 stored : {0, 2, 5}) {
        Table t;
        ASSERT_EQ(CountHand(t.g.HumanCards), 4);
        GameStateRecord rec;
        GameToRecord(t.g, rec);
        rec.HandCount = stored;
        ASSERT_TRUE(t.records.RestorePosition(rec));
        EXPECT_EQ(t.g.HandCount, 4) << stored;
    }
}

TEST(Snapshot, EveryDamagedRecordIsRefusedAndTheGameIsUntouched) {
    struct Damage {
        const char* name;
        std::function<void(GameStateRecord&)> spoil;
        const char* says;
    } damages[] = {
        {"empty slot", [](GameStateRecord& r) { r = GameStateRecord{}; }, "no saved game"},
        {"players", [](GameStateRecord& r) { r.NumPlayers = 5; }, "players"},
        {"centers", [](GameStateRecord& r) { r.NumCenters = 2; }, "centers"},
        {"three centers for three",
         [](GameStateRecord& r) {
             r.NumPlayers = 3;
             r.NumCenters = 3;
         },
         "four centers"},
        {"side-pile size", [](GameStateRecord& r) { r.SidePileSize = 20; }, "side-pile size"},
        {"forced cards", [](GameStateRecord& r) { r.ForcedCards = 8; }, "forced"},
        {"nobody on turn", [](GameStateRecord& r) { r.Pturn = 0; }, "on turn"},
        {"turn past the players", [](GameStateRecord& r) { r.Pturn = 3; }, "on turn"},
        {"hand count", [](GameStateRecord& r) { r.HandCount = 9; }, "hand"},
        {"shape", [](GameStateRecord& r) { r.OppSideShape[0] = 200; }, "shapes"},
        {"stock count", [](GameStateRecord& r) { r.StockCount = 300; }, "StockCount"},
        {"card past the decks", [](GameStateRecord& r) { r.Stock[kId][1] = 105; }, "not a card"},
        {"rank of another card", [](GameStateRecord& r) { r.Used[kRank][2] ^= 1; }, "not a card"},
        {"card twice",
         [](GameStateRecord& r) {
             r.Stock[kId][1] = r.Used[kId][1], r.Stock[kRank][1] = r.Used[kRank][1];
         },
         "two places"},
        {"hold count", [](GameStateRecord& r) { r.HumanHoldCount[3] = 31; }, "hold count"},
        {"opponent hold count", [](GameStateRecord& r) { r.OppHoldCount[1][0] = -1; },
         "hold count"},
        {"center count", [](GameStateRecord& r) { r.CenterCount[1] = 12; }, "center"},
        {"side count", [](GameStateRecord& r) { r.HumanSideCount = 27; }, "side count"},
        {"stale id past the decks", [](GameStateRecord& r) { r.Used[kId][100] = 500; },
         "not a card"},
        {"wild counter", [](GameStateRecord& r) { r.Wild(3) = -4; }, "wild"},
        // Empty places carry no rank: the game would find a card there that the check never
        // counted.
        {"rank in an empty hand slot", [](GameStateRecord& r) { r.Cards[0][kRank][6] = 5; },
         "visible card"},
        {"rank past a side pile", [](GameStateRecord& r) { r.Side[1][kRank][26] = 7; },
         "side-pile card"},
        {"rank past a center pile", [](GameStateRecord& r) { r.Center[kRank][1][12] = 12; },
         "center-pile card"},
    };
    Table saved;
    GameStateRecord good;
    GameToRecord(saved.g, good);
    good.Title = "Good";
    ASSERT_EQ(ValidateRecord(good), "");

    for (const auto& d : damages) {
        Table t(3);  // the running game: another table size and rules
        t.g.SidePileSize = 25;
        t.g.ForcedCards = 0;
        t.g.MoveRecordNo = 4;
        GameStateRecord bad = good;
        d.spoil(bad);
        ASSERT_TRUE(
            WriteRecord(RecordFile(t.records.SavedGamesPath(), GameStateRecord::kSize), 3, bad));
        const auto before = PositionBytes(t.g);
        t.g.SaveSlot = 3;
        t.g.PreviousTurn = VbTrue;
        EXPECT_FALSE(t.records.RecordToGame(SnapshotFile::SavedGames)) << d.name;
        EXPECT_EQ(t.g.CancelFlag, VbTrue);
        EXPECT_EQ(t.g.PreviousTurn, VbFalse);
        EXPECT_EQ(PositionBytes(t.g), before) << d.name;
        EXPECT_EQ(t.g.SidePileSize, 25);
        EXPECT_EQ(t.g.MoveRecordNo, 4);
        EXPECT_EQ(t.h.dialogs.asked, 1);
        EXPECT_NE(t.h.dialogs.lastText.find(d.says), std::string::npos)
            << d.name << ": " << t.h.dialogs.lastText;
        EXPECT_FALSE(t.h.log.Contains("ResetTable")) << d.name;
        EXPECT_FALSE(t.h.log.Contains("Play")) << d.name;
    }
}

TEST(Snapshot, AnInternetGameRefusesARecordForOtherPlayers) {
    GameStateRecord rec;
    rec.NumPlayers = 2;
    rec.NumCenters = 4;
    std::string title;
    EXPECT_EQ(NetRecordRefusal(rec, 1, "84", title), "");
    EXPECT_EQ(NetRecordRefusal(rec, 2, "84", title),
              "You don't have enough players to play this saved game.\n"
              "Connect to all players first, then Send the Saved game.");
    EXPECT_EQ(title, "Saved Game for 2 players");
    EXPECT_NE(NetRecordRefusal(rec, 1, "60", title), "");  // four centers need a newer peer
    EXPECT_EQ(title, "Saved Game for 2 players and 4 centers");
    rec.NumCenters = 3;
    EXPECT_EQ(NetRecordRefusal(rec, 1, "60", title), "");
    EXPECT_EQ(NetRecordRefusal(rec, 1, "51", title), "Unable to send a saved game.");
}

TEST(Snapshot, AnInternetRefusalChangesNoRuleOfTheRunningGame) {
    Table t;
    ASSERT_TRUE(t.records.SaveGameToSlot(1, "^^Two of us"));
    t.g.NetConnected = 2;
    t.g.PeerVersion = "84";
    t.g.SidePileSize = 25;
    t.g.ForcedCards = 0;
    t.g.SaveSlot = 1;
    EXPECT_FALSE(t.records.RecordToGame(SnapshotFile::SavedGames));
    EXPECT_EQ(t.h.dialogs.lastTitle, "Saved Game for 2 players");
    EXPECT_EQ(t.g.SidePileSize, 25);
    EXPECT_EQ(t.g.ForcedCards, 0);
    EXPECT_EQ(t.g.CancelFlag, VbTrue);
}

TEST(Snapshot, AMoveFileThatCannotBeWrittenIsReported) {
    Table t;
    t.g.AppFolder = t.folder.File("no/such/folder");
    std::string error;
    EXPECT_FALSE(t.records.TempMovesFile(true, &error));
    EXPECT_EQ(t.g.TempMovesOpen, VbFalse);
    EXPECT_NE(error.find("~tempmoves.sav"), std::string::npos);

    // A write failing later turns autosave off and tells the player.
    t.g.AppFolder = t.folder.path();
    ASSERT_TRUE(t.records.TempMovesFile(true));
    t.g.AppFolder = t.folder.File("gone");
    t.records.SaveMove();
    EXPECT_EQ(t.g.TempMovesOpen, VbFalse);
    EXPECT_EQ(t.h.dialogs.lastTitle, "AutoSave");
}
