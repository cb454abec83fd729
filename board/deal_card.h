#pragma once
// Dealing one card from the stock into a hand slot: the stock's top moves into the player's
// cards, and the board shows it sliding from the stock, face up for the human (or while
// peeking), face down for an opponent.
#include "engine/game.h"
#include "engine/services.h"

// `cards` is the player's card array (HumanCards or an opponent's), `slot` 2-6, `kind` the card
// sound: card_kind::kDealToHuman for the human's row, kDealToOpp for the others'. The stock must
// hold a card: callers refill or reshuffle first.
void DealCard(Game& g, const Services& sv, PileRow row, PorC& cards, int slot, int kind);
