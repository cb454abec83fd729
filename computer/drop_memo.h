#pragma once
// What the discard choice remembers while it goes through its rules.
#include "platform/vb_types.h"

struct DropMemo {
    i16 payoff = 0;      // the computer's own payoff value
    i16 pc = 0;          // value of the center the payoff card goes to
    i16 patternOne = 0;  // a pile whose top equals a hand card, with a mixed top
    i16 patternTwo = 0;  // the same, ending in a descending run
    i16 payoffTop = 0;   // a pile whose top equals the payoff card
    i16 matchPile = 0;   // a pile that would take the MatchSlot card
    int last = 0;        // last hand slot the scans consider
};
