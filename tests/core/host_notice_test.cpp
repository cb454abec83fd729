#include "net/host_notice.h"

#include <gtest/gtest.h>

TEST(HostNotice, TheRulesLabelListsEveryRuleThatDiffersFromTheDefaults) {
    struct Case {
        i16 sidePileSize, forcedCards, noWildAce, shuffleSeparately;
        const char* list;
    } cases[] = {
        {19, 0, 0, 0, ""},
        {9, 0, -1, 0, "Side piles of 10 cards, No Wild Ace"},
        {9, 0, 0, 0, "Side piles of 10 cards"},
        {25, 7, -1, -1,
         "Side piles of 26 cards, Forced Ace and Two (visible only), No Wild Ace, Decks shuffled "
         "separately"},
        {19, 2, 0, -1, "Forced Two, Decks shuffled separately"},
        {19, 5, 0, 0, "Forced Ace (visible only)"},
        {14, 4, 0, 0, "Side piles of 15 cards"},
    };
    for (const auto& c : cases) {
        Game g;
        g.SidePileSize = c.sidePileSize;
        g.ForcedCards = c.forcedCards;
        g.NoWildAce = c.noWildAce;
        g.ShuffleSeparately = c.shuffleSeparately;
        EXPECT_EQ(net::HostRulesList(g), c.list) << c.sidePileSize << " " << c.forcedCards;
    }
    EXPECT_EQ(net::HostRulesLabel("Side piles of 10 cards, No Wild Ace"),
              "HOST RULES SET:\nSide piles of 10 cards, No Wild Ace\nIf these aren't the rules you "
              "want, please change them before starting the game.");
}
