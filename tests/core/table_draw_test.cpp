#include "board/table_draw.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "tests/support/headless_services.h"

namespace {
using P = CardPicture;

// Keeps what each box last showed, and every sound.
struct RecordingCanvas : BoxCanvas {
    struct Box {
        bool visible = false, border = false, front = false;
        CardLook look;
        int paints = 0;
    };
    std::map<std::pair<int, int>, Box> boxes;
    std::vector<std::string> sounds;
    std::map<int, std::string> wild;
    bool holdHidden = false, holdFrame = false;
    Rgb depth = 0, table = 0;

    Box& At(PileRow r, int i) { return boxes[{static_cast<int>(r), i}]; }
    void Paint(PileRow r, int i, const CardLook& l) override {
        At(r, i).look = l;
        ++At(r, i).paints;
    }
    void SetBorder(PileRow r, int i, bool on) override { At(r, i).border = on; }
    void SetVisible(PileRow r, int i, bool on) override { At(r, i).visible = on; }
    void BringToFront(PileRow r, int i) override { At(r, i).front = true; }
    void PlaySound(const std::string& f) override { sounds.push_back(f); }
    void SetWildLabel(int c, const std::string& t) override { wild[c] = t; }
    void SetDepthColour(Rgb c) override { depth = c; }
    void HideHoldImage() override { holdHidden = true; }
    void SetHoldImageFrame(bool on) override { holdFrame = on; }
    void SetTableColour(Rgb c) override { table = c; }
};

struct DrawFixture : ::testing::Test {
    Game g;
    BoardLooks looks;
    RecordingCanvas canvas;
    DrawInputs In(int mode = 0) { return DrawInputs{g, looks, mode, 15360, false}; }

    void Deal(PorC& cards, std::initializer_list<int> ids) {
        int s = 1;
        for (int id : ids) {
            cards[kId][s] = static_cast<i16>(id);
            cards[kRank][s] = id ? static_cast<i16>((id - 1) % 13 + 1) : 0;
            ++s;
        }
    }
};
}  // namespace

TEST_F(DrawFixture, ShowCardPaintsShowsTheBoxAndPlaysItsSound) {
    CardDrawContext ctx;
    ShowCard(canvas, ctx, PileRow::Human, 3, 66, card_kind::kToHold);
    const auto& b = canvas.At(PileRow::Human, 3);
    EXPECT_TRUE(b.visible);
    EXPECT_EQ(b.look.picture, P::SheetFace);
    EXPECT_EQ(b.look.face, 14);
    EXPECT_EQ(canvas.sounds, std::vector<std::string>{"~120.tmp"});
}

TEST_F(DrawFixture, TwoPlayerTableHidesEmptyHandSlotsAndShowsPlaceholdersOnEmptyHolds) {
    g.NumPlayers = 2;
    g.NumCenters = 3;
    g.GameStarted = VbTrue;
    g.HumanSideCount = 5;
    Deal(g.HumanCards, {10, 2, 0, 30, 4, 5, 0, 0, 21, 0});
    Deal(g.Opp[1].Cards, {60, 0, 7, 8, 9, 11, 12, 0, 0, 0});
    g.CenterCount[1] = 3;
    g.Center[kId][1][3] = 13;  // a King standing for three
    g.Center[kRank][1][3] = 13;
    g.CenterCount[2] = 1;
    g.Center[kId][2][1] = 1;
    g.Center[kRank][2][1] = 1;
    DrawTable(canvas, In());

    EXPECT_FALSE(canvas.At(PileRow::Human, 3).visible);
    EXPECT_EQ(canvas.At(PileRow::Human, 2).look.picture, P::SheetFace);
    EXPECT_EQ(canvas.At(PileRow::Opp1, 3).look.picture, P::LargeBack);  // hands stay hidden
    EXPECT_EQ(canvas.At(PileRow::Opp1, 1).look.face, 8);                // side top face up
    EXPECT_EQ(canvas.At(PileRow::Human, 7).look.picture, P::LargeEmpty);
    EXPECT_EQ(canvas.At(PileRow::Human, 9).look.face, 21);
    EXPECT_EQ(canvas.wild[1], "3");
    EXPECT_EQ(canvas.wild[2], "");
    EXPECT_EQ(canvas.At(PileRow::Center, 3).look.picture, P::LargeEmpty);
    EXPECT_EQ(canvas.At(PileRow::Center, 0).look.picture, P::LargeBack);
    EXPECT_EQ(canvas.boxes.count({static_cast<int>(PileRow::Opp2), 2}), 0u);
    EXPECT_TRUE(canvas.sounds.empty());
    EXPECT_EQ(canvas.depth, looks.DeckColor);
    EXPECT_FALSE(canvas.holdHidden);
}

