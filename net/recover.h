#pragma once
// The whole game as one "RC" line: the host writes its position; a remote reads it into a staging
// record, in its own numbering of the players, that must pass the saved-game checks (every count
// in range, every card of the decks in one place) before it replaces the game.
//
// Each value is written as Str writes it and followed by "#". The current layout (peers above
// version 7.4): the player on turn as the host numbers them, the players, centers, side-pile
// size less one, forced-card rule, no-wild-Ace rule, stock and used counts, the stock's and the
// used pile's card ids, each center's count and its twelve places, then one record per player in
// the host's order (its own, then its Opp1-Opp3): side count and cards, the ten visible cards,
// each hold pile's count and cards, the two wild counts. The host's own hold counts leave out the
// top (it is among the visible cards); an opponent's include it. The older layout (two players,
// three centers) gives every array at its full size, ranks before card ids.
#include <optional>
#include <string>
#include <string_view>

#include "engine/game.h"
#include "net/wire_parse.h"
#include "shared/game_state_record.h"

namespace net {

// The host's game for a peer of version `peerVersion`, as SendRecover sends it (without "RC ").
// The older layout is written for a peer of 7.4 or older; it needs two players and three centers.
std::string RecoverText(const Game& g, const std::string& peerVersion);

// Reads the host's game on the remote in seat `seat` (1 with two players) of a host of version
// `hostVersion`. The result is in this machine's numbering and has passed the checks a restored
// game must pass; HandCount is counted from the hand of the player on turn.
std::optional<GameStateRecord> ReadRecover(std::string_view payload, const std::string& hostVersion,
                                           int seat, Fault& fault);

}  // namespace net
