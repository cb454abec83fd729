#pragma once
// Shared set-up of the fuzz targets: a dealt game with no window, and the parts of a position
// that a refused line must leave as they were.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/conservation.h"
#include "engine/engine.h"
#include "tests/support/headless_services.h"

namespace fuzz {

// A game for `players` dealt as a local game would be, every hand full.
inline void Deal(Game& g, int players, int centers) {
    HeadlessServices h(g);
    g.NumPlayers = static_cast<i16>(players);
    g.NumCards = static_cast<i16>(52 * players);
    g.NumCenters = static_cast<i16>(centers);
    Engine e(g, h.services);
    e.SetUp();
    e.Deal_All();
    if (g.Pturn == 0) g.Pturn = 1;
}

// The cards of a position, compared before and after a refused line.
inline bool SamePosition(const Game& a, const Game& b) {
    return a.Deck[0] == b.Deck[0] && a.Deck[1] == b.Deck[1] && a.StockCount == b.StockCount &&
           a.UsedPile == b.UsedPile && a.UsedCount == b.UsedCount && a.Center == b.Center &&
           a.CenterCount == b.CenterCount && a.HumanCards == b.HumanCards &&
           a.HumanSide == b.HumanSide && a.HumanHold == b.HumanHold &&
           a.HumanHoldCount == b.HumanHoldCount && a.SidePileSize == b.SidePileSize &&
           a.NumPlayers == b.NumPlayers && a.Opp[1].Cards == b.Opp[1].Cards &&
           a.Opp[2].Cards == b.Opp[2].Cards && a.Opp[3].Cards == b.Opp[3].Cards;
}

// Stops the run with a message a finding can be read by.
[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::abort();
}

inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace fuzz
