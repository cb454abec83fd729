#include "board/table_draw.h"

#include "platform/vb_strings.h"

CardDrawContext DrawInputs::Context() const {
    CardDrawContext c;
    c.faceDeck = looks.FaceDeck;
    c.backStyle = looks.BackStyle;
    c.displayMode = displayMode;
    c.screenWidth = screenWidth;
    c.largeFonts = largeFonts;
    c.numPlayers = game.NumPlayers;
    c.pturn = game.Pturn;
    c.soundMode = game.SoundMode;
    c.cardSoundSet = looks.CardSoundSet;
    return c;
}

void ShowCard(BoxCanvas& canvas, const CardDrawContext& ctx, PileRow row, int index, int card,
              int kind) {
    canvas.SetVisible(row, index, true);
    const CardLook look = DecideCardLook(row, index, card, kind, ctx);
    canvas.Paint(row, index, look);
    if (look.sound != 0) canvas.PlaySound(CardSoundFile(look.sound, ctx.cardSoundSet));
}

const PorC& OpponentCards(const Game& g, int opp) {
    return g.WorkingOpp == opp ? g.CurCards : g.Opp[opp].Cards;
}

namespace {
constexpr PileRow kOppRows[] = {PileRow::Opp1, PileRow::Opp1, PileRow::Opp2, PileRow::Opp3};

CardLook BackOnly(bool large) {
    CardLook look;
    look.picture = large ? CardPicture::LargeBack : CardPicture::SmallBack;
    return look;
}
}  // namespace

void RedrawPileRow(BoxCanvas& canvas, const DrawInputs& in, PileRow row, const PorC& cards) {
    const CardDrawContext ctx = in.Context();
    const bool numberCards = in.looks.FaceDeck < 6;
    canvas.SetBorder(row, kSideSlot, numberCards);
    if (cards[kRank][kSideSlot] != 0)
        ShowCard(canvas, ctx, row, kSideSlot, cards[kId][kSideSlot], card_kind::kSilent);
    // Before the first deal every side pile shows a back.
    if (!in.game.GameStarted)
        canvas.Paint(row, kSideSlot, BackOnly(in.screenWidth >= 12000 && in.displayMode < 2));

    const bool faceUp = row == PileRow::Human || in.game.Peeking;
    for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
        if (cards[kRank][s] == 0) {
            canvas.SetVisible(row, s, false);
            continue;
        }
        canvas.SetBorder(row, s, faceUp ? numberCards : in.looks.BackStyle == 0);
        ShowCard(canvas, ctx, row, s, faceUp ? cards[kId][s] : 0, card_kind::kSilent);
    }
    for (int s = kFirstHoldSlot; s <= kLastHoldSlot; ++s) {
        canvas.SetBorder(row, s, true);
        const bool empty = cards[kRank][s] == 0;
        ShowCard(canvas, ctx, row, s, empty ? 0 : cards[kId][s],
                 empty ? card_kind::kEmptyPile : card_kind::kSilent);
    }
}

namespace {
void DrawCenters(BoxCanvas& canvas, const DrawInputs& in, const CardDrawContext& ctx) {
    const Game& g = in.game;
    for (int k = 1; k <= g.NumCenters; ++k) {
        const int count = g.CenterCount[k];
        if (count == 0) {
            // Empty centers keep the normal-size placeholder even with small cards.
            CardLook empty;
            empty.picture = CardPicture::LargeEmpty;
            canvas.Paint(PileRow::Center, k, empty);
            canvas.SetWildLabel(k, "");
            continue;
        }
        ShowCard(canvas, ctx, PileRow::Center, k, g.Center[kId][k][count], card_kind::kSilent);
        const bool wildOnTop = g.Center[kRank][k][count] == kKing;
        canvas.SetWildLabel(k, wildOnTop ? std::to_string(count) : "");
    }
}
}  // namespace

void DrawTable(BoxCanvas& canvas, const DrawInputs& in) {
    const Game& g = in.game;
    RedrawPileRow(canvas, in, PileRow::Human, g.HumanCards);
    for (int opp = 1; opp < g.NumPlayers && opp <= 3; ++opp)
        RedrawPileRow(canvas, in, kOppRows[opp], OpponentCards(g, opp));

    DrawCenters(canvas, in, in.Context());

    CardLook stock = BackOnly(!(in.screenWidth < 12001 || in.displayMode >= 2));
    stock.border = true;
    stock.colour = BoxColour::Deck;
    canvas.Paint(PileRow::Center, 0, stock);

    canvas.SetDepthColour(in.looks.DeckColor);
    if (g.HumanSideCount < 2) canvas.HideHoldImage();
    canvas.SetHoldImageFrame(in.looks.BackStyle == 0);
    if (!g.GameStarted && in.looks.BackStyle == 0) {
        canvas.SetBorder(PileRow::Human, kSideSlot, true);
        canvas.SetBorder(PileRow::Opp1, kSideSlot, true);
    }
    if (in.looks.BackgroundIndex == in.looks.BackgroundCount + 1)
        canvas.SetTableColour(in.looks.MatColor);
}

void Peek(BoxCanvas& canvas, const DrawInputs& in) {
    const Game& g = in.game;
    const CardDrawContext ctx = in.Context();
    for (int opp = 1; opp < g.NumPlayers && opp <= 3; ++opp) {
        const PorC& cards = OpponentCards(g, opp);
        for (int s = kFirstHandSlot; s <= kLastHandSlot; ++s) {
            if (cards[kRank][s] == 0) continue;
            ShowCard(canvas, ctx, kOppRows[opp], s, g.Peeking ? cards[kId][s] : 0,
                     card_kind::kTurnUp);
            if (g.Peeking) canvas.BringToFront(kOppRows[opp], s);
        }
    }
    if (g.SoundMode != 2) canvas.PlaySound("~118.tmp");
}
