#include "board/card_look.h"

#include <gtest/gtest.h>

#include "board/card_geometry.h"

namespace {
using P = CardPicture;

CardDrawContext Ctx(int players, int pturn, int mode, int faceDeck = 6) {
    CardDrawContext c;
    c.numPlayers = players;
    c.pturn = pturn;
    c.displayMode = mode;
    c.faceDeck = faceDeck;
    return c;
}
}  // namespace

TEST(CardGeometry, LaterDecksShareTheFirstDecksCells) {
    EXPECT_EQ(CellOfCard(1).x, 1);
    EXPECT_EQ(CellOfCard(13).x, 71 * 12 + 1);
    EXPECT_EQ(CellOfCard(14).y, 96);
    const SheetCell c = CellOfCard(52 * 3 + 27);  // fourth deck, third suit's Ace
    EXPECT_EQ(c.card, 27);
    EXPECT_EQ(c.row, 2);
    EXPECT_EQ(c.column, 0);
    EXPECT_EQ(RankForDrawing(40), 1);
    EXPECT_EQ(RankForDrawing(52), 13);
}

// The face, back and placeholder chosen for each kind of box.
TEST(CardLook, DecisionTable) {
    struct Case {
        const char* what;
        PileRow row;
        int index, card, kind;
        CardDrawContext ctx;
        P want;
    } cases[] = {
        {"two players: opponent full size", PileRow::Opp1, 3, 5, 0, Ctx(2, 2, 0), P::SheetFace},
        {"three players: opponent small", PileRow::Opp2, 3, 5, 0, Ctx(3, 1, 0), P::SmallFace},
        {"three players: human full size", PileRow::Human, 3, 5, 0, Ctx(3, 2, 0), P::SheetFace},
        {"four players: center full size", PileRow::Center, 2, 5, 0, Ctx(4, 3, 0), P::SheetFace},
        {"mover while the human plays", PileRow::Opp1, 0, 5, 0, Ctx(4, 1, 0), P::SheetFace},
        {"mover while an opponent plays", PileRow::Opp1, 0, 5, 0, Ctx(4, 2, 0), P::SmallFace},
        {"small display: human small", PileRow::Human, 3, 5, 0, Ctx(2, 1, 2), P::SmallFace},
        {"small display: sample stays large", PileRow::Sample, 1, 5, 0, Ctx(2, 1, 3), P::SheetFace},
        {"hold window always small", PileRow::HoldWindow, 1, 5, 0, Ctx(2, 1, 0), P::SmallFace},
        {"number design ignores size", PileRow::Opp3, 2, 40, 0, Ctx(4, 2, 2, 3), P::NumberFace},
        {"empty: human row large", PileRow::Human, 7, 0, 88, Ctx(4, 2, 0), P::LargeEmpty},
        {"empty: opponent row on human turn", PileRow::Opp2, 7, 0, 88, Ctx(4, 1, 0), P::LargeEmpty},
        {"empty: opponent row otherwise", PileRow::Opp2, 7, 0, 88, Ctx(4, 3, 0), P::SmallEmpty},
        {"empty: small display", PileRow::Human, 7, 0, 88, Ctx(2, 1, 2), P::SmallEmpty},
        {"back: two players large", PileRow::Opp1, 2, 0, 0, Ctx(2, 2, 1), P::LargeBack},
        {"back: three players opponent small", PileRow::Opp1, 2, 0, 0, Ctx(3, 1, 0), P::SmallBack},
        {"back: small display", PileRow::Human, 1, 0, 3, Ctx(2, 1, 2), P::SmallBack},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideCardLook(c.row, c.index, c.card, c.kind, c.ctx).picture, c.want) << c.what;
}

TEST(CardLook, NarrowScreenWithLargeFontsShowsOnlySmallFaces) {
    CardDrawContext c = Ctx(2, 1, 0);
    c.screenWidth = 9600;
    c.largeFonts = true;
    EXPECT_EQ(DecideCardLook(PileRow::Human, 2, 7, 0, c).picture, P::SmallFace);
    c.largeFonts = false;
    EXPECT_EQ(DecideCardLook(PileRow::Human, 2, 7, 0, c).picture, P::SheetFace);
}

TEST(CardLook, NumberFacesShowTheRankOnWhiteWithABorder) {
    for (int id : {1, 14, 27, 40, 53 + 13}) {
        const CardLook l = DecideCardLook(PileRow::Human, 2, id, 0, Ctx(2, 1, 0, 0));
        EXPECT_EQ(l.face, 1) << id;
        EXPECT_TRUE(l.border);
        EXPECT_EQ(l.colour, BoxColour::White);
    }
}

TEST(CardLook, PlainBacksTakeTheDeckColourAndLibraryBacksDoNot) {
    CardDrawContext c = Ctx(2, 1, 0);
    EXPECT_EQ(DecideCardLook(PileRow::Human, 2, 0, 0, c).colour, BoxColour::Deck);
    c.backStyle = 2;
    const CardLook l = DecideCardLook(PileRow::Human, 2, 0, 0, c);
    EXPECT_EQ(l.colour, BoxColour::Keep);
    EXPECT_FALSE(l.border);
}

TEST(CardLook, SoundsPlayOnlyForKindsOneToFiveAndNotWhenSilent) {
    CardDrawContext c = Ctx(2, 1, 0);
    EXPECT_EQ(DecideCardLook(PileRow::Human, 2, 9, 0, c).sound, 0);
    EXPECT_EQ(DecideCardLook(PileRow::Human, 7, 0, 88, c).sound, 0);
    EXPECT_EQ(DecideCardLook(PileRow::Human, 2, 9, 4, c).sound, 4);
    c.soundMode = 2;
    EXPECT_EQ(DecideCardLook(PileRow::Human, 2, 9, 4, c).sound, 0);
    EXPECT_EQ(CardSoundFile(1, 0), "~118.tmp");
    EXPECT_EQ(CardSoundFile(4, 1), "~115.tmp");
    EXPECT_EQ(CardSoundFile(88, 1), "");
}
