#pragma once
// The encoding of the table's cards that every subsystem and every record shares: the limits of
// the largest game (four decks), the rows of a card pair, a player's visible-card slots, the
// ranks with a meaning of their own, and the arrays of a player's piles. Arrays keep the index
// ranges the game's logic is written against (index 0 unused where a range starts at 1).
#include <array>

#include "platform/vb_types.h"

constexpr int kMaxPlayers = 4;
constexpr int kMaxCards = 52 * kMaxPlayers;
constexpr int kMaxCenters = 4;
constexpr int kMaxSidePile = 26;
constexpr int kHoldCapacity = 30;

// Row 0 holds card ids, row 1 their ranks.
constexpr int kId = 0;
constexpr int kRank = 1;

// Visible-card slots of a player.
constexpr int kSideSlot = 1;
constexpr int kFirstHandSlot = 2;
constexpr int kLastHandSlot = 6;
constexpr int kFirstHoldSlot = 7;
constexpr int kLastHoldSlot = 10;

constexpr i16 kAce = 1;
constexpr i16 kTwo = 2;
constexpr i16 kQueen = 12;
constexpr i16 kKing = 13;

// (row, slot): slot 1 side-pile top, 2-6 hand, 7-10 hold-pile tops.
using PorC = std::array<std::array<i16, 11>, 2>;
// (row, i): side pile bottom to top, i = 1..count.
using SidePile = std::array<std::array<i16, kMaxSidePile + 1>, 2>;
// (row, pile 1-4, position 1-30).
using HoldPiles = std::array<std::array<std::array<i16, kHoldCapacity + 1>, 5>, 2>;
