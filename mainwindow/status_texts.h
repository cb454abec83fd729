#pragma once
// The status bar's texts: the player's and the shown opponent's names, their wild Kings and the
// opponent's best run of this game; the stock and used-pile counts on the message line; and the
// card counter's grid of seen cards. Decided here, shown by the window.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/game.h"
#include "platform/vb_types.h"

// Changes to the status bar's panels (1-8); panels not named keep what they show.
struct StatusUpdate {
    enum class Sizing { Keep, Spring, Contents };
    std::vector<std::pair<int, std::string>> texts;
    std::vector<std::pair<int, std::string>> tips;
    Sizing panel5 = Sizing::Keep;
};

// Screens this narrow (twips) leave the "Wild: " prefix out of the wild-card panels.
constexpr i32 kNarrowStatusWidth = 9600;

// "Wild: " & Str(side) & "/" & Str(hand), without the prefix on a narrow screen.
std::string WildText(int side, int hand, i32 screenWidth);

// The panels reset for a new deal.
StatusUpdate ClearedStatus(const Game& g);
// Panels 4 and 8: the human's wild Kings and those of the player on turn.
StatusUpdate WildStatus(const Game& g, i32 screenWidth);
// Panels 5 to 8 for opponent `opp` (1-3): name, level, best run of this game, wild Kings.
StatusUpdate OppStatus(const Game& g, int opp, const std::array<std::string, 3>& levelNames,
                       i32 screenWidth);

// The message line's answers about the center row.
std::string StockCountText(const Game& g);  // "STOCK: " & Str(StockCount)
std::string UsedCountText(const Game& g);   // "USED: " & Str(UsedCount)

// The card counter's grid: one line per suit of each deck, Ace to King, from the seen marks of
// the deck's third row.
std::string CounterGrid(const Game& g);
