#include "engine/cards.h"

#include <utility>

i16 CardRank(i16& card) {
    if (card == 0) return 0;
    while (card >= 53) card = static_cast<i16>(card - 52);
    i16 r = static_cast<i16>(card % 13);
    return r == 0 ? kKing : r;
}

void Shuffle(CardState& s, VbRandom& rng, int first, int last, int stretch, int offset) {
    for (int pass = 1; pass <= 10; ++pass) {
        for (int i = first; i <= last; ++i) {
            int j = rng.Draw1To(stretch) + offset;
            if (j < 0 || j > kMaxCards || i < 0 || i > kMaxCards) continue;
            std::swap(s.Deck[kId][i], s.Deck[kId][j]);
            std::swap(s.Deck[kRank][i], s.Deck[kRank][j]);
        }
    }
}
