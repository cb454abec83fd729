#pragma once
// The two card primitives everything relies on: the rank of a card id, and the shuffle of a
// stretch of the stock.
#include "engine/card_state.h"
#include "platform/vb_random.h"

// Rank 1 (Ace) to 13 (King) of a card id, 0 for no card. Leaves `card` reduced to 1-52, as the
// receiving side of an Internet game relies on.
i16 CardRank(i16& card);
// The rank without touching the id.
inline i16 RankOf(i16 card) {
    return CardRank(card);
}

// Ten passes over stock positions first..last; each position swaps with a partner drawn from
// 1..stretch (plus `offset`). Shuffling all decks together passes the stock size as the stretch;
// shuffling deck by deck passes 52 and the deck's start as the offset, so partners stay inside
// the deck. Row 2 of the stock is never touched; first > last changes nothing.
void Shuffle(CardState& s, VbRandom& rng, int first, int last, int stretch, int offset = 0);
