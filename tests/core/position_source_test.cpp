#include "position_source.h"

#include <gtest/gtest.h>

namespace {

const std::string kGood =
    "position 31 Tutorial 1\n"
    "center 1: AC 2D\n"
    "you side: 9D 3H   # the top card last\n"
    "you hand: 9C -- 7S TH 8C\n"
    "you hold 2: 7D QS\n"
    "brivo side: 6D JS\n"
    "brivo hand: 3D 7S 6C 4D 8D\n"
    "brivo hold 1: 5S 4S\n"
    "stock top: KH QH\n";

std::string BuildError(const std::string& text) {
    std::string error;
    auto sources = ParsePositions(text, "pos.txt", &error);
    if (!sources) return error;
    for (const PositionSource& s : *sources)
        if (!BuildPosition(s, "pos.txt", &error)) return error;
    return "";
}

}  // namespace

TEST(PositionSource, BuildsTheNamedPositionWithTheRestInTheStock) {
    std::string error;
    auto sources = ParsePositions(kGood, "pos.txt", &error);
    ASSERT_TRUE(sources) << error;
    ASSERT_EQ(sources->size(), 1u);
    EXPECT_EQ((*sources)[0].record, 31);
    auto rec = BuildPosition((*sources)[0], "pos.txt", &error);
    ASSERT_TRUE(rec) << error;
    EXPECT_EQ(rec->Title, "Tutorial 1");
    EXPECT_EQ(rec->HumanSideCount, 2);
    EXPECT_EQ(rec->HumanSideShape, 24);
    EXPECT_EQ(rec->OppSideShape[0], 49);
    EXPECT_EQ(rec->Cards[0][kId][1], 29);  // 3H: hearts are the third suit
    EXPECT_EQ(rec->Cards[0][kId][3], 0);   // "--" leaves slot 3 empty
    EXPECT_EQ(rec->HandCount, 4);
    EXPECT_EQ(rec->Cards[0][kId][8], 51);  // QS on top of the second hold pile
    EXPECT_EQ(rec->HumanHoldCount[2], 1);
    EXPECT_EQ(rec->OppHoldCount[1][0], 2);  // the computer's pile counts its top
    EXPECT_EQ(rec->OppHoldFlag[1][0], 2);   // 4 on 5: a descending run
    EXPECT_EQ(rec->Cards[1][kId][7], 43);
    // Two decks, 19 cards on the table: the other 85 are the stock, the named top dealt first.
    EXPECT_EQ(rec->StockCount, 85);
    EXPECT_EQ(rec->Stock[kId][rec->StockCount], 39);      // KH
    EXPECT_EQ(rec->Stock[kId][rec->StockCount - 1], 38);  // QH
    // The build is repeatable.
    EXPECT_EQ(BuildPosition((*sources)[0], "pos.txt", &error)->Stock, rec->Stock);
}

TEST(PositionSource, MistakesNameTheirLine) {
    struct Case {
        std::string text;
        std::string error;
    } cases[] = {
        {"center 1: AC\n", "pos.txt:1: no position started"},
        {"position 31 T\ncenter 1: AC XX\n", "pos.txt:2: 'XX' is not a card"},
        {"position 31 T\nyou side: AC AC AC\n", "pos.txt:2: 'AC' is not a card, or a third copy"},
        {"position 31 T\ncenter 4: AC\n", "pos.txt:2: there are three center piles"},
        {"position 31 T\nyou hand: AC 2C\n", "pos.txt:2: a hand names five slots"},
        {"position 31 T\nyou side: -- AC\n", "pos.txt:2: '--' only stands in a hand"},
        {"position 31 T\nthe moon: AC\n", "pos.txt:2: unknown place 'the moon'"},
        {"position 31 T\nyou side: AC\n", "pos.txt:1: both players need a side pile"},
        {"position 31 T\ncenter 1: 2C\nyou side: 4C\nbrivo side: 5C\n",
         "pos.txt:1: position 31 is not a sound game"},
    };
    for (const Case& c : cases) {
        const std::string error = BuildError(c.text);
        EXPECT_EQ(error.substr(0, c.error.size()), c.error) << c.text;
    }
}
