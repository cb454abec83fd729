#pragma once
// A peer whose program draws only number cards: a picture deck in use here gives way to number
// cards, so both tables show the same cards, and the player is told why the cards changed.
#include "platform/dialogs.h"
#include "platform/vb_types.h"

namespace net {

// True when `faceDeck` was a picture deck and is now the first number design; the caller then
// loads the card pictures again. A number design stays as it is, without a word.
bool SwitchToNumberCards(i16& faceDeck, Dialogs& dialogs);

}  // namespace net
