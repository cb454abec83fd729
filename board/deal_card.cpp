#include "board/deal_card.h"

void DealCard(Game& g, const Services& sv, PileRow row, PorC& cards, int slot, int kind) {
    if (g.StockCount < 1 || slot < kFirstHandSlot || slot > kLastHandSlot) return;
    g.Dealing = VbTrue;
    if (sv.board) sv.board->PutMoverOnStock();

    const int top = g.StockCount;
    cards[kRank][slot] = g.Deck[kRank][top];
    cards[kId][slot] = g.Deck[kId][top];
    g.Deck[kRank][top] = 0;
    g.Deck[kId][top] = 0;
    --g.StockCount;
    const i16 id = cards[kId][slot];
    if (id >= 1 && id <= kMaxCards) g.Deck[2][id] = 1;  // seen

    if (sv.board) {
        sv.board->MoveCardAnim(PileRow::Opp1, 0, row, slot);
        const bool faceUp = g.Peeking || row == PileRow::Human;
        sv.board->ShowCard(row, slot, faceUp ? id : 0, kind);
    }
    g.Dealing = VbFalse;
    if (sv.status) sv.status->ShowCounter();
    sv.Pause(kind != card_kind::kDealToOpp ? g.MovePause / 2 : 0.02);
}
