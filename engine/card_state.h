#pragma once
// The table's cards: the stock, the used pile, the center piles, the local human's piles, the
// turn, the counters and the house rules, sized for the largest game.
#include <array>
#include <string>

#include "shared/card_types.h"

struct CardState {
    // The local human (player 1).
    PorC HumanCards{};
    SidePile HumanSide{};
    i16 HumanSideCount = 0;
    i16 HumanSideShape = 0;
    HoldPiles HumanHold{};  // cards under each top; the top is in HumanCards
    std::array<i16, 5> HumanHoldCount{};
    i16 HumanWildHand = 0;
    i16 HumanWildSide = 0;

    // The stock: rows 0-1 by position 1..StockCount (top at StockCount); row 2 by card id, 1 once
    // the card has been shown face up.
    std::array<std::array<i16, kMaxCards + 1>, 3> Deck{};
    i16 StockCount = 0;

    std::array<std::array<i16, kMaxCards + 1>, 2> UsedPile{};
    i16 UsedCount = 0;

    i16 NumCenters = 4;
    std::array<i16, kMaxCenters + 1> CenterCount{};
    // (row, pile, position 1-12); a King keeps rank 13 and stands for its position.
    std::array<std::array<std::array<i16, 13>, kMaxCenters + 1>, 2> Center{};

    i16 NumPlayers = 2;
    i16 NumCards = 104;
    i16 Pturn = 0;
    std::array<i16, 5> TurnOrder{};
    i16 TurnPos = 0;
    i16 HandCount = 5;
    i16 NewDeal = 0;
    i16 MoveCounter = 0;

    // House rules.
    i16 SidePileSize = 19;
    i16 ForcedCards = 0;  // 1 Ace, 2 Two, 4 visible cards only
    i16 NoWildAce = VbFalse;
    i16 ShuffleSeparately = VbFalse;
    std::string RulesText;

    // The move in hand.
    i16 PickSlot = 0;
    i16 PileSel = 0;
    std::array<i16, 2> MoveCard{};
    i16 MoveFrom = 0;
    i16 MoveTo = 0;
};
