#pragma once
// The host's deck as a remote receives it ("DK"): the stock of a new deal with the house rules,
// or the used pile reshuffled into a new stock. Both are checked card by card before anything of
// the game changes: a deal must be exactly the cards of the decks, each once, and a reshuffle
// exactly the cards of this machine's used pile.
//
// The payload is a run of numbers, each written as Str writes it and followed by "#":
// - a peer of version 7.4 or older first sends the rank of every stock card, bottom first;
// - a peer with a version (not "40") sends the card id of every stock card;
// - a deal from a peer above 5.1 then adds the side-pile size less one, the forced-card rule, the
//   no-wild-Ace rule and, from newer peers, the separate-shuffle rule (true as -1).
// A peer without a version sends ranks only: its cards are told apart by rank alone, and this
// side gives each the next card id of that rank, so that every card of the game stays one card.
#include <optional>
#include <string_view>
#include <vector>

#include "engine/game.h"
#include "net/wire_parse.h"

namespace net {

struct PeerDeal {
    std::vector<i16> ids;  // stock positions 1..NumCards, bottom first
    bool withRules = false;
    i16 sidePileSize = 19, forcedCards = 0, noWildAce = VbFalse;
    bool withShuffle = false;
    i16 shuffleSeparately = VbFalse;
};

// Reads a deal for the table of `g` from a peer of version `peerVersion` (two digits).
std::optional<PeerDeal> ReadDeal(const Game& g, std::string_view payload, Fault& fault);
// Reads a reshuffle: as many cards as the used pile of `g` holds, and exactly those.
std::optional<std::vector<i16>> ReadReshuffle(const Game& g, std::string_view payload,
                                              Fault& fault);

// Lays a checked deal into the stock (StockCount := NumCards) and takes the rules sent with it.
void TakeDeal(Game& g, const PeerDeal& deal);
// Makes the checked reshuffle the stock and empties the used pile.
void TakeReshuffle(Game& g, const std::vector<i16>& ids);

// Both steps on the payload in RecoverText, as the remote's deal and reshuffle take it; false,
// with `g` unchanged, when the deck was refused.
bool TakeDealFromPeer(Game& g, Fault& fault);
bool TakeReshuffleFromPeer(Game& g, Fault& fault);

}  // namespace net