TEST_F(DrawFixture, FourPlayersSmallDisplayKeepsEmptyCentersLargeAndPeekingShowsHands) {
    g.NumPlayers = 4;
    g.NumCenters = 4;
    g.GameStarted = VbTrue;
    g.Pturn = 3;
    g.Peeking = VbTrue;
    for (int p = 1; p <= 3; ++p) Deal(g.Opp[p].Cards, {5, 6, 7, 0, 0, 0, 0, 0, 0, 0});
    DrawTable(canvas, In(2));
    EXPECT_EQ(canvas.At(PileRow::Opp3, 2).look.picture, P::SmallFace);
    EXPECT_EQ(canvas.At(PileRow::Opp3, 2).look.face, 6);
    EXPECT_EQ(canvas.At(PileRow::Center, 4).look.picture, P::LargeEmpty);
    EXPECT_EQ(canvas.At(PileRow::Center, 0).look.picture, P::SmallBack);
    EXPECT_EQ(canvas.At(PileRow::Opp2, 7).look.picture, P::SmallEmpty);
    EXPECT_TRUE(canvas.holdHidden);  // fewer than two side cards
}

TEST_F(DrawFixture, BeforeTheFirstDealSidePilesShowABackAndThePlainMatColour) {
    g.GameStarted = VbFalse;
    Deal(g.HumanCards, {10, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    looks.BackgroundCount = 2;
    looks.BackgroundIndex = 3;
    DrawTable(canvas, In());
    EXPECT_EQ(canvas.At(PileRow::Human, 1).look.picture, P::LargeBack);
    EXPECT_TRUE(canvas.At(PileRow::Human, 1).border);
    EXPECT_EQ(canvas.table, looks.MatColor);
}

TEST_F(DrawFixture, DrawTableReadsTheWorkingCopyOfTheOpponentOnTurn) {
    g.NumPlayers = 2;
    g.Peeking = VbTrue;
    Deal(g.Opp[1].Cards, {0, 5, 0, 0, 0, 0, 0, 0, 0, 0});
    Deal(g.CurCards, {0, 9, 0, 0, 0, 0, 0, 0, 0, 0});
    g.WorkingOpp = 1;
    DrawTable(canvas, In());
    EXPECT_EQ(canvas.At(PileRow::Opp1, 2).look.face, 9);
}

TEST_F(DrawFixture, PeekTurnsOccupiedHandSlotsOnlyAndPlaysTheFlipSounds) {
    g.NumPlayers = 3;
    Deal(g.Opp[1].Cards, {0, 5, 0, 7, 0, 0, 0, 0, 0, 0});
    Deal(g.Opp[2].Cards, {0, 0, 0, 0, 0, 8, 0, 0, 0, 0});
    g.Peeking = VbTrue;
    Peek(canvas, In());
    EXPECT_EQ(canvas.At(PileRow::Opp1, 4).look.face, 7);
    EXPECT_TRUE(canvas.At(PileRow::Opp1, 4).front);
    EXPECT_EQ(canvas.boxes.count({static_cast<int>(PileRow::Opp1), 3}), 0u);
    EXPECT_EQ(canvas.sounds.size(), 4u);  // three flips and the peek sound
    g.Peeking = VbFalse;
    g.SoundMode = 2;
    canvas.sounds.clear();
    Peek(canvas, In());
    EXPECT_EQ(canvas.At(PileRow::Opp2, 6).look.picture, P::SmallBack);
    EXPECT_TRUE(canvas.sounds.empty());
}

TEST(DealCard, TakesTheStockTopSlidesItAndShowsItFaceDownToAnOpponent) {
    Game g;
    HeadlessServices h(g);
    g.StockCount = 2;
    g.Deck[kId][2] = 17;
    g.Deck[kRank][2] = 4;
    g.MovePause = 1.0f;
    Engine e(g, h.services);
    e.DealCard(PileRow::Opp1, g.Opp[1].Cards, 3);
    EXPECT_EQ(g.StockCount, 1);
    EXPECT_EQ(g.Opp[1].Cards[kId][3], 17);
    EXPECT_EQ(g.Deck[kId][2], 0);
    EXPECT_EQ(g.Deck[2][17], 1);
    EXPECT_EQ(g.Dealing, VbFalse);
    EXPECT_TRUE(h.log.Contains("MoveCardAnim 1,0 -> 1,3"));
    EXPECT_TRUE(h.log.Contains("ShowCard 1,3 0 kind 3"));
    EXPECT_NEAR(h.pauser.paused(), 0.02, 1e-9);

    g.StockCount = 1;
    g.Deck[kId][1] = 40;
    e.DealCard(PileRow::Human, g.HumanCards, 2);
    EXPECT_TRUE(h.log.Contains("ShowCard 7,2 40 kind 5"));
    EXPECT_NEAR(h.pauser.paused(), 0.52, 1e-6);
}
