#pragma once
// The tables a deal can lay out: two to four players on three or four center piles, and four
// piles whenever more than two play. Every place that settles the counts checks them here, and
// the deal refuses any other table aloud rather than leave the players waiting on nothing.
#include <string>

inline constexpr const char* kFourCentersNeeded =
    "4 Center Piles are required for more than 2 players";

// Why no deal can be laid out for `players` on `centers` piles; empty when one can.
std::string TableFault(int players, int centers);
