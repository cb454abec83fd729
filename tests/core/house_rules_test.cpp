// The house rules dialog's logic: what it shows for the game's rules, the forced-card boxes,
// the center rule, and what Apply, Cancel and Restore Defaults leave in the game.
#include "records/house_rules.h"

#include <gtest/gtest.h>

#include "tests/support/headless_services.h"

namespace {

struct HouseRulesTest : ::testing::Test {
    Game g;
    HeadlessServices h{g};
    Engine e{g, h.services};
    HouseRules d{e};

    HouseRulesTest() {
        g.NumPlayers = 2;
        g.NumCenters = 3;
    }
    bool OpenDialog() { return d.Open(); }
    std::array<bool, 3> Ticks() const {
        const auto& c = d.controls();
        return {c.forced[1], c.forced[2], c.forced[4]};
    }
    std::array<bool, 3> Enabled() const {
        const auto& c = d.controls();
        return {c.forcedEnabled[1], c.forcedEnabled[2], c.forcedEnabled[4]};
    }
};

TEST_F(HouseRulesTest, OpensOnTheGamesRules) {
    g.SidePileSize = 25;
    g.ForcedCards = 6;
    g.NoWildAce = VbTrue;
    g.ShuffleSeparately = VbTrue;
    g.NumCenters = 4;
    ASSERT_TRUE(OpenDialog());
    const auto& c = d.controls();
    EXPECT_EQ(c.side, 1);
    EXPECT_EQ(c.shuffle, 1);
    EXPECT_EQ(c.center, 1);
    EXPECT_TRUE(c.wild);
    EXPECT_FALSE(c.noForced);
    EXPECT_EQ(Ticks(), (std::array<bool, 3>{false, true, true}));
    EXPECT_EQ(Enabled(), (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(d.pending().NewForcedCards, 6);
    EXPECT_EQ(d.pending().NewNumCenters, 4);
}

TEST_F(HouseRulesTest, AStoredMaskItCannotShowOpensAsNoForcedCards) {
    for (i16 stored : {i16(9), i16(4), i16(-3)}) {
        g.ForcedCards = stored;
        HouseRules dialog(e);
        ASSERT_TRUE(dialog.Open());
        EXPECT_TRUE(dialog.controls().noForced) << stored;
        EXPECT_EQ(dialog.pending().NewForcedCards, 0) << stored;
        EXPECT_EQ(g.ForcedCards, 0) << stored;
    }
}

TEST_F(HouseRulesTest, VisibleOnlyCountsBesideAnAceOrATwo) {
    ASSERT_TRUE(OpenDialog());
    d.NoForcedClicked(false);
    EXPECT_EQ(Enabled(), (std::array<bool, 3>{true, true, false}));
    d.ForcedClicked(1, true);
    d.ForcedClicked(4, true);
    EXPECT_EQ(d.pending().NewForcedCards, 5);
    d.ForcedClicked(1, false);
    EXPECT_FALSE(d.controls().forcedEnabled[4]);
    EXPECT_EQ(d.pending().NewForcedCards, 0);
    d.ForcedClicked(2, true);
    EXPECT_EQ(d.pending().NewForcedCards, 6);
    d.ForcedClicked(4, false);
    EXPECT_EQ(d.pending().NewForcedCards, 2);
}

TEST_F(HouseRulesTest, NoForcedCardsClearsAndLocksTheBoxes) {
    g.ForcedCards = 7;
    ASSERT_TRUE(OpenDialog());
    d.NoForcedClicked(true);
    EXPECT_EQ(Ticks(), (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(Enabled(), (std::array<bool, 3>{false, false, false}));
    EXPECT_EQ(d.pending().NewForcedCards, 0);
    d.ForcedClicked(1, true);  // locked
    EXPECT_EQ(d.pending().NewForcedCards, 0);
    d.NoForcedClicked(false);
    EXPECT_EQ(Enabled(), (std::array<bool, 3>{true, true, false}));
}

TEST_F(HouseRulesTest, ThreeCentersAreRefusedForMoreThanTwoPlayers) {
    g.NumPlayers = 3;
    g.NumCenters = 4;
    ASSERT_TRUE(OpenDialog());
    d.CenterClicked(0);
    EXPECT_EQ(h.dialogs.lastText, "4 Center Piles are required for more than 2 players");
    EXPECT_EQ(h.dialogs.lastTitle, "Number of Centers");
    EXPECT_EQ(d.controls().center, 1);
    EXPECT_EQ(d.pending().NewNumCenters, 4);
}

TEST_F(HouseRulesTest, ForcedCardsAloneApplyWithoutANewGame) {
    ASSERT_TRUE(OpenDialog());
    d.NoForcedClicked(false);
    d.ForcedClicked(1, true);
    d.WildClicked(true);
    EXPECT_EQ(d.Apply(), HouseRules::ApplyResult::Applied);
    EXPECT_EQ(h.dialogs.asked, 0);
    EXPECT_FALSE(d.rulesChanged());
    EXPECT_EQ(g.ForcedCards, 1);
    EXPECT_EQ(g.NoWildAce, VbTrue);
    EXPECT_EQ(g.RulesText, "Ace - No Wild Ace");
}

TEST_F(HouseRulesTest, ASideChangeAsksForANewGameAndCancelAppliesNothing) {
    ASSERT_TRUE(OpenDialog());
    d.SideClicked(3);
    d.ShuffleClicked(1);
    h.dialogs.answers = {mb::Cancel};
    EXPECT_EQ(d.Apply(), HouseRules::ApplyResult::StayOpen);
    EXPECT_EQ(h.dialogs.lastText, "Start a new game for the changed rules to take effect.");
    EXPECT_EQ(h.dialogs.lastTitle, "New Rules");
    EXPECT_FALSE(d.rulesChanged());
    EXPECT_EQ(g.SidePileSize, 19);
    EXPECT_EQ(g.ShuffleSeparately, VbFalse);

    h.dialogs.answers = {mb::Ok};
    EXPECT_EQ(d.Apply(), HouseRules::ApplyResult::Applied);
    EXPECT_TRUE(d.rulesChanged());
    EXPECT_EQ(g.SidePileSize, 9);
    EXPECT_EQ(g.ShuffleSeparately, VbTrue);
    // The corner caption names the new side pile at once.
    EXPECT_EQ(h.board.rulesCaption, "Rules: 10 cards ");
}

// Restore Defaults proposes; only Apply commits (and asks), and a dropped dialog changes
// nothing.
TEST_F(HouseRulesTest, RestoreDefaultsOnlyChangesThePendingRules) {
    g.SidePileSize = 25;
    g.ShuffleSeparately = VbTrue;
    g.NoWildAce = VbTrue;
    g.ForcedCards = 3;
    ASSERT_TRUE(OpenDialog());
    d.RestoreDefaults();
    const auto& c = d.controls();
    EXPECT_EQ(c.side, 0);
    EXPECT_EQ(c.shuffle, 0);
    EXPECT_FALSE(c.wild);
    EXPECT_TRUE(c.noForced);
    EXPECT_EQ(g.SidePileSize, 25);
    EXPECT_EQ(g.ShuffleSeparately, VbTrue);
    EXPECT_EQ(g.NoWildAce, VbTrue);
    EXPECT_EQ(g.ForcedCards, 3);
    EXPECT_FALSE(d.rulesChanged());

    h.dialogs.answers = {mb::Ok};
    EXPECT_EQ(d.Apply(), HouseRules::ApplyResult::Applied);
    EXPECT_EQ(h.dialogs.asked, 1);
    EXPECT_TRUE(d.rulesChanged());
    EXPECT_EQ(g.SidePileSize, 19);
    EXPECT_EQ(g.ShuffleSeparately, VbFalse);
    EXPECT_EQ(g.NoWildAce, VbFalse);
    EXPECT_EQ(g.ForcedCards, 0);
}

TEST_F(HouseRulesTest, ANewCenterCountReLaysTheTwoPlayerTable) {
    ASSERT_TRUE(OpenDialog());
    d.CenterClicked(1);
    EXPECT_EQ(d.Apply(), HouseRules::ApplyResult::Applied);
    EXPECT_EQ(g.NumCenters, 4);
    EXPECT_TRUE(h.log.Contains("SetupLayout 2,3"));
    EXPECT_TRUE(h.log.Contains("DrawTable"));
    EXPECT_EQ(h.board.rulesCaption, "Rules: 20 cards ");
}

TEST_F(HouseRulesTest, InternetPeersGateTheDialog) {
    g.NetConnected = 1;
    g.PeerVersion = "51";
    EXPECT_FALSE(OpenDialog());
    EXPECT_EQ(h.dialogs.lastText, "This feature is not available with this opponent.");

    g.PeerVersion = "74";
    g.NumCenters = 4;
    HouseRules older(e);
    ASSERT_TRUE(older.Open());
    EXPECT_EQ(older.controls().center, 0);
    EXPECT_FALSE(older.controls().fourCentersEnabled);

    g.PeerVersion = "84";
    HouseRules newer(e);
    ASSERT_TRUE(newer.Open());
    EXPECT_EQ(newer.controls().center, 1);
    EXPECT_TRUE(newer.controls().fourCentersEnabled);
}

TEST_F(HouseRulesTest, AnyInternetApplyAsksForANewGame) {
    g.NetConnected = 2;
    g.PeerVersion = "84";
    ASSERT_TRUE(OpenDialog());
    EXPECT_EQ(d.Apply(), HouseRules::ApplyResult::Applied);
    EXPECT_TRUE(d.rulesChanged());
    EXPECT_EQ(h.board.messages[2], "\nStart a New game.");
    EXPECT_EQ(h.dialogs.lastTitle, "New Rules");

    g.NetConnected = 99;  // set up, nobody connected yet: told, not asked
    HouseRules waiting(e);
    ASSERT_TRUE(waiting.Open());
    h.dialogs.answers = {mb::Cancel};
    EXPECT_EQ(waiting.Apply(), HouseRules::ApplyResult::Applied);
    EXPECT_EQ(h.dialogs.lastText, "The new rules will take effect when you start a new game.");
    EXPECT_TRUE(waiting.rulesChanged());
}

}  // namespace
